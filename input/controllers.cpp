#include "input/controllers.h"

#include <cstdio>
#include <cstring>

namespace {

OpenDevice open_devices[open_device_count];

constexpr uint64_t identity_hash_start = 0x14650FB0739D0383ULL;
constexpr uint64_t identity_hash_prime = 0x100000001B3ULL;

// An entry holds a device only while SDL has it open under the instance id it was recorded
// with. SDL never gives an instance id out twice in a process, so an entry left from an SDL
// that has since quit, whose handles SDL freed, reads as free and its handles are never used.
bool in_use(const OpenDevice &device) {
    return device.joystick != nullptr &&
           SDL_JoystickFromInstanceID(device.instance_id) == device.joystick;
}

bool has_free_entry() {
    for (const OpenDevice &device : open_devices) {
        if (!in_use(device)) {
            return true;
        }
    }
    return false;
}

OpenDevice *device_with_instance(SDL_JoystickID instance_id) {
    for (OpenDevice &device : open_devices) {
        if (in_use(device) && device.instance_id == instance_id) {
            return &device;
        }
    }
    return nullptr;
}

// Whether the device's identity is the one binding slot holds; false for a free slot.
bool carries_identity(const OpenDevice &device, int slot) {
    return slot >= 0 && slot < binding_device_count && binding_devices[slot].used != 0 &&
           std::strcmp(device.id, binding_devices[slot].id) == 0;
}

// One FNV-1a step per byte of text; a null text adds nothing.
uint64_t hash_text(uint64_t hash, const char *text) {
    for (; text != nullptr && *text != '\0'; ++text) {
        hash = (hash ^ static_cast<unsigned char>(*text)) * identity_hash_prime;
    }
    return hash;
}

// The hash of what SDL reports about the device: GUID, vendor/product/version/serial, name
// and path, so the same physical device hashes alike in every run.
uint64_t identity_hash_of(SDL_Joystick *joystick) {
    char guid[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick), guid, sizeof guid);
    const char *serial = SDL_JoystickGetSerial(joystick);
    char vendor[96];
    std::snprintf(vendor, sizeof vendor, "%04x:%04x:%04x:%s", SDL_JoystickGetVendor(joystick),
                  SDL_JoystickGetProduct(joystick), SDL_JoystickGetProductVersion(joystick),
                  serial != nullptr ? serial : "");
    uint64_t hash = hash_text(identity_hash_start, guid);
    hash = hash_text(hash, vendor);
    hash = hash_text(hash, SDL_JoystickName(joystick));
    return hash_text(hash, SDL_JoystickPath(joystick));
}

// One more than the largest ordinal among the other open devices with this hash.
uint32_t next_ordinal(const OpenDevice &self, uint64_t hash) {
    uint32_t ordinal = 0;
    for (const OpenDevice &device : open_devices) {
        if (&device != &self && in_use(device) && device.identity_hash == hash &&
            device.ordinal >= ordinal) {
            ordinal = device.ordinal + 1;
        }
    }
    return ordinal;
}

// Records a just-opened device in the first free entry; false when it was not recorded
// (no joystick handle, or all entries in use).
bool remember_device(SDL_GameController *controller, SDL_Joystick *joystick, int device_index) {
    if (joystick == nullptr) {
        return false;
    }
    for (OpenDevice &device : open_devices) {
        if (in_use(device)) {
            continue;
        }
        device = OpenDevice{};
        device.controller = controller;
        device.joystick = joystick;
        device.instance_id = SDL_JoystickInstanceID(joystick);
        device.device_index = device_index;
        device.identity_hash = identity_hash_of(joystick);
        device.ordinal = next_ordinal(device, device.identity_hash);
        std::snprintf(device.id, sizeof device.id, "%016llx-%u",
                      static_cast<unsigned long long>(device.identity_hash), device.ordinal);
        return true;
    }
    return false;
}

void close_device(OpenDevice &device) {
    if (device.controller != nullptr) {
        SDL_GameControllerClose(device.controller);
    } else if (device.joystick != nullptr) {
        SDL_JoystickClose(device.joystick);
    }
    device = OpenDevice{};
}

// Opens device index i and records it; true when it is now in the table. With the table
// full a device is left closed, so that it waits for an entry to free instead of being held
// open where no lookup finds it; one that cannot be recorded is closed again at once.
bool open_device(int index) {
    if (!has_free_entry()) {
        return false;
    }
    if (SDL_IsGameController(index)) {
        SDL_GameController *controller = SDL_GameControllerOpen(index);
        if (controller == nullptr) {
            return false;
        }
        if (!remember_device(controller, SDL_GameControllerGetJoystick(controller), index)) {
            SDL_GameControllerClose(controller);
            return false;
        }
        return true;
    }
    SDL_Joystick *joystick = SDL_JoystickOpen(index);
    if (joystick == nullptr) {
        return false;
    }
    if (!remember_device(nullptr, joystick, index)) {
        SDL_JoystickClose(joystick);
        return false;
    }
    return true;
}

} // namespace

int vortelan_gb_runtime_key_config_open_game_controllers() {
    SDL_GameControllerEventState(SDL_ENABLE);
    SDL_JoystickEventState(SDL_ENABLE);
    int opened = 0;
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        const SDL_JoystickID instance_id = SDL_JoystickGetDeviceInstanceID(index);
        if (instance_id >= 0 && device_with_instance(instance_id) != nullptr) {
            continue;
        }
        if (open_device(index)) {
            ++opened;
        }
    }
    return opened;
}

void vortelan_gb_runtime_key_config_close_game_controllers() {
    for (OpenDevice &device : open_devices) {
        if (in_use(device)) {
            close_device(device);
        }
        device = OpenDevice{};
    }
}

void vortelan_gb_runtime_key_config_handle_device_event(const SDL_Event *event) {
    if (event == nullptr) {
        return;
    }
    switch (event->type) {
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_JOYDEVICEADDED:
        vortelan_gb_runtime_key_config_open_game_controllers();
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_JOYDEVICEREMOVED:
        if (OpenDevice *device = device_with_instance(event->jdevice.which)) {
            close_device(*device);
            // The freed entry serves a device that found the table full.
            vortelan_gb_runtime_key_config_open_game_controllers();
        }
        break;
    default:
        break;
    }
}

const OpenDevice *device_for_binding(int slot, bool need_controller) {
    if (slot >= 0) {
        for (const OpenDevice &device : open_devices) {
            if (in_use(device) && carries_identity(device, slot)) {
                return need_controller && device.controller == nullptr ? nullptr : &device;
            }
        }
        return nullptr;
    }
    for (const OpenDevice &device : open_devices) {
        if (in_use(device) && (!need_controller || device.controller != nullptr)) {
            return &device;
        }
    }
    return nullptr;
}

bool event_matches_scoped_device(int slot, SDL_JoystickID instance_id) {
    const OpenDevice *device = device_with_instance(instance_id);
    return device != nullptr && carries_identity(*device, slot);
}

BindingCode scoped_event_code(SDL_JoystickID instance_id, binding_code::Kind kind, int index) {
    const OpenDevice *device = device_with_instance(instance_id);
    if (device == nullptr) {
        return 0;
    }
    const int slot = binding_device_slot(device->id);
    if (slot < 0 || index < 0 || index >= static_cast<int>(binding_code::scoped_index_limit)) {
        return 0;
    }
    return binding_code::scoped(static_cast<uint32_t>(slot), kind, static_cast<uint32_t>(index));
}
