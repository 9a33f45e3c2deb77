#include "input/binding_names.h"

#include "input/binding_devices.h"

#include <SDL_keyboard.h>
#include <SDL_keycode.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using binding_code::Kind;
using binding_code::Parts;

// Formatted names; each takes buffer (counter mod 8), so a name stays intact until eight
// further names have been formatted.
constexpr size_t controller_name_count = 8;
constexpr size_t controller_name_capacity = 96;
char controller_names[controller_name_count][controller_name_capacity];
uint32_t controller_name_index = 0;

// By SDL game-controller button; 15..20 have no name.
constexpr const char *controller_button_names[binding_code::named_controller_buttons] = {
    "PAD_A",         "PAD_B",       "PAD_X",         "PAD_Y",         "PAD_BACK",
    "PAD_GUIDE",     "PAD_START",   "PAD_LSTICK",    "PAD_RSTICK",    "PAD_LSHOULDER",
    "PAD_RSHOULDER", "PAD_DPAD_UP", "PAD_DPAD_DOWN", "PAD_DPAD_LEFT", "PAD_DPAD_RIGHT",
};
constexpr size_t pad_prefix_length = 4; // "PAD_"

// By SDL game-controller axis.
constexpr const char *axis_short_names[binding_code::controller_axes] = {"LX", "LY", "RX",
                                                                         "RY", "LT", "RT"};

// By direction index d, the order in which the scoped grammar tries them as suffixes.
constexpr const char *direction_words[4] = {"UP", "RIGHT", "DOWN", "LEFT"};

// Numbers in names are read as the C library reads them; this bound comes first and rejects
// negatives (taken as unsigned), then each group applies its own limit.
constexpr unsigned long number_limit = 100000;
constexpr size_t longest_number_text = 15;

char *next_name_buffer() {
    char *buffer = controller_names[controller_name_index % controller_name_count];
    ++controller_name_index;
    return buffer;
}

const char *controller_button_name(uint32_t button) {
    return button < binding_code::named_controller_buttons ? controller_button_names[button]
                                                           : nullptr;
}

// The word of an SDL hat bit.
const char *direction_word(uint8_t hat_bit) {
    switch (hat_bit) {
    case 1:
        return "UP";
    case 2:
        return "RIGHT";
    case 4:
        return "DOWN";
    default:
        return "LEFT";
    }
}

// For an (unscoped) controller-axis code: the axis 0..5 and direction +1 or -1.
bool controller_code_to_axis(BindingCode code, uint32_t *axis_out, int32_t *direction_out) {
    Parts parts = binding_code::split(code);
    if (parts.slot >= 0 || (parts.kind != Kind::controller_axis_positive &&
                            parts.kind != Kind::controller_axis_negative)) {
        return false;
    }
    *axis_out = parts.index;
    *direction_out = parts.kind == Kind::controller_axis_positive ? 1 : -1;
    return true;
}

// "PAD_" + name + suffix; an empty text and false when it does not fit.
bool format_prefixed_suffixed_name(char *buffer, size_t capacity, const char *name,
                                   const char *suffix) {
    size_t name_length = std::strlen(name);
    size_t suffix_length = std::strlen(suffix);
    if (capacity < name_length + suffix_length + pad_prefix_length + 1) {
        if (capacity > 0) {
            buffer[0] = '\0';
        }
        return false;
    }
    std::memcpy(buffer, "PAD_", pad_prefix_length);
    std::memcpy(buffer + pad_prefix_length, name, name_length);
    std::memcpy(buffer + pad_prefix_length + name_length, suffix, suffix_length + 1);
    return true;
}

const char *keyboard_name(BindingCode code) {
    if (code == SDLK_RSHIFT) {
        return "RSHIFT";
    }
    if (code == SDLK_RETURN) {
        return "RETURN";
    }
    const char *name = SDL_GetKeyName(code);
    return name != nullptr ? name : "";
}

// Rule 1 of code to name: a live device-scoped code.
const char *scoped_name(const Parts &parts) {
    char *buffer = next_name_buffer();
    const char *id = binding_devices[parts.slot].id;
    uint32_t i = parts.index;
    switch (parts.kind) {
    case Kind::controller_button: {
        const char *name = controller_button_name(i);
        std::snprintf(buffer, controller_name_capacity, "PAD@%s:%s", id,
                      name != nullptr ? name + pad_prefix_length : "UNKNOWN");
        break;
    }
    case Kind::controller_axis_positive:
    case Kind::controller_axis_negative:
        std::snprintf(buffer, controller_name_capacity, "PAD@%s:%s%c", id,
                      i < binding_code::controller_axes ? axis_short_names[i] : "AXIS",
                      parts.kind == Kind::controller_axis_positive ? '+' : '-');
        break;
    case Kind::joystick_button:
        std::snprintf(buffer, controller_name_capacity, "JOY@%s:B%u", id, i);
        break;
    case Kind::joystick_axis_positive:
    case Kind::joystick_axis_negative:
        std::snprintf(buffer, controller_name_capacity, "JOY@%s:A%u%c", id, i,
                      parts.kind == Kind::joystick_axis_positive ? '+' : '-');
        break;
    case Kind::joystick_hat:
        std::snprintf(buffer, controller_name_capacity, "JOY@%s:H%u%s", id, i / 4,
                      direction_word(binding_code::directions[i % 4]));
        break;
    case Kind::keyboard:
        buffer[0] = '\0';
        break;
    }
    return buffer;
}

