// A program for the socket tests: exits with how many of the handle values given as its
// arguments name sockets in it, which is how many of the parent's sockets it inherited.

#include <cstdlib>
#include <windows.h>

// A socket's file type is that of a pipe, and a handle value that names nothing here has
// none. Wine can tell the type of an inherited socket though not use it as one.
int main(int argc, char **argv) {
    int sockets = 0;
    for (int index = 1; index < argc; ++index) {
        auto handle = reinterpret_cast<HANDLE>(std::strtoull(argv[index], nullptr, 10));
        if (GetFileType(handle) == FILE_TYPE_PIPE) {
            ++sockets;
        }
    }
    return sockets;
}
