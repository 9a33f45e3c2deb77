#include "tests/e2e/virtual_display.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <unistd.h>

namespace gb_test {

namespace {

constexpr int start_timeout_ms = 10000;

// Xvfb writes the number it found free, then a newline, into the descriptor it is given.
std::string read_display_number(int descriptor) {
    std::string number;
    char c = 0;
    pollfd waiting = {descriptor, POLLIN, 0};
    while (poll(&waiting, 1, start_timeout_ms) > 0 && read(descriptor, &c, 1) == 1 && c != '\n') {
        number.push_back(c);
    }
    return c == '\n' ? number : "";
}

uint32_t big_endian(const std::string &bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    }
    return value;
}

uint32_t channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    while ((mask & 1) == 0) {
        mask >>= 1;
        pixel >>= 1;
    }
    return pixel & mask;
}

} // namespace

VirtualDisplay::VirtualDisplay() {
    std::string xvfb = find_in_path("Xvfb");
    std::string xdotool_folder = find_in_path("xdotool");
    if (xvfb.empty() || xdotool_folder.empty()) {
        failure = "Xvfb and xdotool are needed (bash scripts/setup.sh test installs them)";
        return;
    }
    xdotool_path = xdotool_folder + "/xdotool";
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        failure = "no pipe";
        return;
    }
    server = std::make_unique<ChildProgram>(
        xvfb + "/Xvfb",
        std::vector<std::string>{"-displayfd", std::to_string(pipe_ends[1]), "-screen", "0",
                                 "1024x768x24", "-nolisten", "tcp", "-fbdir",
                                 folder.path().string()},
        std::vector<EnvChange>{}, "", folder.file("xvfb.log"));
    close(pipe_ends[1]);
    std::string number = read_display_number(pipe_ends[0]);
    close(pipe_ends[0]);
    if (number.empty()) {
        failure = "Xvfb did not start: " + read_file(folder.file("xvfb.log"));
        return;
    }
    display = ":" + number;
}

VirtualDisplay::~VirtualDisplay() {
    if (server) {
        server->send_signal(SIGTERM);
        server->wait(start_timeout_ms);
    }
}

std::string VirtualDisplay::xdotool(const std::vector<std::string> &arguments) const {
    return run_program(xdotool_path, arguments, {{"DISPLAY", display}}, start_timeout_ms).output;
}

// The server keeps its screen in an XWD file: a header of big-endian 32-bit fields, a colour
// table, then the pixels in the server's own byte order.
Picture VirtualDisplay::capture(int left, int top, int width, int height) const {
    Picture picture;
    std::ifstream file(folder.file("Xvfb_screen0"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < 100) {
        return picture;
    }
    uint32_t header_size = big_endian(bytes, 0);
    bool least_first = big_endian(bytes, 28) == 0;
    uint32_t bits_per_pixel = big_endian(bytes, 44);
    uint32_t bytes_per_line = big_endian(bytes, 48);
    uint32_t masks[3] = {big_endian(bytes, 56), big_endian(bytes, 60), big_endian(bytes, 64)};
    uint32_t colours = big_endian(bytes, 76);
    size_t start = header_size + colours * 12;
    if (bits_per_pixel != 32 ||
        bytes.size() < start + static_cast<size_t>(top + height) * bytes_per_line) {
        return picture;
    }
    picture.width = width;
    picture.height = height;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            size_t at =
                start + static_cast<size_t>(y) * bytes_per_line + static_cast<size_t>(x) * 4;
            uint32_t pixel = 0;
            for (size_t i = 0; i < 4; ++i) {
                uint32_t byte = static_cast<uint8_t>(bytes[at + i]);
                pixel |= least_first ? byte << (8 * i) : byte << (8 * (3 - i));
            }
            picture.pixels.push_back(channel(pixel, masks[0]) << 16 |
                                     channel(pixel, masks[1]) << 8 | channel(pixel, masks[2]));
        }
    }
    return picture;
}

} // namespace gb_test
