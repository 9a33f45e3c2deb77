#include "tests/runtime/posix/network_namespaces.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <thread>
#include <unistd.h>

namespace gb_test {

namespace {

constexpr char name_prefix[] = "gbrt-";
constexpr char netns_directory[] = "/run/netns";

// Namespaces left behind by a test process that was killed before it could clean up.
void remove_abandoned_namespaces() {
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(netns_directory, ignored)) {
        std::string name = entry.path().filename().string();
        if (name.rfind(name_prefix, 0) != 0) {
            continue;
        }
        pid_t owner = static_cast<pid_t>(std::atol(name.c_str() + sizeof name_prefix - 1));
        if (owner > 0 && kill(owner, 0) != 0 && errno == ESRCH) {
            run_command({"ip", "netns", "delete", name});
        }
    }
}

bool enter_namespace(const std::string &name) {
    int fd = open((std::string(netns_directory) + "/" + name).c_str(), O_RDONLY | O_CLOEXEC);
    bool entered = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return entered;
}

} // namespace

NamespacePair::NamespacePair() {
    static std::atomic<int> serial{0};
    std::string base = name_prefix + std::to_string(getpid()) + "-" + std::to_string(serial++);
    server_name = base + "-server";
    client_name = base + "-client";
    if (geteuid() != 0) {
        reason = "network namespaces need root";
        return;
    }
    remove_abandoned_namespaces();
    if (!make()) {
        reason = "could not set up network namespaces with iproute2 (ip netns add, veth)";
    }
}

NamespacePair::~NamespacePair() {
    for (const std::string &name : {server_name, client_name}) {
        if (std::filesystem::exists(std::string(netns_directory) + "/" + name)) {
            run_command({"ip", "netns", "delete", name});
        }
    }
}

bool NamespacePair::ip(const std::string &name, const std::vector<std::string> &arguments) {
    std::vector<std::string> command{"ip", "-n", name};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return run_command(command).exit_code == 0;
}

bool NamespacePair::make() {
    bool made = run_command({"ip", "netns", "add", server_name}).exit_code == 0 &&
                run_command({"ip", "netns", "add", client_name}).exit_code == 0 &&
                ip(server_name, {"link", "add", "veth0", "type", "veth", "peer", "name", "veth1",
                                 "netns", client_name});
    struct Side {
        const std::string &name;
        const char *device;
        const char *address;
    };
    for (const Side &side :
         {Side{server_name, "veth0", "10.77.0.1/24"}, Side{client_name, "veth1", "10.77.0.2/24"}}) {
        made = made && ip(side.name, {"addr", "add", side.address, "dev", side.device}) &&
               ip(side.name, {"link", "set", "lo", "up"}) &&
               ip(side.name, {"link", "set", side.device, "up"}) &&
               ip(side.name, {"route", "add", "224.0.0.0/4", "dev", side.device});
    }
    return made && wait_for_carrier(server_name, "veth0");
}

// A veth carrier comes up shortly after both ends are up.
bool NamespacePair::wait_for_carrier(const std::string &name, const std::string &device) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        CommandResult link = run_command({"ip", "-n", name, "link", "show", device});
        if (link.output.find("LOWER_UP") != std::string::npos) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::string run_in_namespace(const std::string &name, const std::function<std::string()> &body) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) {
        return "child failed";
    }
    pid_t child = fork();
    if (child == 0) {
        close(pipe_fds[0]);
        if (!enter_namespace(name)) {
            _exit(1);
        }
        std::string text = body();
        bool written =
            write(pipe_fds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(written ? 0 : 1);
    }
    close(pipe_fds[1]);
    std::string text = child > 0 ? read_to_end(pipe_fds[0]) : "";
    close(pipe_fds[0]);
    return child > 0 && wait_for_exit(child) == 0 ? text : "child failed";
}

pid_t start_in_namespace(const std::string &name, const std::function<void()> &body) {
    pid_t child = fork();
    if (child == 0) {
        if (!enter_namespace(name)) {
            _exit(1);
        }
        body();
        _exit(0);
    }
    return child;
}

pid_t start_command_in_namespace(const std::string &name,
                                 const std::vector<std::string> &arguments) {
    std::vector<std::string> command{"ip", "netns", "exec", name};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return start_command(command);
}

} // namespace gb_test
