#include "runtime/utf8.h"

namespace {

// The well-formed multi-byte sequences by lead byte: how many continuation bytes follow,
// and the narrowed range of the first of them that rules out overlong forms, surrogates
// and values beyond U+10FFFF. Later continuation bytes are always 0x80..0xBF.
struct LeadRange {
    unsigned char first;
    unsigned char last;
    int continuations;
    unsigned char second_low;
    unsigned char second_high;
};

constexpr LeadRange lead_ranges[] = {
    {0xC2, 0xDF, 1, 0x80, 0xBF}, {0xE0, 0xE0, 2, 0xA0, 0xBF}, {0xE1, 0xEC, 2, 0x80, 0xBF},
    {0xED, 0xED, 2, 0x80, 0x9F}, {0xEE, 0xEF, 2, 0x80, 0xBF}, {0xF0, 0xF0, 3, 0x90, 0xBF},
    {0xF1, 0xF3, 3, 0x80, 0xBF}, {0xF4, 0xF4, 3, 0x80, 0x8F},
};

const LeadRange *find_lead_range(unsigned char lead) {
    for (const LeadRange &range : lead_ranges) {
        if (lead >= range.first && lead <= range.last) {
            return &range;
        }
    }
    return nullptr;
}

bool is_continuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

} // namespace

bool vortelan_gb_runtime_utf8_is_valid(const char *text) {
    const auto *at = reinterpret_cast<const unsigned char *>(text);
    while (*at != 0) {
        unsigned char lead = *at++;
        if (lead < 0x80) {
            continue;
        }
        const LeadRange *range = find_lead_range(lead);
        if (range == nullptr || *at < range->second_low || *at > range->second_high) {
            return false;
        }
        ++at;
        // The terminator is not a continuation byte, so a cut sequence stops here.
        for (int remaining = range->continuations - 1; remaining > 0; --remaining, ++at) {
            if (!is_continuation(*at)) {
                return false;
            }
        }
    }
    return true;
}
