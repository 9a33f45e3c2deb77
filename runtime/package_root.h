#ifndef GB_RUNTIME_PACKAGE_ROOT_H
#define GB_RUNTIME_PACKAGE_ROOT_H

/* Moves the process into the package root, so that config, roms, screenshot and the log
   file resolve by relative path.
   Not thread safe: call at start-up, before other threads run. */

#include "runtime/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Changes to GB_RUNTIME_PACKAGE_ROOT when it is set and not empty, else to the executable's
   directory, or to its parent when that directory is named build (any letter case). Writes a
   "cwd:" line to standard error once a change was attempted. 0, or -1 with errno set.
   The working directory is the whole process's. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_chdir_to_package_root(void);

/* Turns an executable's path, in place, into its package root. "/" and "\\" both separate.
   0, or -1 with errno EINVAL when the path has no separator. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_package_root_from_executable_path(char *path);

#ifdef __cplusplus
}
#endif

#endif
