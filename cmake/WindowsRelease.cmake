# The Windows release: one zip of a package folder that holds the menu, the LAN tool,
# SDL2.dll, the empty folders the programs work with and a short text on starting them.
install(TARGETS gb_runtime_menu gb_runtime_lan RUNTIME DESTINATION . COMPONENT release)
install(FILES ${sdl2_dll} DESTINATION . COMPONENT release)
# Notepad of older Windows versions shows a text with bare line feeds as one long line.
file(READ ${PROJECT_SOURCE_DIR}/packaging/README-windows.txt readme)
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${PROJECT_BINARY_DIR}/README.txt "${readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/packaging/README-windows.txt)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION . COMPONENT release)
foreach(folder config roms screenshot)
    install(DIRECTORY DESTINATION ${folder} COMPONENT release)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME gb_runtime-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# Only the release's own files: the test framework's install rules stay out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};release;/")
include(CPack)
