#include "runtime/ascii.h"

namespace {

char lowered(char letter) {
    return (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
}

} // namespace

bool vortelan_gb_runtime_ascii_equal_ignoring_case(const char *first, const char *second,
                                                   size_t length) {
    for (size_t at = 0; at < length; ++at) {
        if (lowered(first[at]) != lowered(second[at])) {
            return false;
        }
    }
    return true;
}
