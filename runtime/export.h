#ifndef GB_RUNTIME_EXPORT_H
#define GB_RUNTIME_EXPORT_H

/* VORTELAN_GB_RUNTIME_EXTERN marks each function of the library's C API: the functions that a
   shared build of the library exports, and nothing else. VORTELAN_GB_RUNTIME_SHARED is defined
   for a shared build and for its users (the CMake target and pkg-config carry it); a static
   library needs no mark. The one platform test outside runtime/posix and runtime/win32: the
   user's compiler reads this header, and Windows marks exports and imports apart. */

#if defined(VORTELAN_GB_RUNTIME_SHARED) && defined(_WIN32)
#if defined(VORTELAN_GB_RUNTIME_BUILDING)
#define VORTELAN_GB_RUNTIME_EXTERN __declspec(dllexport)
#else
#define VORTELAN_GB_RUNTIME_EXTERN __declspec(dllimport)
#endif
#elif defined(VORTELAN_GB_RUNTIME_SHARED)
#define VORTELAN_GB_RUNTIME_EXTERN __attribute__((visibility("default")))
#else
#define VORTELAN_GB_RUNTIME_EXTERN
#endif

#endif
