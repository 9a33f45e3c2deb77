#pragma once

#include "tests/runtime/posix/commands.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace gb_test {

// Two fresh network namespaces, "server" and "client", joined by a veth pair: veth0 with
// 10.77.0.1/24 in the server, veth1 with 10.77.0.2/24 in the client, each with its loopback
// up and a multicast route on its veth. Traffic sent inside them never reaches the machine's
// own interfaces. Both are deleted with the object. Names carry the process id, so tests
// running in parallel never meet.
class NamespacePair {
  public:
    NamespacePair();
    ~NamespacePair();
    NamespacePair(const NamespacePair &) = delete;
    NamespacePair &operator=(const NamespacePair &) = delete;

    // Empty when the pair is ready; otherwise why it could not be made (e.g. not root).
    const std::string &unavailable() const { return reason; }
    const std::string &server() const { return server_name; }
    const std::string &client() const { return client_name; }

    // Runs `ip -n <namespace> <arguments...>`; true on success.
    static bool ip(const std::string &name, const std::vector<std::string> &arguments);
    // Waits (up to two seconds) until the device of the namespace has its carrier.
    static bool wait_for_carrier(const std::string &name, const std::string &device);

  private:
    bool make();

    std::string server_name;
    std::string client_name;
    std::string reason;
};

// Runs body in a forked child that has entered the named namespace and returns the text
// body returned ("child failed" when the child could not enter it or crashed).
std::string run_in_namespace(const std::string &name, const std::function<std::string()> &body);

// Starts body in a forked child inside the named namespace without waiting for it; the
// returned process is ended with stop_child.
pid_t start_in_namespace(const std::string &name, const std::function<void()> &body);

// Starts `ip netns exec <namespace> <arguments...>` without waiting for it.
pid_t start_command_in_namespace(const std::string &name,
                                 const std::vector<std::string> &arguments);

} // namespace gb_test
