#ifndef GB_RUNTIME_INPUT_BINDING_LISTS_H
#define GB_RUNTIME_INPUT_BINDING_LISTS_H

// A player slot's eight pad bindings, their factory defaults and text form, and the five
// single-binding defaults.

#include "input/binding_code.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Entries in the order RIGHT, LEFT, UP, DOWN, A, B, SELECT, START; entry i is bit i of
// MenuButtons. Any code may stand in any entry, the same code in several.
inline constexpr size_t slot_key_count = 8;
using SlotKeys = std::array<BindingCode, slot_key_count>;

// Bit i stands for SlotKeys entry i.
using MenuButtons = uint8_t;
inline constexpr MenuButtons menu_button_right = 0x01;
inline constexpr MenuButtons menu_button_left = 0x02;
inline constexpr MenuButtons menu_button_up = 0x04;
inline constexpr MenuButtons menu_button_down = 0x08;
inline constexpr MenuButtons menu_button_a = 0x10;
inline constexpr MenuButtons menu_button_b = 0x20;
inline constexpr MenuButtons menu_button_select = 0x40;
inline constexpr MenuButtons menu_button_start = 0x80;

// The 1536-byte work buffer of parse: texts this long or longer fail at once.
inline constexpr size_t slot_keys_text_limit = 1536;

void vortelan_gb_runtime_key_config_slot1_default(SlotKeys *keys);
void vortelan_gb_runtime_key_config_slot2_default(SlotKeys *keys);

BindingCode vortelan_gb_runtime_key_config_fast_default();
BindingCode vortelan_gb_runtime_key_config_screenshot_default();
BindingCode vortelan_gb_runtime_key_config_escape_default();
BindingCode vortelan_gb_runtime_key_config_turbo_hold_default();
BindingCode vortelan_gb_runtime_key_config_reset_default();

// Eight names joined by commas (blanks before a name are skipped; empty fields between
// commas do not count). 0 with all eight entries written, or -1 with keys untouched. A
// device-scoped name may take a binding_devices slot even when the list fails.
int vortelan_gb_runtime_key_config_parse(SlotKeys *keys, const char *text);

// Writes the eight names joined by single commas, cut to capacity - 1 characters and
// terminated; returns the length of the whole text (>= capacity means it was cut).
int vortelan_gb_runtime_key_config_describe(const SlotKeys *keys, char *buffer, size_t capacity);

// The bit of the first entry equal to keycode, 0 when none is: one bit at most.
MenuButtons vortelan_gb_runtime_key_config_button_for_key(const SlotKeys *keys,
                                                          BindingCode keycode);

#endif
