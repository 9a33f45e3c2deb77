#ifndef GB_RUNTIME_INPUT_CONTROLLER_BINDING_H
#define GB_RUNTIME_INPUT_CONTROLLER_BINDING_H

// How event matching and polling read a controller or joystick binding: which input it
// names, and when an axis or hat value counts as pressed.

#include "input/binding_code.h"

#include <cstdint>

// The binding's device slot (-1: any device), kind and index. False for keyboard codes
// (device-scoped codes with a free slot included) and for the unscoped controller buttons
// without a name, which read as released everywhere.
bool controller_binding(BindingCode code, binding_code::Parts *parts);

// True for the kinds that need a game controller (buttons and axes of its mapping).
bool needs_controller(binding_code::Kind kind);

// Past the threshold in the binding's direction: value > 16000 for a positive axis kind,
// value < -16000 for a negative one. Capture uses a threshold one step lower.
bool axis_active(binding_code::Kind kind, int value);

// Whether a hat value holds the direction of hat index i (4 * hat + direction).
bool hat_active(uint32_t index, int value);

#endif
