#include "tests/runtime/posix/lan_peers.h"

#include "tests/runtime/posix/network_namespaces.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <regex>
#include <thread>

namespace gb_test {

namespace {

constexpr char avahi_configuration[] = "[server]\n"
                                       "host-name=gbpeer\n"
                                       "use-ipv4=yes\n"
                                       "use-ipv6=no\n"
                                       "enable-dbus=no\n"
                                       "allow-interfaces=%s\n"
                                       "[wide-area]\n"
                                       "enable-wide-area=no\n"
                                       "[publish]\n"
                                       "disable-publishing=yes\n";

// Polls for up to five seconds.
bool eventually(const std::function<bool()> &condition) {
    for (int attempt = 0; attempt < 250; ++attempt) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::string avahi_configuration_for(const std::string &device) {
    std::string text = avahi_configuration;
    text.replace(text.find("%s"), 2, device);
    return text;
}

} // namespace

bool program_installed(const std::string &program) {
    return run_command({"sh", "-c", "command -v \"$0\" >/dev/null", program}).exit_code == 0;
}

PacketCapture::PacketCapture(const std::string &namespace_name, const std::string &device) {
    std::string file = folder.file("capture.pcap");
    // -Z root: write the file without dropping to another user; -U: each datagram at once.
    // Its status lines are of no use to the test.
    process = start_command_in_namespace(
        namespace_name, {"sh", "-c",
                         "exec tcpdump -Z root -U --immediate-mode -i \"$0\" -w \"$1\" "
                         "'ip and udp port 5353' 2>/dev/null",
                         device, file});
    // tcpdump creates its file once the capture is active.
    running = process > 0 && eventually([&file] { return std::filesystem::exists(file); });
}

PacketCapture::~PacketCapture() {
    stop_child(process);
}

std::string PacketCapture::describe() const {
    std::string printed = run_command({"sh", "-c", "tcpdump -Z root -n -v -q -r \"$0\" 2>/dev/null",
                                       folder.file("capture.pcap")})
                              .output;
    static const std::regex datagram(
        R"(ttl (\d+),[^\n]*\n\s+(\d+\.\d+\.\d+\.\d+)\.(\d+) > [^:]+: UDP, length (\d+))");
    std::string text;
    for (std::sregex_iterator at(printed.begin(), printed.end(), datagram), end; at != end; ++at) {
        const std::smatch &found = *at;
        text += "ttl " + found[1].str() + ", from " + found[2].str() +
                (found[3].str() == "5353" ? " port 5353" : " another port") + ", " +
                found[4].str() + " bytes\n";
    }
    return text;
}

std::string PacketCapture::stop_and_describe(size_t count) {
    std::string text;
    eventually([this, count, &text] {
        text = describe();
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= count;
    });
    stop_child(process);
    process = -1;
    return describe();
}

AvahiDaemon::AvahiDaemon(const std::string &namespace_name, const std::string &device) {
    std::filesystem::create_directories(folder.file("run"));
    std::filesystem::create_directories(folder.file("services"));
    write_file(folder.file("avahi-daemon.conf"), avahi_configuration_for(device));
    // Every command execs the next, so the process started is the daemon itself.
    process = start_command_in_namespace(
        namespace_name,
        {"unshare", "--mount", "--propagation", "private", "sh", "-c",
         "mount --bind \"$0/run\" /run && mount --bind \"$0/services\" /etc/avahi/services && "
         "exec avahi-daemon -f \"$0/avahi-daemon.conf\" --no-drop-root --no-chroot "
         "--no-rlimits --no-proc-title --debug >\"$0/log\" 2>&1",
         folder.path().string()});
    running = process > 0 && eventually([this] {
                  return log().find("Server startup complete") != std::string::npos;
              });
}

AvahiDaemon::~AvahiDaemon() {
    stop_child(process);
}

std::string AvahiDaemon::log() const {
    std::error_code missing;
    return std::filesystem::exists(folder.file("log"), missing) ? read_file(folder.file("log"))
                                                                : "";
}

std::string AvahiDaemon::stop_after_cache_dump() {
    // The daemon handles its signals in order, so the dump is complete before it quits.
    if (process > 0 && kill(process, SIGUSR1) == 0) {
        eventually([this] { return log().find("dumping record data") != std::string::npos; });
    }
    stop_child(process);
    process = -1;
    return log();
}

} // namespace gb_test
