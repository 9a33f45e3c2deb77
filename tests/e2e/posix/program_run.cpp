#include "tests/e2e/program_run.h"

#include "tests/support/temp_dir.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace gb_test {

namespace {

std::vector<std::string> merged_environment(const std::vector<EnvChange> &changes) {
    std::map<std::string, std::string> variables;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        size_t equals = text.find('=');
        if (equals != std::string::npos) {
            variables[text.substr(0, equals)] = text.substr(equals + 1);
        }
    }
    for (const EnvChange &change : changes) {
        if (change.value) {
            variables[change.name] = *change.value;
        } else {
            variables.erase(change.name);
        }
    }
    std::vector<std::string> result;
    for (const auto &[name, value] : variables) {
        result.push_back(name + "=" + value);
    }
    return result;
}

std::vector<char *> pointers(std::vector<std::string> &texts) {
    std::vector<char *> result;
    for (std::string &text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

pid_t pid_of(intptr_t process) {
    return static_cast<pid_t>(process);
}

int open_output(const std::string &path) {
    return open(path.empty() ? "/dev/null" : path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND,
                0644);
}

} // namespace

ChildProgram::ChildProgram(const std::string &path, const std::vector<std::string> &arguments,
                           const std::vector<EnvChange> &environment,
                           const std::string &output_path, const std::string &error_path) {
    std::vector<std::string> argv_texts = {path};
    argv_texts.insert(argv_texts.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env_texts = merged_environment(environment);
    std::vector<char *> argv = pointers(argv_texts);
    std::vector<char *> envp = pointers(env_texts);
    int output = open_output(output_path);
    int error = output_path == error_path ? output : open_output(error_path);
    pid_t pid = fork();
    process = pid;
    if (pid == 0) {
        dup2(output, STDOUT_FILENO);
        dup2(error, STDERR_FILENO);
        int null_input = open("/dev/null", O_RDONLY);
        dup2(null_input, STDIN_FILENO);
        execve(path.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(output);
    if (error != output) {
        close(error);
    }
}

ChildProgram::~ChildProgram() {
    if (started() && !reaped) {
        kill(pid_of(process), SIGKILL);
        waitpid(pid_of(process), nullptr, 0);
    }
}

void ChildProgram::send_signal(int number) {
    if (started() && !reaped) {
        kill(pid_of(process), number);
    }
}

int ChildProgram::wait(int timeout_ms) {
    if (!started() || reaped) {
        return -1;
    }
    int status = 0;
    bool ended = wait_until(
        [&] { return waitpid(pid_of(process), &status, WNOHANG) == pid_of(process); }, timeout_ms);
    if (!ended) {
        kill(pid_of(process), SIGKILL);
        waitpid(pid_of(process), &status, 0);
        reaped = true;
        return -1;
    }
    reaped = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string find_in_path(const std::string &name) {
    const char *path = std::getenv("PATH");
    std::istringstream entries(path != nullptr ? path : "");
    for (std::string directory; std::getline(entries, directory, ':');) {
        std::string candidate = directory + "/" + name;
        if (!directory.empty() && access(candidate.c_str(), X_OK) == 0) {
            return directory;
        }
    }
    return "";
}

} // namespace gb_test
