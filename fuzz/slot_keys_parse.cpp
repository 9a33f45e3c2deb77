// Any text through vortelan_gb_runtime_key_config_parse. A list that parses, described and
// parsed again, gives the same eight codes, except for lists holding a code whose
// name the list grammar itself cannot carry.

#include "fuzz/round_trip.h"
#include "input/binding_lists.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A little past the 1536-byte limit of parse, so that the limit itself is exercised.
constexpr size_t longest_input = 2048;

bool described_text_cannot_read_back(const SlotKeys &keys) {
    for (BindingCode code : keys) {
        // The comma key is named by a bare comma, which the list grammar splits on.
        if (code == ',') {
            return true;
        }
        if (is_upper_case_letter_keycode(code)) {
            return true;
        }
    }
    return false;
}

void report(const char *what, const char *text) {
    std::fprintf(stderr, "slot_keys_parse: %s: \"%s\"\n", what, text);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size > longest_input) {
        return 0;
    }
    char text[longest_input + 1];
    std::memcpy(text, data, size);
    text[size] = '\0';

    SlotKeys keys{};
    if (vortelan_gb_runtime_key_config_parse(&keys, text) != 0) {
        return 0;
    }
    // Eight names of at most 95 characters and seven commas always fit: never cut.
    char description[slot_keys_text_limit];
    int length = vortelan_gb_runtime_key_config_describe(&keys, description, sizeof description);
    if (length < 0 || static_cast<size_t>(length) >= sizeof description) {
        report("description cut", description);
    }
    if (described_text_cannot_read_back(keys)) {
        return 0;
    }
    SlotKeys again{};
    if (vortelan_gb_runtime_key_config_parse(&again, description) != 0) {
        report("description does not parse", description);
    }
    if (again != keys) {
        report("description parses to other codes", description);
    }
    return 0;
}
