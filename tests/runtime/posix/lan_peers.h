#pragma once

#include "tests/support/temp_dir.h"

#include <string>
#include <sys/types.h>

namespace gb_test {

// True when the program is found along PATH (scripts/setup.sh installs the peers below).
bool program_installed(const std::string &program);

// tcpdump recording the IPv4 mDNS datagrams of one device inside a namespace into a file of
// its own temporary folder. Stopped with the object.
class PacketCapture {
  public:
    PacketCapture(const std::string &namespace_name, const std::string &device);
    ~PacketCapture();
    PacketCapture(const PacketCapture &) = delete;
    PacketCapture &operator=(const PacketCapture &) = delete;

    // True once the capture is running.
    bool started() const { return running; }
    // Waits (up to a few seconds) until count datagrams are recorded, stops, and describes
    // each on a line: "ttl T, from ADDRESS port 5353, N bytes", with "another port" for any
    // source port but 5353.
    std::string stop_and_describe(size_t count);

  private:
    std::string describe() const;

    TempDir folder;
    pid_t process = -1;
    bool running = false;
};

// avahi-daemon inside a namespace on one device, with D-Bus off, a private configuration, an
// empty services folder and its run-time files in its own temporary folder, which a private
// mount namespace puts over /run. Stopped with the object.
class AvahiDaemon {
  public:
    AvahiDaemon(const std::string &namespace_name, const std::string &device);
    ~AvahiDaemon();
    AvahiDaemon(const AvahiDaemon &) = delete;
    AvahiDaemon &operator=(const AvahiDaemon &) = delete;

    // True once the daemon has completed its start-up.
    bool started() const { return running; }
    // Has the daemon write its cache into its log, stops it and returns the whole log.
    std::string stop_after_cache_dump();
    std::string log() const;

  private:
    TempDir folder;
    pid_t process = -1;
    bool running = false;
};

} // namespace gb_test
