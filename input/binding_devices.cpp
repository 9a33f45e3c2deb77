#include "input/binding_devices.h"

#include "runtime/text.h"

#include <cstring>

BindingDevice binding_devices[binding_device_count];

int binding_device_slot(const char *id) {
    if (id == nullptr) {
        return -1;
    }
    for (int slot = 0; slot < binding_device_count; ++slot) {
        if (binding_devices[slot].used != 0 && std::strcmp(binding_devices[slot].id, id) == 0) {
            return slot;
        }
    }
    for (int slot = 0; slot < binding_device_count; ++slot) {
        BindingDevice &device = binding_devices[slot];
        if (device.used == 0) {
            device.used = 1;
            vortelan_gb_runtime_copy_text(device.id, sizeof device.id, id);
            return slot;
        }
    }
    return -1;
}
