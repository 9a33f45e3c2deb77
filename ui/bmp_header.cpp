#include "ui/bmp_header.h"

#include "runtime/files.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint32_t core_header_size = 12; // the old OS/2 header: 16-bit sides
constexpr uint32_t info_header_size = 40; // and every later header, 32-bit sides
constexpr uint32_t run_length_8 = 1;
constexpr uint32_t run_length_4 = 2;
constexpr uint64_t longest_side = 16384;
constexpr uint64_t largest_drawn_bytes = 64ull * 1024 * 1024;
constexpr uint64_t drawn_bytes_per_pixel = 4;

// A little-endian field of the zero-padded header.
uint32_t field(const unsigned char (&header)[bmp_header_length], size_t offset, size_t size) {
    uint32_t value = 0;
    for (size_t at = size; at-- > 0;) {
        value = value << 8 | header[offset + at];
    }
    return value;
}

struct Claim {
    int64_t width;
    int64_t height;
    uint32_t bits_per_pixel;
    uint32_t compression;
};

bool read_claim(const unsigned char (&header)[bmp_header_length], Claim *claim) {
    const uint32_t header_size = field(header, 14, 4);
    if (header_size == core_header_size) {
        *claim = {field(header, 18, 2), field(header, 20, 2), field(header, 24, 2), 0};
        return true;
    }
    if (header_size >= info_header_size) {
        *claim = {static_cast<int32_t>(field(header, 18, 4)),
                  static_cast<int32_t>(field(header, 22, 4)), field(header, 28, 2),
                  field(header, 30, 4)};
        return true;
    }
    return false;
}

} // namespace

bool bmp_header_fits_bounds(const unsigned char *header, size_t length, uint64_t file_size) {
    unsigned char padded[bmp_header_length] = {};
    std::memcpy(padded, header, length < bmp_header_length ? length : bmp_header_length);
    Claim claim{};
    if (padded[0] != 'B' || padded[1] != 'M' || !read_claim(padded, &claim)) {
        return false;
    }
    // A negative height is a picture stored top row first.
    const int64_t height = claim.height < 0 ? -claim.height : claim.height;
    if (claim.width <= 0 || height == 0 || static_cast<uint64_t>(claim.width) > longest_side ||
        static_cast<uint64_t>(height) > longest_side) {
        return false;
    }
    const auto width = static_cast<uint64_t>(claim.width);
    const auto rows = static_cast<uint64_t>(height);
    if (width * rows * drawn_bytes_per_pixel > largest_drawn_bytes) {
        return false;
    }
    // Run-length encoding can make a small file into a large picture; the rows of any other
    // picture are all there, padding aside.
    if (claim.compression == run_length_8 || claim.compression == run_length_4) {
        return true;
    }
    const uint64_t row_bytes = (width * claim.bits_per_pixel + 7) / 8;
    const uint64_t pixel_offset = field(padded, 10, 4);
    return pixel_offset + row_bytes * rows <= file_size;
}

bool bmp_file_fits_bounds(const char *path) {
    std::FILE *file = vortelan_gb_runtime_open_regular_file(path, "rb");
    if (file == nullptr) {
        return false;
    }
    unsigned char header[bmp_header_length];
    const size_t length = std::fread(header, 1, sizeof header, file);
    const bool sized = std::fseek(file, 0, SEEK_END) == 0;
    const long size = sized ? std::ftell(file) : -1;
    std::fclose(file);
    return size >= 0 && bmp_header_fits_bounds(header, length, static_cast<uint64_t>(size));
}
