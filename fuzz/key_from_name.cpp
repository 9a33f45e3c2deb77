// Any text through vortelan_gb_runtime_key_config_key_from_name; every code it gives must
// read back from its own name, with SDL's upper-case letter keycodes excepted.

#include "fuzz/round_trip.h"
#include "input/binding_names.h"
#include "runtime/text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// Well past the longest name (a 39-character identity in a scoped name).
constexpr size_t longest_input = 4096;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size > longest_input) {
        return 0;
    }
    char text[longest_input + 1];
    std::memcpy(text, data, size);
    text[size] = '\0';

    BindingCode code = vortelan_gb_runtime_key_config_key_from_name(text);
    if (code == 0 || is_upper_case_letter_keycode(code)) {
        return 0;
    }
    char name[96];
    vortelan_gb_runtime_copy_text(name, sizeof name, vortelan_gb_runtime_key_config_key_name(code));
    BindingCode again = vortelan_gb_runtime_key_config_key_from_name(name);
    if (again != code) {
        std::fprintf(stderr, "key_from_name: code %d is named \"%s\", which reads as %d\n", code,
                     name, again);
        std::abort();
    }
    return 0;
}
