#ifndef GB_RUNTIME_INPUT_EVENT_MATCHING_H
#define GB_RUNTIME_INPUT_EVENT_MATCHING_H

// Bindings against input events: capture a binding from an event, tell whether an event
// presses or releases a binding, and turn events into menu buttons through a SlotKeys list.

#include "input/binding_code.h"
#include "input/binding_lists.h"

#include <SDL_events.h>

#include <cstdint>

// The binding an event would set: the keycode of a key press (not a repeat); for a joystick
// button press, a hat leaving the centre or an axis pulled away from where it rests to
// +-16000 or beyond, that input scoped to the event's device. 0 for anything else, also for
// a device that is not open. A trigger resting at -32768 is thus taken only when pulled up.
BindingCode vortelan_gb_runtime_key_config_code_from_event(const SDL_Event *event);

// True when the event concerns the binding; pressed_out (when not null) then tells whether it
// presses (true) or releases it. Nothing is written when the result is false. Device-scoped
// bindings react only to their own device, unscoped ones to every device.
bool vortelan_gb_runtime_key_config_binding_matches_event(BindingCode code, const SDL_Event *event,
                                                          bool *pressed_out);

// True when the event presses the binding while state (the caller's memory of it, 0 or 1)
// says released. A matching event stores its pressed state; other events leave it.
bool vortelan_gb_runtime_key_config_binding_rising(BindingCode code, const SDL_Event *event,
                                                   uint8_t *state);

// The buttons of keys that the event presses and those it releases; each mask is written
// when its pointer is not null.
void vortelan_gb_runtime_key_config_buttons_for_event(const SlotKeys *keys, const SDL_Event *event,
                                                      MenuButtons *pressed_out,
                                                      MenuButtons *released_out);

// The pressed buttons (is_press_out true) if any, else the released ones (is_press_out
// false); 0 with is_press_out untouched when the event concerns none of keys.
MenuButtons vortelan_gb_runtime_key_config_button_for_event(const SlotKeys *keys,
                                                            const SDL_Event *event,
                                                            bool *is_press_out);

#endif
