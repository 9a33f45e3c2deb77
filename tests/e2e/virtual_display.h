#pragma once

#include "tests/e2e/picture.h"
#include "tests/e2e/program_run.h"
#include "tests/support/temp_dir.h"

#include <memory>
#include <string>
#include <vector>

namespace gb_test {

// A private X server (Xvfb, 1024x768, no TCP) on the first free display number, whose screen
// can be read back, and xdotool to send real key presses into it.
class VirtualDisplay {
  public:
    VirtualDisplay();
    ~VirtualDisplay();

    // Empty when the display is up, else why not.
    const std::string &problem() const { return failure; }
    // ":N" for DISPLAY.
    const std::string &name() const { return display; }

    // Runs xdotool with the arguments on this display and returns its output.
    std::string xdotool(const std::vector<std::string> &arguments) const;

    // A rectangle of the screen as it is now.
    Picture capture(int left, int top, int width, int height) const;

  private:
    TempDir folder;
    std::unique_ptr<ChildProgram> server;
    std::string display;
    std::string xdotool_path;
    std::string failure;
};

} // namespace gb_test
