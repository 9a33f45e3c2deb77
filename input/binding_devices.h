#ifndef GB_RUNTIME_INPUT_BINDING_DEVICES_H
#define GB_RUNTIME_INPUT_BINDING_DEVICES_H

// The slots that device-scoped codes carry. A slot, once given to a device
// identity, keeps it for the life of the process, so a code's slot number never goes stale.
// Slots are handed out afresh each run, in the order identities are first met; only names
// (which carry the identity text) reach the settings file.

#include <cstdint>

inline constexpr int binding_device_count = 64;
inline constexpr int binding_device_id_capacity = 40; // at most 39 characters of text

struct BindingDevice {
    uint8_t used; // 1 once the slot has been given to an identity
    char id[binding_device_id_capacity];
};

// Process-wide, all entries free at start, never cleared. Read by the controller registry;
// written only by binding_device_slot.
extern BindingDevice binding_devices[binding_device_count];

// The slot of an identity: the first taken slot whose id is byte-equal, else the lowest free
// slot (the identity is stored cut to 39 characters), else -1 when all 64 are taken. A null
// identity gives -1.
int binding_device_slot(const char *id);

#endif
