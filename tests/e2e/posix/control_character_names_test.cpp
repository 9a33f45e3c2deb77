#include "tests/e2e/menu_package.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gb_test::Finished;
using gb_test::MenuPackage;

// A cartridge named with line feeds around "escape_key=Q" must not rebind anything once its
// name has been through the settings file.
TEST(ControlCharacterNames, ACartridgeNameCannotBecomeASetting) {
    MenuPackage package;
    package.add("roms/A\nescape_key=Q\n.gb");
    package.add("roms/tab\t.gbc");
    Finished saved = package.run({"--smoke-save-key-config"});
    EXPECT_EQ(saved.exit_code, 0);
    EXPECT_NE(package.read("config/gb_runtime_keys.conf").find("\nrecent_slot1_rom=slot1.gbc\n"),
              std::string::npos);

    Finished next_start = package.run({"--smoke-test"});
    EXPECT_EQ(next_start.exit_code, 1) << "no cartridge offered";
    EXPECT_NE(next_start.output.find("  rom candidates: 0\n"), std::string::npos);
    EXPECT_NE(next_start.output.find("  escape key: Escape\n"), std::string::npos)
        << next_start.output;
}

} // namespace
