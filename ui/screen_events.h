#pragma once

#include "input/binding_code.h"

#include <SDL.h>

// How the sub-screens sort the events they poll.

// Device arrivals and removals, which go to the controller registry.
bool is_device_change_event(const SDL_Event *event);

// Controller button or axis, joystick axis, hat or button events: the inputs that pad
// bindings react to.
bool is_pad_input_event(const SDL_Event *event);

// The window's picture was lost or may have been painted over: the window was shown,
// uncovered, resized, restored, focused or moved to another display, or the renderer lost its
// contents. Every screen draws its frame again then, although its state did not change.
bool window_picture_lost(const SDL_Event *event);

// Events after which the main menu and the key configuration screen draw again although their
// state did not change: the window's picture was lost, or a device came or went.
bool event_needs_redraw(const SDL_Event *event);

// True when the event presses the binding (not when it releases it or concerns another input).
bool event_presses_binding(BindingCode code, const SDL_Event *event);
