#include "tests/e2e/menu_package.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

using gb_test::EnvChange;
using gb_test::Finished;
using gb_test::MenuPackage;
using gb_test::split_lines;

std::string initialized_line(const std::string &slot1, const std::string &status) {
    return "menu state: initialized row=0(START) mode=SELF editing=0 quit_confirm=0 quit_yes=0 "
           "slot1='" +
           slot1 + "' slot2='' speed=x1 scale=0 host='" + gb_test::local_host() +
           "' port='25100' discover=AUTOMATIC client_cart=UPLOAD SLOT1 status='" + status + "'";
}

const std::string default_key_report = "  slot1 keys: Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
                                       "  slot2 keys: D,A,W,S,G,H,R,T\n"
                                       "  client keys: uses slot1 keys\n"
                                       "  fast key: F\n"
                                       "  screenshot key: P\n"
                                       "  escape key: Escape\n"
                                       "  turbo hold key: B\n"
                                       "  reset key: O\n"
                                       "  display scale: 0 (0=auto)\n";

// Help needs no window: even a video driver that does not exist cannot stop it.
TEST(MenuCommandLine, HelpFollowsTheInitializedLine) {
    MenuPackage package;
    gb_test::TempDir output;
    std::string both = output.file("both");
    gb_test::ChildProgram child(gb_test::menu_program(), {"--help", "--smoke-test"},
                                package.environment({{"SDL_VIDEODRIVER", "no_such_driver"}}), both,
                                both);
    ASSERT_EQ(child.wait(30000), 0);
    EXPECT_EQ(split_lines(gb_test::read_text_file(both)),
              (std::vector<std::string>{
                  "cwd: package root override '" + package.path() + "' result=0",
                  initialized_line("slot1.gbc", "NO ROMS FOUND IN ROMS/"),
                  std::string("Usage: ") + gb_test::menu_program() +
                      " [--smoke-test] [--smoke-save-key-config] [--smoke-draw-ms N]",
                  "VORTELAN EMULATOR GB Runtime diagnostics menu. Gameplay starts through "
                  "Vortelan Client."}));
}

