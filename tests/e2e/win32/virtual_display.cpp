#include "tests/e2e/virtual_display.h"

namespace gb_test {

// The window tests drive an X server from this test program; a Windows program under Wine
// reaches neither Xvfb nor xdotool. The Windows program's real window is checked by
// window_under_xvfb.sh instead.
VirtualDisplay::VirtualDisplay() {
    failure = "skipped on Windows: the window tests drive an X server (Xvfb, xdotool), which a "
              "Windows program cannot; the window is checked by e2e/win32/window_under_xvfb.sh";
}

VirtualDisplay::~VirtualDisplay() = default;

std::string VirtualDisplay::xdotool(const std::vector<std::string> &) const {
    return "";
}

Picture VirtualDisplay::capture(int, int, int, int) const {
    return Picture{};
}

} // namespace gb_test
