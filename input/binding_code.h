#ifndef GB_RUNTIME_INPUT_BINDING_CODE_H
#define GB_RUNTIME_INPUT_BINDING_CODE_H

// The code space of every bindable input. Positive codes are SDL keycodes; the
// controller and joystick groups are negative ranges that SDL keycodes never use, and the
// device-scoped range ties one of those inputs to a slot of binding_devices.

#include <cstdint>

using BindingCode = int32_t;

namespace binding_code {

// What a code stands for. The values 1..7 are also the kinds inside device-scoped codes.
enum class Kind : uint8_t {
    keyboard = 0,
    controller_button = 1,
    controller_axis_positive = 2,
    controller_axis_negative = 3,
    joystick_button = 4,
    joystick_axis_positive = 5,
    joystick_axis_negative = 6,
    joystick_hat = 7,
};

// An unscoped group: code = -(base + index) for index < count.
struct Range {
    int32_t base;
    uint32_t count;
};

// Indexed by Kind; the keyboard entry is unused. Controller buttons 0..20 are controller
// codes; only 0..14 have names and constructors.
inline constexpr Range ranges[8] = {
    {0, 0},        {100000, 21}, {101000, 6},  {102000, 6},
    {103000, 128}, {104000, 32}, {105000, 32}, {106000, 64},
};
inline constexpr uint32_t named_controller_buttons = 15;
inline constexpr uint32_t controller_axes = 6;
inline constexpr uint32_t joystick_buttons = 128;
inline constexpr uint32_t joystick_axes = 32;
inline constexpr uint32_t joystick_hats = 16;

// SDL hat bit of each direction index d: UP, RIGHT, DOWN, LEFT (SDL_HAT_UP ... SDL_HAT_LEFT).
inline constexpr uint8_t directions[4] = {1, 2, 4, 8};

// Device-scoped codes: -(2000000 + 10000 * slot + 1000 * kind + index).
inline constexpr int32_t scoped_base = 2000000;
inline constexpr int32_t scoped_slot_stride = 10000;
inline constexpr int32_t scoped_kind_stride = 1000;
inline constexpr uint32_t scoped_index_limit = 1000;
inline constexpr uint32_t scoped_slots = 64;
inline constexpr int32_t scoped_first = -scoped_base;                                // -2000000
inline constexpr int32_t scoped_last = -(scoped_base + 64 * scoped_slot_stride - 1); // -2639999

constexpr BindingCode unscoped(Kind kind, uint32_t index) {
    return -(ranges[static_cast<uint8_t>(kind)].base + static_cast<int32_t>(index));
}

constexpr BindingCode scoped(uint32_t slot, Kind kind, uint32_t index) {
    return -(scoped_base + scoped_slot_stride * static_cast<int32_t>(slot) +
             scoped_kind_stride * static_cast<int32_t>(kind) + static_cast<int32_t>(index));
}

// A code split into its parts. slot is -1 for unscoped codes. Kind keyboard means the code
// behaves as a keycode, which includes device-scoped codes of kind 0, 8 or 9.
struct Parts {
    int32_t slot;
    Kind kind;
    uint32_t index;
};

// Splits a code by arithmetic alone: a device-scoped code keeps its slot whether or not the
// slot is taken (liveness needs binding_devices; see resolve()). Never negates the code,
// so every int32 value is safe.
constexpr Parts split(BindingCode code) {
    if (code <= scoped_first && code >= scoped_last) {
        int32_t d = scoped_first - code;
        int32_t kind = (d % scoped_slot_stride) / scoped_kind_stride;
        if (kind < 1 || kind > 7) {
            return {-1, Kind::keyboard, 0};
        }
        return {d / scoped_slot_stride, static_cast<Kind>(kind),
                static_cast<uint32_t>(d % scoped_kind_stride)};
    }
    for (uint8_t k = 1; k < 8; ++k) {
        const Range &range = ranges[k];
        if (code <= -range.base && code > -(range.base + static_cast<int32_t>(range.count))) {
            return {-1, static_cast<Kind>(k), static_cast<uint32_t>(-range.base - code)};
        }
    }
    return {-1, Kind::keyboard, 0};
}

// split(), with device-scoped codes whose slot is free turned into keyboard codes. This is
// how every operation sees a code: the group or live device-scoped kind decides.
Parts resolve(BindingCode code);

} // namespace binding_code

BindingCode vortelan_gb_runtime_key_config_code_from_controller_button(uint32_t button);
BindingCode vortelan_gb_runtime_key_config_code_from_controller_axis(uint32_t axis,
                                                                     int32_t direction);
BindingCode vortelan_gb_runtime_key_config_code_from_joystick_button(uint32_t button);
BindingCode vortelan_gb_runtime_key_config_code_from_joystick_axis(uint32_t axis,
                                                                   int32_t direction);
// hat_value must be exactly one SDL hat bit; diagonals and the centre give 0.
BindingCode vortelan_gb_runtime_key_config_code_from_joystick_hat(uint32_t hat, uint32_t hat_value);

// True for every code of the seven controller and joystick groups (controller buttons 0..20)
// and for live device-scoped codes.
bool vortelan_gb_runtime_key_config_is_controller_code(BindingCode code);

#endif
