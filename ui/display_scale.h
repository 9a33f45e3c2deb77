#pragma once

#include <cstddef>
#include <cstdint>

// The window's display scale: 0 is automatic (the largest factor that fits the display),
// 1 to 6 are fixed factors of the 480 by 480 canvas. Its text form is "AUTO" or the number.
constexpr uint32_t display_scale_max = 6;

// "auto", "AUTO" or a whole number 1..6 with nothing around it: 0 with the setting stored,
// else -1 with out untouched.
int vortelan_display_scale_parse(const char *text, uint32_t *out);

// A fixed request as it is; otherwise the largest whole factor (1..6) at which the base
// fits the usable area, 1 when any size is not positive.
int vortelan_display_scale_resolve(uint32_t requested, int usable_width, int usable_height,
                                   int base_width, int base_height);

// The setting held in the named environment variable; 0 when it is absent or does not parse.
uint32_t vortelan_display_scale_from_environment(const char *name);

// "AUTO" for 0, else the number, cut to size like snprintf.
void vortelan_display_scale_format(uint32_t scale, char *output, size_t size);
