// Makes the demo package in the folder given as the only argument: config/ with a log switch,
// three small homemade cartridges in roms/ and three 160x144 screenshots in screenshot/.
// Cartridges and pictures are written anew on every run; settings already there are kept.

#include "runtime/files.h"
#include "runtime/text.h"
#include "ui/bitmap_text.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>

namespace {

constexpr size_t path_capacity = 1024;
constexpr size_t cartridge_size = 32768;
constexpr int screen_width = 160;
constexpr int screen_height = 144;

struct Cartridge {
    const char *file_name;
    const char *title; // at most 15 characters
    bool color;
};

constexpr Cartridge cartridges[] = {
    {"block_drop.gb", "BLOCK DROP", false},
    {"color_garden.gbc", "COLOR GARDEN", true},
    {"link_racer.gbc", "LINK RACER", true},
};

// Four greens of a handheld's screen, darkest last.
constexpr SDL_Color shades[] = {
    {224, 248, 208, 255}, {136, 192, 112, 255}, {52, 104, 86, 255}, {8, 24, 32, 255}};

bool make_path(char *path, const char *root, const char *relative) {
    return vortelan_gb_runtime_join_path(path, path_capacity, root, relative);
}

bool write_bytes(const char *path, const uint8_t *bytes, size_t size) {
    std::FILE *file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// A cartridge header with a made-up title and correct checksums, and a program that only
// jumps past the header and loops there.
bool write_cartridge(const char *root, const Cartridge &cartridge) {
    static uint8_t rom[cartridge_size];
    for (uint8_t &byte : rom) {
        byte = 0;
    }
    const uint8_t entry[] = {0x00, 0xC3, 0x50, 0x01}; // NOP; JP 0x0150
    for (size_t i = 0; i < sizeof entry; ++i) {
        rom[0x100 + i] = entry[i];
    }
    for (size_t i = 0; cartridge.title[i] != '\0' && i < 15; ++i) {
        rom[0x134 + i] = static_cast<uint8_t>(cartridge.title[i]);
    }
    rom[0x143] = cartridge.color ? 0x80 : 0x00; // colour features, still runs on the original
    rom[0x14A] = 0x01;                          // ROM only, 32 KiB, no RAM: all zero
    uint8_t header_sum = 0;
    for (size_t i = 0x134; i <= 0x14C; ++i) {
        header_sum = static_cast<uint8_t>(header_sum - rom[i] - 1);
    }
    rom[0x14D] = header_sum;
    rom[0x150] = 0x18; // JR -2
    rom[0x151] = 0xFE;
    uint16_t global_sum = 0;
    for (uint8_t byte : rom) {
        global_sum = static_cast<uint16_t>(global_sum + byte);
    }
    rom[0x14E] = static_cast<uint8_t>(global_sum >> 8);
    rom[0x14F] = static_cast<uint8_t>(global_sum);

    char path[path_capacity];
    char relative[path_capacity];
    std::snprintf(relative, sizeof relative, "roms/%s", cartridge.file_name);
    return make_path(path, root, relative) && write_bytes(path, rom, sizeof rom);
}

void fill(SDL_Renderer *renderer, const SDL_Color &color, int x, int y, int width, int height) {
    SDL_SetRenderDrawColor(renderer, color.r, color.g, color.b, color.a);
    SDL_Rect rect = {x, y, width, height};
    SDL_RenderFillRect(renderer, &rect);
}

// A small scene in the handheld's four greens: sky, hills, a ground of tiles, the game's
// title and the picture's number.
void draw_scene(SDL_Renderer *renderer, const Cartridge &cartridge, int number) {
    fill(renderer, shades[0], 0, 0, screen_width, screen_height);
    for (int hill = 0; hill < 4; ++hill) {
        int centre = 20 + hill * 44 + number * 9;
        for (int row = 0; row < 24; ++row) {
            fill(renderer, shades[1], centre - row * 2, 96 - row, row * 4, 1);
        }
    }
    for (int tile = 0; tile < screen_width / 16; ++tile) {
        fill(renderer, shades[(tile + number) % 2 == 0 ? 2 : 3], tile * 16, 112, 16, 32);
    }
    fill(renderer, shades[3], 40 + number * 24, 84, 12, 28);
    uint32_t ink = 0xFF000000u | (static_cast<uint32_t>(shades[3].b) << 16) |
                   (static_cast<uint32_t>(shades[3].g) << 8) | shades[3].r;
    vortelan_gb_runtime_sdl_draw_text(renderer, 8, 10, cartridge.title, 1, ink);
    char label[16];
    std::snprintf(label, sizeof label, "SHOT %d", number);
    vortelan_gb_runtime_sdl_draw_text(renderer, 8, 24, label, 2, ink);
}

bool write_screenshot(const char *root, const Cartridge &cartridge, int number) {
    SDL_Surface *surface =
        SDL_CreateRGBSurfaceWithFormat(0, screen_width, screen_height, 24, SDL_PIXELFORMAT_RGB24);
    if (surface == nullptr) {
        return false;
    }
    SDL_Renderer *renderer = SDL_CreateSoftwareRenderer(surface);
    bool saved = false;
    if (renderer != nullptr) {
        draw_scene(renderer, cartridge, number);
        SDL_RenderPresent(renderer);
        SDL_DestroyRenderer(renderer);
        char path[path_capacity];
        char relative[path_capacity];
        std::snprintf(relative, sizeof relative, "screenshot/demo_%d.bmp", number);
        saved = make_path(path, root, relative) && SDL_SaveBMP(surface, path) == 0;
    }
    SDL_FreeSurface(surface);
    return saved;
}

// The log stays off until a player switches it on here.
bool write_log_switch(const char *root) {
    char path[path_capacity];
    if (!make_path(path, root, "config/gb_runtime_log.conf")) {
        return false;
    }
    if (vortelan_gb_runtime_file_exists_regular(path)) {
        return true;
    }
    const char text[] = "# enabled=1 appends the menu's output to gb_runtime.log in this folder\n"
                        "enabled=0\n";
    return write_bytes(path, reinterpret_cast<const uint8_t *>(text), sizeof text - 1);
}

bool make_directories(const char *root) {
    const char *folders[] = {"config", "roms", "screenshot"};
    for (const char *folder : folders) {
        char path[path_capacity];
        if (!make_path(path, root, folder) || vortelan_gb_runtime_ensure_directory(path, 0755)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PACKAGE_FOLDER\n", argc > 0 ? argv[0] : "make_demo");
        return 2;
    }
    const char *root = argv[1];
    bool made = make_directories(root) && write_log_switch(root);
    int number = 1;
    for (const Cartridge &cartridge : cartridges) {
        made =
            made && write_cartridge(root, cartridge) && write_screenshot(root, cartridge, number);
        ++number;
    }
    if (!made) {
        std::fprintf(stderr, "demo package: cannot write into %s\n", root);
        return 1;
    }
    return 0;
}
