#pragma once

#include <cstddef>
#include <cstdint>

// The screenshot viewer decodes a picture again at every redraw, and the decoder sets aside
// and clears the whole image that a header claims before it reads a single pixel. These
// checks read the claim first, so that a file of a few bytes cannot cost seconds and
// gigabytes per frame.

// Bytes from the start of a BMP file that the check looks at.
inline constexpr size_t bmp_header_length = 54;

// Whether the picture that the first bytes of a BMP file claim could be decoded: a "BM" file
// with a header the decoder knows, neither side 0 nor above 16384 pixels, at most 64 MiB as
// drawn (4 bytes a pixel) and, unless its pixels are run-length encoded, no more pixel bytes
// than the file has after their offset. Bytes past length read as 0, as the decoder reads
// them past the end of a file.
bool bmp_header_fits_bounds(const unsigned char *header, size_t length, uint64_t file_size);

// The same for the file at path, which must be a regular file; reads only its header.
bool bmp_file_fits_bounds(const char *path);
