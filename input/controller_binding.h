#ifndef GB_RUNTIME_INPUT_CONTROLLER_BINDING_H
#define GB_RUNTIME_INPUT_CONTROLLER_BINDING_H

// How event matching and polling read a controller or joystick binding: which input it
// names, and when that input's value counts as pressed.

#include "input/binding_code.h"

#include <cstdint>

// The binding's device slot (-1: any device), kind and index. False for keyboard codes
// (device-scoped codes with a free slot included) and for the unscoped controller buttons
// without a name, which read as released everywhere.
bool controller_binding(BindingCode code, binding_code::Parts *parts);

// True for the kinds that need a game controller (buttons and axes of its mapping).
bool needs_controller(binding_code::Kind kind);

// Whether the value of the bound input presses a binding of this kind and index: a button
// value other than 0, an axis past 16000 in the binding's direction (capture takes it one
// step earlier), a hat value holding the binding's direction.
bool input_active(binding_code::Kind kind, uint32_t index, int value);

#endif
