# Every Windows program of the package carries the manifest of packaging/gb_runtime.manifest.in
# and version information (the project's version), compiled by windres into the executable
# itself.
enable_language(RC)

set(GB_RUNTIME_MANIFEST ${PROJECT_BINARY_DIR}/resources/gb_runtime.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/gb_runtime.manifest.in ${GB_RUNTIME_MANIFEST}
               @ONLY)

function(gb_runtime_windows_resources target description)
    set(GB_RUNTIME_PROGRAM ${target})
    set(GB_RUNTIME_DESCRIPTION ${description})
    set(resources ${PROJECT_BINARY_DIR}/resources/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/program_resources.rc.in ${resources} @ONLY)
    # A target of its own, since windres knows none of the compiler's warning options.
    add_library(${target}_resources OBJECT ${resources})
    target_link_libraries(${target} PRIVATE ${target}_resources)
    # windres does not see that the manifest it embeds has changed.
    set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS ${GB_RUNTIME_MANIFEST})
endfunction()

gb_runtime_windows_resources(gb_runtime_menu "GB Runtime menu")
gb_runtime_windows_resources(gb_runtime_lan "GB Runtime LAN tool")
