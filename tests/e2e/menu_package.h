#pragma once

#include "tests/e2e/program_run.h"
#include "tests/support/temp_dir.h"

#include <string>
#include <vector>

namespace gb_test {

// A temporary package root for the menu program, and runs of the program in it with a clean
// environment (no log, no moved settings file, the dummy video driver unless changed).
class MenuPackage {
  public:
    // Creates the file and the folders before it.
    void add(const std::string &relative, const std::string &contents = "") const;
    void add_folder(const std::string &relative) const;
    bool exists(const std::string &relative) const;
    // Read as text: Windows' CR LF line ends become LF.
    std::string read(const std::string &relative) const;
    std::string path() const { return root.path().string(); }
    std::string file(const std::string &relative) const { return root.file(relative); }

    std::vector<EnvChange> environment(const std::vector<EnvChange> &changes = {}) const;
    Finished run(const std::vector<std::string> &arguments,
                 const std::vector<EnvChange> &changes = {}) const;

  private:
    TempDir root;
};

// The program under test.
const char *menu_program();

// This machine's address as the menu finds it ("127.0.0.1" without one).
std::string local_host();

std::vector<std::string> split_lines(const std::string &text);

} // namespace gb_test
