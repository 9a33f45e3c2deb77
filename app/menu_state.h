#pragma once

#include "input/binding_code.h"
#include "input/binding_lists.h"
#include "menu/choice_list.h"

#include <cstddef>
#include <cstdint>

// The one record of the whole menu: owned by the entry function for the life of the
// process and passed by pointer everywhere. Every text is inline and NUL-terminated.

enum MenuMode : uint32_t {
    MENU_MODE_SELF = 0,
    MENU_MODE_SERVER1 = 1,
    MENU_MODE_SERVER2 = 2,
    MENU_MODE_CLIENT = 3,
    MENU_MODE_LAN_REMOTE = 4,
    MENU_MODE_SCREENSHOT_VIEW = 5,
    MENU_MODE_KEY_CONFIG = 6,
};

enum MenuRow : uint32_t {
    MENU_ROW_START = 0,
    MENU_ROW_SLOT1_CART = 1,
    MENU_ROW_SLOT2_CART = 2,
    MENU_ROW_MODE = 3,
    MENU_ROW_SPEED = 4,
    MENU_ROW_DISCOVER = 5,
    MENU_ROW_HOST = 6,
    MENU_ROW_PORT = 7,
    MENU_ROW_CLIENT_CART = 8,
    MENU_ROW_RTC_OFFSET = 9,
    MENU_ROW_DISPLAY_SCALE = 10,
};

constexpr uint32_t menu_row_count = 11;
constexpr size_t menu_file_name_capacity = 512;
constexpr size_t menu_host_capacity = 128;
constexpr size_t menu_port_capacity = 16;
constexpr size_t menu_keys_text_capacity = 256;
constexpr size_t menu_key_text_capacity = 64;
constexpr size_t menu_status_capacity = 256;
constexpr int32_t menu_rtc_offset_limit = 1440;
constexpr uint32_t menu_speed_max = 4;

struct MenuState {
    ChoiceList roms;
    char slot1_cart[menu_file_name_capacity];
    char slot2_cart[menu_file_name_capacity]; // empty: none
    char host[menu_host_capacity];
    char port[menu_port_capacity];
    // Shown and saved; always rebuilt from the codes below, never read back.
    char slot1_keys_text[menu_keys_text_capacity];
    char slot2_keys_text[menu_keys_text_capacity];
    char fast_key_text[menu_key_text_capacity];
    char screenshot_key_text[menu_key_text_capacity];
    char escape_key_text[menu_key_text_capacity];
    char turbo_hold_key_text[menu_key_text_capacity];
    char reset_key_text[menu_key_text_capacity];
    SlotKeys slot1_keys;
    SlotKeys slot2_keys;
    BindingCode fast_key;
    BindingCode screenshot_key;
    BindingCode escape_key;
    BindingCode turbo_hold_key;
    BindingCode reset_key;
    int32_t rtc_offset_minutes; // -1440..+1440
    uint32_t speed;             // 1..4
    uint32_t display_scale;     // 0 automatic, 1..6
    uint8_t display_scale_changed;
    uint8_t client_cart; // 1 upload slot 1, 0 receive only
    uint8_t discover;    // 1 automatic, 0 manual
    MenuMode mode;
    MenuRow row;
    uint8_t editing;
    uint8_t quit_confirm;
    uint8_t quit_yes;
    uint32_t key_config_target; // 0 not capturing, 1 slot 1, 2 slot 2, 3 utility keys
    uint32_t key_config_step;
    uint8_t key_config_wait_release;
    BindingCode key_config_held_code;
    SlotKeys key_config_pending;
    char status[menu_status_capacity];
};

// Constant name of a mode; values above 6 are named "SELF".
const char *vortelan_gb_runtime_menu_mode_name(uint32_t mode);

// The row's editable text inside state (SLOT1 CART, SLOT2 CART, HOST, PORT), else null.
char *vortelan_gb_runtime_menu_row_value(MenuState *state, uint32_t row);

// Capacity of that text including the NUL.
size_t vortelan_gb_runtime_menu_row_value_capacity(uint32_t row);

// Appends typed bytes as far as they fit within capacity; a full text stays as it is.
void vortelan_gb_runtime_menu_append_text(char *text, size_t capacity, const char *addition);

// LEFT (direction <= 0) or RIGHT (direction > 0) on the selected row.
void vortelan_gb_runtime_menu_cycle_selected(MenuState *state, int direction);

// "+HH:MM" / "-HH:MM"; returns the formatted length as snprintf does.
int vortelan_gb_runtime_menu_format_rtc_offset(int32_t minutes, char *buffer, size_t capacity);

// Both slots and the five utility keys at their factory defaults; the key texts are left as
// they are.
void vortelan_gb_runtime_menu_set_default_bindings(MenuState *state);

// True when the cartridges may be launched; otherwise the reason is in status.
bool vortelan_gb_runtime_menu_validate_launch_selection(MenuState *state);
