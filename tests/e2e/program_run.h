#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace gb_test {

// A variable to set for a child (or to remove, without a value) on top of this process's
// environment.
struct EnvChange {
    std::string name;
    std::optional<std::string> value;
};

// A program started as a child process with its output in files. Killed and reaped when the
// object goes if it is still running.
class ChildProgram {
  public:
    // argv[0] is the path. Output paths may be the same file (both streams then share it)
    // or empty (/dev/null). Descriptors of this process stay open in the child.
    ChildProgram(const std::string &path, const std::vector<std::string> &arguments,
                 const std::vector<EnvChange> &environment, const std::string &output_path,
                 const std::string &error_path);
    ~ChildProgram();
    ChildProgram(const ChildProgram &) = delete;
    ChildProgram &operator=(const ChildProgram &) = delete;

    bool started() const { return process > 0; }
    void send_signal(int number);
    // The exit code, or -1 when it was ended by a signal or had to be killed after timeout_ms.
    int wait(int timeout_ms);

  private:
    // The child's process id on POSIX, its process handle on Windows.
    intptr_t process = -1;
    bool reaped = false;
};

struct Finished {
    int exit_code;
    std::string output;
    std::string errors;
};

// Runs a program to its end (killed after timeout_ms) and returns what it printed.
Finished run_program(const std::string &path, const std::vector<std::string> &arguments,
                     const std::vector<EnvChange> &environment, int timeout_ms = 30000);

// The directory of the PATH entry that holds an executable of that name, or empty.
std::string find_in_path(const std::string &name);

// Polls condition every 20 ms until it holds or timeout_ms pass.
template <typename Condition> bool wait_until(Condition condition, int timeout_ms) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace gb_test
