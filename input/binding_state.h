#ifndef GB_RUNTIME_INPUT_BINDING_STATE_H
#define GB_RUNTIME_INPUT_BINDING_STATE_H

// A binding's live state and the raw input behind it, read from SDL and the open devices.

#include "input/binding_code.h"

#include <cstdint>

// Whether the binding is held now: the keyboard state for keycodes, else the state of the
// open device that serves the binding (false when there is none).
bool vortelan_gb_runtime_key_config_binding_pressed(BindingCode code);

// The raw input behind a binding: device index (the device's present SDL index; -1 for the
// keyboard), descriptor kind (1 key, 2 joystick button, 3 joystick axis, 4 joystick hat),
// index (scancode, button, axis or hat) and value (0, the axis direction +1 or -1, or the
// SDL hat bit). A game-controller input is described by what SDL's mapping puts behind it.
// False when a pointer is null or the binding names no input of an open device; once the
// device is found its index is written even then (-1 when SDL no longer lists it).
bool vortelan_gb_runtime_key_config_binding_to_n64(BindingCode code, int32_t *device_index_out,
                                                   int32_t *kind_out, int32_t *index_out,
                                                   int32_t *value_out);

#endif