TEST(MenuCommandLine, SmokeTestReportsTheWholeConfiguration) {
    MenuPackage package;
    package.add("roms/b.gbc");
    package.add("roms/a.gb");
    Finished run = package.run({"--smoke-test"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.output, "Kivaro GBC menu smoke test\n"
                          "  version: 1.1\n"
                          "  key config file: config/gb_runtime_keys.conf\n"
                          "  rom candidates: 2\n"
                          "  save policy: server-authoritative session files\n"
                          "  slot1 cart filename: a.gb\n"
                          "  slot2 cart filename: \n"
                          "  mode: SELF\n"
                          "  host: " +
                              gb_test::local_host() +
                              "\n"
                              "  port: 25100\n"
                              "  discover: automatic\n"
                              "  client slot2 paths: on\n"
                              "  speed: x1 (self only)\n"
                              "  rtc offset minutes: +0 (self only)\n" +
                              default_key_report);
    EXPECT_EQ(split_lines(run.errors).back(), initialized_line("a.gb", "READY"));
}

struct CartridgeCase {
    const char *name;
    std::vector<std::string> files;
    std::string settings;
    std::vector<std::string> arguments;
    int candidates;
    std::string slot1;
    int exit_code;
};

void PrintTo(const CartridgeCase &c, std::ostream *out) {
    *out << c.name;
}

class SmokeTestCartridges : public testing::TestWithParam<CartridgeCase> {};

TEST_P(SmokeTestCartridges, SettleSlot1AndWriteNothing) {
    const CartridgeCase &c = GetParam();
    MenuPackage package;
    for (const std::string &file : c.files) {
        if (file.back() == '/') {
            package.add_folder(file);
        } else {
            package.add(file);
        }
    }
    if (!c.settings.empty()) {
        package.add("config/gb_runtime_keys.conf", c.settings);
    }
    Finished run = package.run(c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code);
    EXPECT_NE(run.output.find("  rom candidates: " + std::to_string(c.candidates) + "\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("  slot1 cart filename: " + c.slot1 + "\n"), std::string::npos)
        << run.output;
    EXPECT_EQ(package.read("config/gb_runtime_keys.conf"), c.settings) << "nothing is saved";
}

const CartridgeCase cartridge_cases[] = {
    {"NoRomsFolder", {}, "", {"--smoke-test"}, 0, "slot1.gbc", 1},
    {"NothingUsableInRoms",
     {"roms/readme.txt", "roms/.hidden.gb", "roms/game.gb.zip"},
     "",
     {"--smoke-test"},
     0,
     "slot1.gbc",
     1},
    {"ByteOrderPicksTheFirst",
     {"roms/b.gbc", "roms/a.gb", "roms/C.GB"},
     "",
     {"--smoke-test"},
     3,
     "C.GB",
     0},
    {"StaleRecentCartridge",
     {"roms/b.gb", "roms/a.gb"},
     "recent_slot1_rom=gone.gb\n",
     {"--smoke-test"},
     2,
     "a.gb",
     0},
    {"RecentCartridgeStays",
     {"roms/b.gb", "roms/a.gb"},
     "recent_slot1_rom=b.gb\n",
     {"--smoke-test"},
     2,
     "b.gb",
     0},
    {"RecentCartridgeThatIsAFolder",
     {"roms/b.gb/", "roms/a.gb"},
     "recent_slot1_rom=b.gb\n",
     {"--smoke-test"},
     2,
     "a.gb",
     0},
    {"RecentCartridgeWithoutCartridges",
     {},
     "recent_slot1_rom=b.gb\n",
     {"--smoke-test"},
     0,
     "slot1.gbc",
     1},
    {"SecondArgumentIgnored", {"roms/a.gb"}, "", {"--smoke-test", "--help"}, 1, "a.gb", 0},
};

INSTANTIATE_TEST_SUITE_P(Start, SmokeTestCartridges, testing::ValuesIn(cartridge_cases),
                         [](const testing::TestParamInfo<CartridgeCase> &param_info) {
                             return std::string(param_info.param.name);
                         });

TEST(MenuCommandLine, SmokeSaveNormalisesTheSettingsFile) {
    MenuPackage package;
    package.add("roms/a.gb");
    package.add("config/gb_runtime_keys.conf", "# mine\n"
                                               "  display_scale = 3\r\n"
                                               "fast_key=NotAKey\n"
                                               "Fast_key=G\n"
                                               "escape_key=Q\n"
                                               "recent_slot1_rom=gone.gb\n");
    Finished run = package.run({"--smoke-save-key-config"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(package.read("config/gb_runtime_keys.conf"),
              "# VORTELAN EMULATOR GB Runtime settings\n"
              "slot1_keys=Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
              "slot2_keys=D,A,W,S,G,H,R,T\n"
              "fast_key=F\n"
              "screenshot_key=P\n"
              "escape_key=Q\n"
              "turbo_hold_key=B\n"
              "reset_key=O\n"
              "recent_slot1_rom=a.gb\n"
              "display_scale=3\n");
    EXPECT_EQ(run.output, "VORTELAN EMULATOR GB Runtime key config smoke save\n"
                          "  key config file: config/gb_runtime_keys.conf\n"
                          "  slot1 keys: Right,Left,Up,Down,Z,X,RSHIFT,RETURN\n"
                          "  slot2 keys: D,A,W,S,G,H,R,T\n"
                          "  client keys: uses slot1 keys\n"
                          "  fast key: F\n"
                          "  screenshot key: P\n"
                          "  escape key: Q\n"
                          "  turbo hold key: B\n"
                          "  reset key: O\n"
                          "  display scale: 3 (0=auto)\n");
}

TEST(MenuCommandLine, SmokeSaveWithoutCartridgesCreatesTheConfigFolder) {
    MenuPackage package;
    Finished run = package.run({"--smoke-save-key-config"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(package.read("config/gb_runtime_keys.conf").find("\nrecent_slot1_rom=slot1.gbc\n"),
              std::string::npos);
}

TEST(MenuCommandLine, SmokeSaveFailsWhenTheFolderCannotBeMade) {
    MenuPackage package;
    std::string settings = package.file("no/such/keys.conf");
    Finished run = package.run({"--smoke-save-key-config"}, {{"GB_RUNTIME_KEY_CONFIG", settings}});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(split_lines(run.errors).back(), "failed to write key config: " + settings);
    EXPECT_FALSE(package.exists("no"));
}

// The dummy video driver has no accelerated renderer, so this also opens the menu on the
// software renderer that start-up falls back to.
TEST(MenuCommandLine, SmokeDrawDrawsOneFrameAndExits) {
    MenuPackage package;
    package.add("roms/a.gb");
    Finished run = package.run({"--smoke-draw-ms", "50"});
    EXPECT_EQ(run.exit_code, 0);
    std::vector<std::string> lines = split_lines(run.errors);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], initialized_line("a.gb", "READY"));
    EXPECT_EQ(lines[lines.size() - 2], "menu state: menu loop exited row=0(START) mode=SELF "
                                       "editing=0 quit_confirm=0 quit_yes=0 slot1='a.gb' "
                                       "slot2='' speed=x1 scale=0 host='" +
                                           gb_test::local_host() +
                                           "' port='25100' discover=AUTOMATIC "
                                           "client_cart=UPLOAD SLOT1 status='READY'");
    EXPECT_EQ(lines.back(), "menu exit: normal return without launching runtime");
    EXPECT_EQ(run.output, "");
}

TEST(MenuCommandLine, SdlFailureEndsWithExitCodeOne) {
    MenuPackage package;
    Finished run = package.run({}, {{"SDL_VIDEODRIVER", "no_such_driver"}});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(split_lines(run.errors).back().rfind("SDL_Init failed: ", 0), 0u) << run.errors;
}

// Start-up lands in the package root before the log is opened, so the log is written there.
TEST(MenuCommandLine, LogSwitchedOnTakesTheOutputIntoThePackage) {
    MenuPackage package;
    package.add("config/gb_runtime_log.conf", "enabled=1\n");
    Finished run = package.run({"--smoke-test"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(split_lines(run.errors), std::vector<std::string>{"cwd: package root override '" +
                                                                package.path() + "' result=0"});
    std::string log = package.read("gb_runtime.log");
    EXPECT_NE(log.find("=== GB Runtime menu start "), std::string::npos) << log;
    EXPECT_NE(log.find(initialized_line("slot1.gbc", "NO ROMS FOUND IN ROMS/")), std::string::npos);
    EXPECT_NE(log.find("Kivaro GBC menu smoke test\n"), std::string::npos);
}

// Anything but the three report modes and a positive draw time opens the interactive menu,
// which the platform's quit request (SIGINT or SIGTERM) ends normally; so does a draw time
// that is still being waited out.
struct StartCase {
    const char *name;
    std::vector<std::string> arguments;
    int quit_signal = SIGINT;
};

void PrintTo(const StartCase &c, std::ostream *out) {
    *out << c.name;
}

class InteractiveStart : public testing::TestWithParam<StartCase> {};

TEST_P(InteractiveStart, RunsUntilThePlatformQuits) {
#ifdef _WIN32
    GTEST_SKIP() << "the platform's quit request is a POSIX signal here, and Windows has no "
                    "signal to send to another program";
#endif
    MenuPackage package;
    gb_test::TempDir output;
    std::string errors = output.file("stderr");
    gb_test::ChildProgram child(gb_test::menu_program(), GetParam().arguments,
                                package.environment(), "", errors);
    ASSERT_TRUE(gb_test::wait_until(
        [&] {
            return gb_test::read_file(errors).find("menu event: SDL_WINDOWEVENT") !=
                   std::string::npos;
        },
        30000));
    child.send_signal(GetParam().quit_signal);
    EXPECT_EQ(child.wait(30000), 0);
    std::vector<std::string> lines = split_lines(gb_test::read_file(errors));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "menu event: SDL_QUIT received, exiting menu loop");
    EXPECT_EQ(lines.back(), "menu exit: normal return without launching runtime");
}

const StartCase start_cases[] = {
    {"NoArgument", {}},
    {"DrawTimeMissing", {"--smoke-draw-ms"}},
    {"DrawTimeZero", {"--smoke-draw-ms", "0"}},
    {"DrawTimeNotANumber", {"--smoke-draw-ms", "soon"}},
    {"DrawTimeNegative", {"--smoke-draw-ms", "-5"}},
    {"DrawTimeLong", {"--smoke-draw-ms", "600000"}, SIGTERM},
    {"UnknownFirstArgument", {"--unknown", "--smoke-test"}},
};

INSTANTIATE_TEST_SUITE_P(Arguments, InteractiveStart, testing::ValuesIn(start_cases),
                         [](const testing::TestParamInfo<StartCase> &param_info) {
                             return std::string(param_info.param.name);
                         });

} // namespace
