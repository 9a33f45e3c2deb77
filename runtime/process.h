#ifndef GB_RUNTIME_PROCESS_H
#define GB_RUNTIME_PROCESS_H

/* Platform calls behind the package root and the launcher: the running executable's path,
   the working directory and starting a child program. */

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the running executable's full path. False when the platform cannot tell it or when
   it fills the whole buffer (it may then be cut). */
bool vortelan_gb_runtime_executable_path(char *buffer, size_t capacity);

/* Changes the working directory: 0, or -1 with errno set. */
int vortelan_gb_runtime_change_directory(const char *path);

/* Starts the program at path as it is (no search path) with the argument vector, which ends
   with a null entry, and waits for it to end. 0 when it ran, with its exit status in *status;
   -1 with errno set when it could not be started at all. */
int vortelan_gb_runtime_spawn_and_wait(const char *path, const char *const argv[], int32_t *status);

/* True while a process with this id runs (also one this process may not signal or open). */
bool vortelan_gb_runtime_process_exists(int process_id);

#ifdef __cplusplus
}
#endif

#endif
