#ifndef GB_RUNTIME_FILE_REPLACE_H
#define GB_RUNTIME_FILE_REPLACE_H

/* Whole-file writes that replace a file in one step, so that it holds either its old or its
   whole new contents, and the platform calls behind them. */

#include <stdbool.h>
#include <stddef.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the whole contents into the stream; false when any part failed. */
typedef bool (*FileContentWriter)(FILE *file, const void *context);

/* Writes a file by its UTF-8 name through a temporary beside it, "<name>.<process id>.tmp",
   opened in text mode and then moved over the file (vortelan_gb_runtime_replace_file).
   A symbolic link stays a link: the file it leads to is replaced, and a replaced file keeps
   its permission bits. A write beyond the process's file size limit fails like a full disk
   instead of ending the process. Temporaries left beside the file by processes that are gone
   are removed first. 0, or -1 with the file as it was and no temporary left. */
int vortelan_gb_runtime_write_file_replacing(const char *path, FileContentWriter write,
                                             const void *context);

/* The path of the file that path leads to through any symbolic links, which need not exist
   yet; path itself when it is no link or the platform does not follow them here. False when
   it does not fit or the links go round. */
bool vortelan_gb_runtime_link_target(const char *path, char *target, size_t capacity);

/* Gives destination the permission bits of source where the platform and file system keep
   them; nothing when source does not exist. */
void vortelan_gb_runtime_copy_permission_bits(const char *source, const char *destination);

/* Runs body with the signal that a write beyond the file size limit sends (which would end
   the process) held off, so that the write fails instead; its result. */
bool vortelan_gb_runtime_without_file_size_signal(bool (*body)(void *context), void *context);

#ifdef __cplusplus
}
#endif

#endif
