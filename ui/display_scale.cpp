#include "ui/display_scale.h"

#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

int vortelan_display_scale_parse(const char *text, uint32_t *out) {
    if (text == nullptr || out == nullptr) {
        return -1;
    }
    if (std::strcmp(text, "auto") == 0 || std::strcmp(text, "AUTO") == 0) {
        *out = 0;
        return 0;
    }
    char *end = nullptr;
    errno = 0;
    unsigned long value = std::strtoul(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 1 || value > display_scale_max) {
        return -1;
    }
    *out = static_cast<uint32_t>(value);
    return 0;
}

int vortelan_display_scale_resolve(uint32_t requested, int usable_width, int usable_height,
                                   int base_width, int base_height) {
    if (requested >= 1 && requested <= display_scale_max) {
        return static_cast<int>(requested);
    }
    if (usable_width <= 0 || usable_height <= 0 || base_width <= 0 || base_height <= 0) {
        return 1;
    }
    int fitting = std::min(usable_width / base_width, usable_height / base_height);
    return std::clamp(fitting, 1, static_cast<int>(display_scale_max));
}

uint32_t vortelan_display_scale_from_environment(const char *name) {
    if (name == nullptr) {
        return 0;
    }
    uint32_t scale = 0;
    // Read where the menu publishes it with SDL_setenv: on Windows that is the process's own
    // environment, which the C library's copy does not follow.
    vortelan_display_scale_parse(SDL_getenv(name), &scale);
    return scale;
}

void vortelan_display_scale_format(uint32_t scale, char *output, size_t size) {
    if (output == nullptr || size == 0) {
        return;
    }
    if (scale == 0) {
        std::snprintf(output, size, "AUTO");
    } else {
        std::snprintf(output, size, "%u", scale);
    }
}
