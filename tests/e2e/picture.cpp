#include "tests/e2e/picture.h"

#include <zlib.h>

#include <fstream>

namespace gb_test {

Picture render_canvas(const std::function<void(SDL_Renderer *)> &draw) {
    constexpr int side = 480;
    Picture picture;
    SDL_Surface *surface =
        SDL_CreateRGBSurfaceWithFormat(0, side, side, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer *renderer = surface != nullptr ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (renderer != nullptr) {
        draw(renderer);
        picture.width = side;
        picture.height = side;
        for (int y = 0; y < side; ++y) {
            const auto *row = reinterpret_cast<const uint32_t *>(
                static_cast<const uint8_t *>(surface->pixels) + y * surface->pitch);
            for (int x = 0; x < side; ++x) {
                picture.pixels.push_back(row[x] & 0xFFFFFFu);
            }
        }
        SDL_DestroyRenderer(renderer);
    }
    SDL_FreeSurface(surface);
    return picture;
}

size_t differing_pixels(const Picture &first, const Picture &second) {
    if (first.width != second.width || first.height != second.height) {
        return std::max(first.pixels.size(), second.pixels.size());
    }
    size_t count = 0;
    for (size_t i = 0; i < first.pixels.size(); ++i) {
        count += first.pixels[i] != second.pixels[i] ? 1 : 0;
    }
    return count;
}

namespace {

void put_u32(std::string &out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void put_chunk(std::string &out, const char *type, const std::string &data) {
    put_u32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    put_u32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef *>(body.data()),
                                             static_cast<uInt>(body.size()))));
}

} // namespace

bool write_png(const std::string &path, const Picture &picture) {
    std::string rows;
    for (int y = 0; y < picture.height; ++y) {
        rows.push_back('\0'); // no filter
        for (int x = 0; x < picture.width; ++x) {
            uint32_t pixel = picture.at(x, y);
            rows.push_back(static_cast<char>(pixel >> 16));
            rows.push_back(static_cast<char>(pixel >> 8));
            rows.push_back(static_cast<char>(pixel));
        }
    }
    uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packed_size, '\0');
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &packed_size,
                  reinterpret_cast<const Bytef *>(rows.data()), static_cast<uLong>(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return false;
    }
    packed.resize(packed_size);
    std::string header;
    put_u32(header, static_cast<uint32_t>(picture.width));
    put_u32(header, static_cast<uint32_t>(picture.height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, no interlace
    std::string file = "\x89PNG\r\n\x1a\n";
    put_chunk(file, "IHDR", header);
    put_chunk(file, "IDAT", packed);
    put_chunk(file, "IEND", "");
    std::ofstream out(path, std::ios::binary);
    out << file;
    return static_cast<bool>(out);
}

} // namespace gb_test
