#pragma once

#include <cstddef>

// Cartridge names are bare file names; "roms/" is put in front only to look at the disk.

// True when name ends with suffix, ASCII letters compared without case. An empty suffix
// matches every name.
bool vortelan_gb_runtime_menu_has_suffix(const char *name, const char *suffix);

// The part after the last "/", cut to capacity, without its last ".extension".
char *vortelan_gb_runtime_menu_basename_no_ext(const char *path, char *output, size_t capacity);

// A cartridge name: not empty, not "." or "..", no "/" or "\", ending in ".gb" or ".gbc".
bool vortelan_gb_runtime_menu_rom_filename_valid(const char *name);

// A valid name that is an existing regular file under roms.
bool vortelan_gb_runtime_menu_rom_file_exists_in_roms(const char *name);

// Writes "roms/" + name when the existence test passes and the whole path fits. A path
// that does not fit leaves an empty output (when capacity allows one).
bool vortelan_gb_runtime_menu_rom_path_from_filename(const char *name, char *output,
                                                     size_t capacity);
