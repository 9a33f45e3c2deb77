#include "tests/e2e/program_run.h"

#include "runtime/win32/command_line.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <windows.h>

namespace gb_test {

namespace {

// Windows variable names ignore letter case.
struct NameOrder {
    bool operator()(const std::string &first, const std::string &second) const {
        return _stricmp(first.c_str(), second.c_str()) < 0;
    }
};

// The block CreateProcess takes: "name=value" texts, each ended by a zero, and one more zero.
std::string environment_block(const std::vector<EnvChange> &changes) {
    std::map<std::string, std::string, NameOrder> variables;
    for (char **entry = _environ; *entry != nullptr; ++entry) {
        // Names may begin with "=" (the drives' working directories, such as "=C:").
        const char *text = *entry;
        const char *equals = std::strchr(text + 1, '=');
        if (equals != nullptr) {
            variables[std::string(text, equals)] = equals + 1;
        }
    }
    for (const EnvChange &change : changes) {
        if (change.value) {
            variables[change.name] = *change.value;
        } else {
            variables.erase(change.name);
        }
    }
    std::string block;
    for (const auto &[name, value] : variables) {
        block += name + "=" + value;
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}

std::string command_line(const std::string &path, const std::vector<std::string> &arguments) {
    std::vector<const char *> argv = {path.c_str()};
    for (const std::string &argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    auto quoted = std::make_unique<QuotedArguments>();
    std::string line;
    if (vortelan_gb_runtime_quote_arguments(argv.data(), quoted.get())) {
        for (const char *const *each = quoted->pointers; *each != nullptr; ++each) {
            line += (line.empty() ? "" : " ") + std::string(*each);
        }
    }
    return line;
}

// Appending, so that two streams sharing a file do not overwrite each other.
HANDLE open_output(const std::string &path) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return CreateFileA(path.empty() ? "NUL" : path.c_str(), FILE_APPEND_DATA,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE handle_of(intptr_t process) {
    return reinterpret_cast<HANDLE>(process);
}

} // namespace

ChildProgram::ChildProgram(const std::string &path, const std::vector<std::string> &arguments,
                           const std::vector<EnvChange> &environment,
                           const std::string &output_path, const std::string &error_path) {
    std::string line = command_line(path, arguments);
    std::string block = environment_block(environment);
    HANDLE output = open_output(output_path);
    HANDLE error = output_path == error_path ? output : open_output(error_path);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = error;
    PROCESS_INFORMATION created{};
    if (CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, block.data(), nullptr,
                       &startup, &created)) {
        CloseHandle(created.hThread);
        process = reinterpret_cast<intptr_t>(created.hProcess);
    }
    CloseHandle(input);
    CloseHandle(output);
    if (error != output) {
        CloseHandle(error);
    }
}

ChildProgram::~ChildProgram() {
    if (started() && !reaped) {
        TerminateProcess(handle_of(process), 1);
        WaitForSingleObject(handle_of(process), INFINITE);
    }
    if (started()) {
        CloseHandle(handle_of(process));
    }
}

// Windows has no signals to send to another program.
void ChildProgram::send_signal(int) {}

int ChildProgram::wait(int timeout_ms) {
    if (!started() || reaped) {
        return -1;
    }
    reaped = true;
    if (WaitForSingleObject(handle_of(process), static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0) {
        TerminateProcess(handle_of(process), 1);
        WaitForSingleObject(handle_of(process), INFINITE);
        return -1;
    }
    DWORD code = 0;
    return GetExitCodeProcess(handle_of(process), &code) ? static_cast<int>(code) : -1;
}

} // namespace gb_test
