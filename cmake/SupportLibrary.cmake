# The support library: runtime/ with the platform's backend, no SDL. Its public headers are a
# C API for the runtime's other programs; the rest of runtime/ is the library's own.
if(WIN32)
    set(platform_dir ${PROJECT_SOURCE_DIR}/runtime/win32)
else()
    set(platform_dir ${PROJECT_SOURCE_DIR}/runtime/posix)
endif()
file(GLOB support_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/runtime/*.cpp
     ${platform_dir}/*.cpp)
set(support_public_headers
    runtime/clock.h runtime/console.h runtime/export.h runtime/files.h runtime/launcher.h
    runtime/local_address.h runtime/log.h runtime/mdns.h runtime/package_root.h
    runtime/socket.h runtime/text.h)

function(gb_runtime_support_library target type)
    add_library(${target} ${type} ${support_sources})
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    # The platform's socket vocabulary, for the socket code that both platforms share.
    target_include_directories(${target} PRIVATE ${platform_dir})
    gb_runtime_strict(${target})
    if(WIN32)
        target_link_libraries(${target} PUBLIC ws2_32 iphlpapi)
    endif()
endfunction()

# The library other programs take: static, or shared with -DBUILD_SHARED_LIBS=ON.
gb_runtime_support_library(gb_runtime_support "")
add_library(gb_runtime::support ALIAS gb_runtime_support)
target_sources(gb_runtime_support PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR}
               FILES ${support_public_headers})
set_target_properties(gb_runtime_support PROPERTIES EXPORT_NAME support)
if(BUILD_SHARED_LIBS)
    # Only the functions marked VORTELAN_GB_RUNTIME_EXTERN leave the library.
    set_target_properties(gb_runtime_support PROPERTIES
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
        C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    target_compile_definitions(gb_runtime_support PUBLIC VORTELAN_GB_RUNTIME_SHARED
                               PRIVATE VORTELAN_GB_RUNTIME_BUILDING)
    if(WIN32)
        # gb_runtime_support.dll, as Windows names its libraries; the import library keeps "lib".
        set_target_properties(gb_runtime_support PROPERTIES PREFIX "")
    endif()
endif()

# The menu, the tools and the tests always link the library statically: the tests use its
# internals, and the release's programs need no library of ours beside them.
if(PROJECT_IS_TOP_LEVEL)
    if(BUILD_SHARED_LIBS)
        gb_runtime_support_library(gb_runtime_support_static STATIC)
    else()
        add_library(gb_runtime_support_static ALIAS gb_runtime_support)
    endif()
endif()
