# The Windows release: a zip of a package folder that holds the menu, the LAN tool, SDL2.dll,
# the empty folders the programs work with and a short text on starting them, and the
# developer kit, a zip of the installed support library (headers, library, CMake package,
# pkg-config file). The package folder is the release's alone: a plain cmake --install leaves
# it out.
install(TARGETS gb_runtime_menu gb_runtime_lan RUNTIME DESTINATION . COMPONENT release
        EXCLUDE_FROM_ALL)
install(FILES ${sdl2_dll} DESTINATION . COMPONENT release EXCLUDE_FROM_ALL)
# Notepad of older Windows versions shows a text with bare line feeds as one long line.
file(READ ${PROJECT_SOURCE_DIR}/packaging/README-windows.txt readme)
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${PROJECT_BINARY_DIR}/README.txt "${readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/packaging/README-windows.txt)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION . COMPONENT release EXCLUDE_FROM_ALL)
foreach(folder config roms screenshot)
    install(DIRECTORY DESTINATION ${folder} COMPONENT release EXCLUDE_FROM_ALL)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME gb_runtime-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# Only the release's own files: the programs' bin/ and the test framework's install rules stay
# out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};release;/")
include(CPack)

# The developer kit: the same packing of the support library's installed files, in a zip and
# a folder of its own (the package preset windows-devkit).
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/CPackDevKitConfig.cmake @ONLY CONTENT [[
include(@PROJECT_BINARY_DIR@/CPackConfig.cmake)
set(CPACK_PACKAGE_FILE_NAME gb_runtime_support-@PROJECT_VERSION@-windows-x64-dev)
set(CPACK_INSTALL_CMAKE_PROJECTS "@PROJECT_BINARY_DIR@;@PROJECT_NAME@;development;/")
]])