// The whole text is one decimal number within number_limit.
bool read_number(const char *text, uint32_t *out) {
    if (*text == '\0') {
        return false;
    }
    char *end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || static_cast<unsigned long>(value) > number_limit) {
        return false;
    }
    *out = static_cast<uint32_t>(value);
    return true;
}

// A number text of 1..15 characters that is not terminated where it ends.
bool read_number_span(const char *begin, size_t length, uint32_t *out) {
    if (length < 1 || length > longest_number_text) {
        return false;
    }
    char number[longest_number_text + 1];
    std::memcpy(number, begin, length);
    number[length] = '\0';
    return read_number(number, out);
}

bool starts_with(const char *text, const char *prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The remainder after "PAD@id:". Kind keyboard when it names nothing.
Parts scoped_pad_input(const char *rest) {
    for (uint32_t button = 0; button < binding_code::ranges[1].count; ++button) {
        const char *name = controller_button_name(button);
        if (name != nullptr && std::strcmp(rest, name + pad_prefix_length) == 0) {
            return {0, Kind::controller_button, button};
        }
    }
    for (uint32_t axis = 0; axis < binding_code::controller_axes; ++axis) {
        size_t length = std::strlen(axis_short_names[axis]);
        if (std::strncmp(rest, axis_short_names[axis], length) == 0 &&
            (rest[length] == '+' || rest[length] == '-') && rest[length + 1] == '\0') {
            return {0,
                    rest[length] == '+' ? Kind::controller_axis_positive
                                        : Kind::controller_axis_negative,
                    axis};
        }
    }
    return {0, Kind::keyboard, 0};
}

// The remainder after "JOY@id:". Kind keyboard when it names nothing.
Parts scoped_joy_input(const char *rest) {
    size_t length = std::strlen(rest);
    uint32_t number = 0;
    switch (rest[0]) {
    case 'B':
        if (read_number(rest + 1, &number) && number < binding_code::joystick_buttons) {
            return {0, Kind::joystick_button, number};
        }
        break;
    case 'A': {
        char sign = length >= 3 ? rest[length - 1] : '\0';
        if ((sign == '+' || sign == '-') && read_number_span(rest + 1, length - 2, &number) &&
            number < binding_code::joystick_axes) {
            return {0, sign == '+' ? Kind::joystick_axis_positive : Kind::joystick_axis_negative,
                    number};
        }
        break;
    }
    case 'H':
        for (uint32_t d = 0; d < 4; ++d) {
            size_t word_length = std::strlen(direction_words[d]);
            if (length <= word_length ||
                std::strcmp(rest + length - word_length, direction_words[d]) != 0) {
                continue;
            }
            // The first word that ends the remainder decides, good number or not.
            if (read_number_span(rest + 1, length - word_length - 1, &number) &&
                number < binding_code::joystick_hats) {
                return {0, Kind::joystick_hat, 4 * number + d};
            }
            break;
        }
        break;
    default:
        break;
    }
    return {0, Kind::keyboard, 0};
}

// "PAD@" or "JOY@", an identity of 1..39 characters, ':' and a non-empty remainder. A
// well-formed identity takes a slot even when the remainder turns out bad.
BindingCode scoped_key_from_name(const char *text) {
    bool pad = starts_with(text, "PAD@");
    if (!pad && !starts_with(text, "JOY@")) {
        return 0;
    }
    const char *identity = text + 4;
    const char *colon = std::strchr(identity, ':');
    if (colon == nullptr) {
        return 0;
    }
    size_t identity_length = static_cast<size_t>(colon - identity);
    const char *rest = colon + 1;
    if (identity_length < 1 || identity_length >= binding_device_id_capacity || *rest == '\0') {
        return 0;
    }
    char id[binding_device_id_capacity];
    std::memcpy(id, identity, identity_length);
    id[identity_length] = '\0';
    int slot = binding_device_slot(id);
    if (slot < 0) {
        return 0;
    }
    Parts input = pad ? scoped_pad_input(rest) : scoped_joy_input(rest);
    if (input.kind == Kind::keyboard) {
        return 0;
    }
    return binding_code::scoped(static_cast<uint32_t>(slot), input.kind, input.index);
}

// Rules 3 to 5 of the plain grammar. Returns true when the rule decided (the code may then
// be 0 for a number past the group's limit); false lets the next rule try.
bool joystick_key_from_name(const char *text, BindingCode *code) {
    uint32_t number = 0;
    if (starts_with(text, "JOY_BUTTON_")) {
        if (read_number(text + 11, &number)) {
            *code = number < binding_code::joystick_buttons
                        ? binding_code::unscoped(Kind::joystick_button, number)
                        : 0;
            return true;
        }
        return false;
    }
    if (starts_with(text, "JOY_AXIS_")) {
        const char *rest = text + 9;
        Kind kind = Kind::joystick_axis_positive;
        const char *suffix = std::strstr(rest, "_POS");
        if (suffix == nullptr) {
            kind = Kind::joystick_axis_negative;
            suffix = std::strstr(rest, "_NEG");
        }
        if (suffix != nullptr && suffix[4] == '\0' &&
            read_number_span(rest, static_cast<size_t>(suffix - rest), &number)) {
            *code = number < binding_code::joystick_axes ? binding_code::unscoped(kind, number) : 0;
            return true;
        }
        return false;
    }
    if (starts_with(text, "JOY_HAT_")) {
        const char *rest = text + 8;
        const char *underscore = std::strchr(rest, '_');
        if (underscore == nullptr) {
            return false;
        }
        for (uint32_t d = 0; d < 4; ++d) {
            if (std::strcmp(underscore + 1, direction_words[d]) == 0) {
                if (!read_number_span(rest, static_cast<size_t>(underscore - rest), &number)) {
                    return false;
                }
                *code = number < binding_code::joystick_hats
                            ? binding_code::unscoped(Kind::joystick_hat, 4 * number + d)
                            : 0;
                return true;
            }
        }
    }
    return false;
}

BindingCode plain_key_from_name(const char *text) {
    for (uint32_t button = 0; button < binding_code::ranges[1].count; ++button) {
        const char *name = controller_button_name(button);
        if (name != nullptr && std::strcmp(text, name) == 0) {
            return binding_code::unscoped(Kind::controller_button, button);
        }
    }
    for (uint32_t axis = 0; axis < binding_code::controller_axes; ++axis) {
        char name[16];
        format_prefixed_suffixed_name(name, sizeof name, axis_short_names[axis], "_POS");
        if (std::strcmp(text, name) == 0) {
            return binding_code::unscoped(Kind::controller_axis_positive, axis);
        }
        format_prefixed_suffixed_name(name, sizeof name, axis_short_names[axis], "_NEG");
        if (std::strcmp(text, name) == 0) {
            return binding_code::unscoped(Kind::controller_axis_negative, axis);
        }
    }
    BindingCode code = 0;
    if (joystick_key_from_name(text, &code)) {
        return code;
    }
    if (std::strcmp(text, "RSHIFT") == 0 || std::strcmp(text, "RIGHTSHIFT") == 0) {
        return SDLK_RSHIFT;
    }
    if (std::strcmp(text, "RETURN") == 0 || std::strcmp(text, "ENTER") == 0) {
        return SDLK_RETURN;
    }
    if (std::strcmp(text, "UP") == 0) {
        return SDLK_UP;
    }
    if (std::strcmp(text, "DOWN") == 0) {
        return SDLK_DOWN;
    }
    if (std::strcmp(text, "LEFT") == 0) {
        return SDLK_LEFT;
    }
    if (std::strcmp(text, "RIGHT") == 0) {
        return SDLK_RIGHT;
    }
    return SDL_GetKeyFromName(text);
}

} // namespace

