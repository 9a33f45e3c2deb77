# Cross-build for 64-bit Windows with Debian's mingw-w64 (POSIX threads flavour). Test
# programs run under Wine; SDL2 comes from the prefix made by scripts/build-sdl2-windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(GB_RUNTIME_WINDOWS_PREFIX "$ENV{HOME}/.cache/gb-runtime/sdl2-windows-2.26.5"
    CACHE PATH "Where the cross-built SDL2 for Windows is installed")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${GB_RUNTIME_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${GB_RUNTIME_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime is linked in, so a program needs no DLL but SDL2.dll, and a shared
# support library none but itself.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(ZLIB_USE_STATIC_LIBS ON)

# Wine's 64-bit loader in the project's prefix (Debian keeps it off the search path).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine.sh)
