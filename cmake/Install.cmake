# cmake --install: the programs under bin/, and the support library as other programs take it:
# its public headers under include/runtime/, a CMake package (gb_runtime::support) and a
# pkg-config file. No installed file names the prefix, so an installed prefix can be moved.
include(CMakePackageConfigHelpers)

install(TARGETS gb_runtime_menu gb_runtime_lan COMPONENT programs)
if(WIN32)
    install(FILES ${sdl2_dll} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
endif()

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/gb_runtime)
install(TARGETS gb_runtime_support EXPORT gb_runtime_targets
        ARCHIVE COMPONENT development
        LIBRARY COMPONENT development NAMELINK_COMPONENT development
        RUNTIME COMPONENT development
        FILE_SET HEADERS COMPONENT development)
install(EXPORT gb_runtime_targets NAMESPACE gb_runtime:: DESTINATION ${package_dir}
        FILE gb_runtime-targets.cmake COMPONENT development)
configure_package_config_file(packaging/gb_runtime-config.cmake.in
                              ${PROJECT_BINARY_DIR}/gb_runtime-config.cmake
                              INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/gb_runtime-config-version.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/gb_runtime-config.cmake
              ${PROJECT_BINARY_DIR}/gb_runtime-config-version.cmake
        DESTINATION ${package_dir} COMPONENT development)

# pkg-config: the prefix is found from the .pc file's own folder. A static library brings what
# it needs of the C++ runtime and the platform along in Libs.private.
file(RELATIVE_PATH pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" pc_to_prefix ${pc_to_prefix})
set(pc_libs_private -lstdc++)
if(WIN32)
    list(APPEND pc_libs_private -lws2_32 -liphlpapi)
endif()
list(JOIN pc_libs_private " " pc_libs_private)
if(BUILD_SHARED_LIBS)
    set(pc_cflags " -DVORTELAN_GB_RUNTIME_SHARED")
endif()
configure_file(packaging/gb_runtime_support.pc.in ${PROJECT_BINARY_DIR}/gb_runtime_support.pc
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/gb_runtime_support.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
