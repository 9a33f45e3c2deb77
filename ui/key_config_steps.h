#pragma once

#include "app/menu_state.h"

#include <cstddef>

// The order in which the key configuration screen asks for inputs. A slot asks for its
// buttons first and its directions last, so that arrows and Return can be refused where
// they would make the menu unusable.
namespace slot_capture {

inline constexpr size_t step_count = 8;
inline constexpr size_t first_direction_step = 4;
// The prompt of each step ("PRESS A", ...) and the SlotKeys entry that it fills.
inline constexpr const char *names[step_count] = {"A",     "B",    "SELECT", "START",
                                                  "RIGHT", "LEFT", "UP",     "DOWN"};
inline constexpr size_t entries[step_count] = {4, 5, 6, 7, 0, 1, 2, 3};

} // namespace slot_capture

namespace utility_capture {

inline constexpr size_t step_count = 5;
inline constexpr const char *prompts[step_count] = {"PRESS FAST", "PRESS SHOT", "PRESS QUIT",
                                                    "PRESS TURBO", "PRESS RESET"};
inline constexpr BindingCode MenuState::*fields[step_count] = {
    &MenuState::fast_key, &MenuState::screenshot_key, &MenuState::escape_key,
    &MenuState::turbo_hold_key, &MenuState::reset_key};

} // namespace utility_capture

// key_config_target values.
inline constexpr uint32_t key_config_target_none = 0;
inline constexpr uint32_t key_config_target_slot1 = 1;
inline constexpr uint32_t key_config_target_slot2 = 2;
inline constexpr uint32_t key_config_target_utility = 3;
