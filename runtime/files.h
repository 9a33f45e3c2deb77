#ifndef GB_RUNTIME_FILES_H
#define GB_RUNTIME_FILES_H

/* File existence and identity tests, directory creation, whole-file copy, durable
   replacement and deletion. Results are values: 0 / -1 or bool, errno where the platform
   call set it.
   Thread safe: no state of its own; any thread may call these. */

#include "runtime/export.h"

#include <stdbool.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* True for an existing regular file. A null path gives false with EINVAL, a path that is
   not valid UTF-8 false with EILSEQ. */
VORTELAN_GB_RUNTIME_EXTERN bool vortelan_gb_runtime_file_exists_regular(const char *path);

/* Opens a file by its UTF-8 name with a C library mode ("r", "wb", ...): the stream, or null
   with errno set. */
VORTELAN_GB_RUNTIME_EXTERN FILE *vortelan_gb_runtime_open_file(const char *path, const char *mode);

/* Opens a regular file by its UTF-8 name for reading ("r", "rb") or appending ("a", "ab",
   which create it), without waiting on anything else the path may name: a FIFO, a device or a
   directory gives null with errno EINVAL (or the open's own errno), as do other modes.
   Otherwise the stream, or null with errno set. */
VORTELAN_GB_RUNTIME_EXTERN FILE *vortelan_gb_runtime_open_regular_file(const char *path,
                                                                       const char *mode);

/* Queries the entry a UTF-8 path names: 0 with *regular telling whether it is a regular file
   (not a directory or anything else), or -1 with errno set when it cannot be queried. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_regular_file_status(const char *path,
                                                                       bool *regular);

/* True when both paths are existing regular files whose absolute paths name the same
   entry under the platform's naming rules. Links are not followed. */
VORTELAN_GB_RUNTIME_EXTERN bool
vortelan_gb_runtime_paths_refer_to_same_regular_file(const char *first, const char *second);

/* Creates a directory with the given permission bits. 0 also when an entry of that name
   already exists, or for a null or empty path; -1 on any other failure. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_ensure_directory(const char *path,
                                                                    unsigned int mode);

/* Creates every directory named before a "/" in the path of a file (never the leading root
   nor the last component). -1 with ENAMETOOLONG for 1024 characters or more. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_ensure_parent_directories(const char *path);

/* Copies the whole source file over the destination. -1 when any byte could not be read,
   written or flushed; a failed copy leaves the destination as far as it was written. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_copy_file(const char *source,
                                                             const char *destination);

/* Renames the source over the destination in one step and returns once the change is on
   the disk. Fails across file systems instead of copying. Once the rename is done the result
   is 0; a directory entry that could not be written through then gives a line on standard
   error ("replace file: ..."). */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_replace_file(const char *source,
                                                                const char *destination);

/* Removes a file: 0, or -1 with errno set. */
VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_unlink(const char *path);

VORTELAN_GB_RUNTIME_EXTERN int vortelan_gb_runtime_getpid(void);

#ifdef __cplusplus
}
#endif

#endif