const char *vortelan_gb_runtime_key_config_key_name(BindingCode code) {
    Parts parts = binding_code::resolve(code);
    if (parts.slot >= 0) {
        return scoped_name(parts);
    }
    uint32_t axis = 0;
    int32_t direction = 0;
    switch (parts.kind) {
    case Kind::controller_button:
        if (const char *name = controller_button_name(parts.index)) {
            return name;
        }
        break; // buttons 15..20: SDL's name of the code
    case Kind::controller_axis_positive:
    case Kind::controller_axis_negative: {
        controller_code_to_axis(code, &axis, &direction);
        char *buffer = next_name_buffer();
        format_prefixed_suffixed_name(buffer, controller_name_capacity, axis_short_names[axis],
                                      direction > 0 ? "_POS" : "_NEG");
        return buffer;
    }
    case Kind::joystick_button: {
        char *buffer = next_name_buffer();
        std::snprintf(buffer, controller_name_capacity, "JOY_BUTTON_%u", parts.index);
        return buffer;
    }
    case Kind::joystick_axis_positive:
    case Kind::joystick_axis_negative: {
        char *buffer = next_name_buffer();
        std::snprintf(buffer, controller_name_capacity, "JOY_AXIS_%u_%s", parts.index,
                      parts.kind == Kind::joystick_axis_positive ? "POS" : "NEG");
        return buffer;
    }
    case Kind::joystick_hat: {
        char *buffer = next_name_buffer();
        std::snprintf(buffer, controller_name_capacity, "JOY_HAT_%u_%s", parts.index / 4,
                      direction_word(binding_code::directions[parts.index % 4]));
        return buffer;
    }
    case Kind::keyboard:
        break;
    }
    return keyboard_name(code);
}

BindingCode vortelan_gb_runtime_key_config_key_from_name(const char *text) {
    if (text == nullptr) {
        return 0;
    }
    BindingCode code = scoped_key_from_name(text);
    return code != 0 ? code : plain_key_from_name(text);
}
