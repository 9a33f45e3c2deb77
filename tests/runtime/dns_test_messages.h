#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gb_test {

// Hand-made DNS messages for examination tests, written independently of the code under test.

// Labels with their length bytes and the closing zero byte.
std::string dns_name(const std::string &dotted);

// The bytes of a string literal that may hold zero bytes.
template <size_t size> std::string bytes(const char (&literal)[size]) {
    return std::string(literal, size - 1);
}

// One resource record with class IN and TTL 120; the owner is a dotted name, or raw bytes
// (e.g. a compression pointer) when raw_owner is set.
std::string dns_record(const std::string &owner, uint16_t type, const std::string &rdata,
                       bool raw_owner = false);
std::string srv_rdata(uint16_t port, const std::string &target);
std::string a_rdata(uint8_t a, uint8_t b, uint8_t c, uint8_t d);

// A header with the four counts, followed by the sections as given.
std::string dns_message(const std::vector<std::string> &questions,
                        const std::vector<std::string> &answers,
                        const std::vector<std::string> &authority = {},
                        const std::vector<std::string> &additional = {});

} // namespace gb_test
