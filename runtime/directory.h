#ifndef GB_RUNTIME_DIRECTORY_H
#define GB_RUNTIME_DIRECTORY_H

/* The working directory, absolute paths and directory creation: the platform calls behind
   the path and file utilities. */

#include <stdbool.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the working directory; false when it cannot be had or does not fit. */
bool vortelan_gb_runtime_current_directory(char *buffer, size_t capacity);

/* Writes the absolute form of path, with "." and ".." components resolved by their text
   (links are not followed); false when it cannot be had or does not fit. */
bool vortelan_gb_runtime_absolute_path(char *destination, size_t capacity, const char *path);

/* Whether two absolute paths spell the same entry under the platform's naming rules
   (letter case, separators). */
bool vortelan_gb_runtime_absolute_paths_match(const char *first, const char *second);

/* The last component of a path: what follows its last separator ("/", and on Windows also
   "\" and the ":" of a drive), or the whole path when it has none. */
const char *vortelan_gb_runtime_path_last_component(const char *path);

/* Called with each entry name of a listed directory, "." and ".." included. */
typedef void (*DirectoryEntryVisitor)(const char *name, void *context);

/* Calls visit with the UTF-8 name of every entry of the directory, in no particular order;
   a name that has no UTF-8 form is skipped. 0, or -1 with errno set when the directory cannot
   be listed. */
int vortelan_gb_runtime_list_directory(const char *path, DirectoryEntryVisitor visit,
                                       void *context);

/* Creates one directory with the given permission bits where the platform has them:
   0, or -1 with errno set. */
int vortelan_gb_runtime_make_directory(const char *path, unsigned int mode);

#ifdef __cplusplus
}
#endif

#endif
