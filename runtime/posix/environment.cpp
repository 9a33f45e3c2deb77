#include "runtime/environment.h"

#include "runtime/text.h"

#include <cstdlib>

bool vortelan_gb_runtime_environment_text(const char *name, char *buffer, size_t capacity) {
    const char *value = name != nullptr ? std::getenv(name) : nullptr;
    if (value == nullptr || !vortelan_gb_runtime_copy_text(buffer, capacity, value)) {
        vortelan_gb_runtime_copy_text(buffer, capacity, "");
        return false;
    }
    return true;
}
