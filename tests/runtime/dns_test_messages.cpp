#include "tests/runtime/dns_test_messages.h"

namespace gb_test {

namespace {

std::string u16(unsigned value) {
    return std::string{static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

} // namespace

std::string dns_name(const std::string &dotted) {
    std::string encoded;
    std::string::size_type start = 0;
    while (start < dotted.size()) {
        std::string::size_type dot = dotted.find('.', start);
        std::string label = dotted.substr(start, dot - start);
        encoded += static_cast<char>(label.size()) + label;
        start = dot == std::string::npos ? dotted.size() : dot + 1;
    }
    return encoded + '\0';
}

std::string dns_record(const std::string &owner, uint16_t type, const std::string &rdata,
                       bool raw_owner) {
    return (raw_owner ? owner : dns_name(owner)) + u16(type) + u16(1) + u16(0) + u16(120) +
           u16(static_cast<unsigned>(rdata.size())) + rdata;
}

std::string srv_rdata(uint16_t port, const std::string &target) {
    return u16(0) + u16(0) + u16(port) + dns_name(target);
}

std::string a_rdata(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
}

std::string dns_message(const std::vector<std::string> &questions,
                        const std::vector<std::string> &answers,
                        const std::vector<std::string> &authority,
                        const std::vector<std::string> &additional) {
    std::string message = u16(0) + bytes("\x84\x00");
    for (const auto *section : {&questions, &answers, &authority, &additional}) {
        message += u16(static_cast<unsigned>(section->size()));
    }
    for (const auto *section : {&questions, &answers, &authority, &additional}) {
        for (const std::string &part : *section) {
            message += part;
        }
    }
    return message;
}

} // namespace gb_test
