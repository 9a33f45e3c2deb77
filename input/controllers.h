#ifndef GB_RUNTIME_INPUT_CONTROLLERS_H
#define GB_RUNTIME_INPUT_CONTROLLERS_H

// The table of open game controllers and joysticks, their identity texts, and the lookups
// that tie device-scoped bindings to the devices that are open now. SDL's joystick and
// game-controller subsystems must be initialised first. Only the thread that polls SDL's
// events may call these.

#include "input/binding_code.h"
#include "input/binding_devices.h"

#include <SDL_events.h>
#include <SDL_gamecontroller.h>
#include <SDL_joystick.h>

#include <cstdint>

// One open device. A free entry is all zero (null joystick).
struct OpenDevice {
    SDL_GameController *controller; // null for a plain joystick
    SDL_Joystick *joystick;         // for a game controller, the controller's own joystick
    int32_t instance_id;            // the `which` of the device's events
    int32_t device_index;           // at the moment of opening; lookups go by instance_id
    uint64_t identity_hash;
    uint32_t ordinal; // tells apart open devices with the same identity_hash
    // "%016llx-%u" of identity_hash and ordinal: what device-scoped names carry.
    char id[binding_device_id_capacity];
};

inline constexpr int open_device_count = 16;

// Opens every attached device that is not open yet, as far as the 16 entries go; returns how
// many this call opened and recorded. Devices beyond the 16th wait until an entry frees.
int vortelan_gb_runtime_key_config_open_game_controllers();

// Closes every open device and empties the table. The menu leaves its devices to the end of
// the process; a program that quits SDL and goes on calls this before SDL_Quit. Entries left
// from an SDL that has quit anyway are forgotten, never closed, since SDL freed their handles.
void vortelan_gb_runtime_key_config_close_game_controllers();

// Device added events rescan; device removed events close that one device and rescan, so a
// waiting device takes the freed entry. Every other event, and null, is ignored.
void vortelan_gb_runtime_key_config_handle_device_event(const SDL_Event *event);

// The open device that serves a binding: for slot >= 0 the first device carrying that
// slot's identity (null when need_controller is set and it is a plain joystick); for a
// negative slot the first device, or the first game controller when need_controller is
// set. Null when there is none.
const OpenDevice *device_for_binding(int slot, bool need_controller);

// Whether the open device with this instance id carries the identity of binding slot.
bool event_matches_scoped_device(int slot, SDL_JoystickID instance_id);

// The device-scoped code of input (kind, index) on the open device with this instance id,
// giving the device's identity a binding slot if it has none yet; 0 for an unknown device,
// an index outside 0..999 or a full slot table.
BindingCode scoped_event_code(SDL_JoystickID instance_id, binding_code::Kind kind, int index);

#endif
