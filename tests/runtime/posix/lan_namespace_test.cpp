// LAN detection and discovery inside private network namespaces: nothing here sends a
// packet through the machine's own interfaces.

#include "runtime/network_adapters.h"
#include "runtime/socket.h"
#include "runtime/udp.h"
#include "tests/runtime/dns_test_messages.h"
#include "tests/runtime/posix/lan_peers.h"
#include "tests/runtime/posix/network_namespaces.h"
#include "tests/runtime/socket_probe.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <netinet/in.h>
#include <pthread.h>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using gb_test::CommandResult;
using gb_test::NamespacePair;

constexpr char lan_tool[] = GB_RUNTIME_LAN_TOOL;

#define SKIP_WITHOUT_NAMESPACES(pair)                                                              \
    if (!(pair).unavailable().empty()) {                                                           \
        GTEST_SKIP() << "skipped, network namespaces unavailable: " << (pair).unavailable();       \
    }

#define SKIP_WITHOUT_PROGRAM(program)                                                              \
    if (!gb_test::program_installed(program)) {                                                    \
        GTEST_SKIP() << "skipped, " program " is not installed (scripts/setup.sh installs it)";    \
    }

CommandResult run_tool(const std::string &name, const std::vector<std::string> &arguments) {
    std::vector<std::string> command{"ip", "netns", "exec", name, lan_tool};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return gb_test::run_command(command);
}

// One line per adapter: its name, state and addresses in the order walked.
struct Description {
    std::string text;
    std::string adapter;
};

bool describe_address(void *context, const NetworkAdapter *adapter, const uint8_t address[4]) {
    auto *described = static_cast<Description *>(context);
    if (described->adapter != adapter->name) {
        described->adapter = adapter->name;
        // Appended piece by piece: GCC's -O3 reads chains of string additions as overlapping
        // copies.
        described->text.append(described->text.empty() ? "" : "\n")
            .append(described->adapter)
            .append(adapter->up ? " up" : " down")
            .append(adapter->loopback ? " loopback" : "")
            .append(adapter->tunnel ? " tunnel" : "");
    }
    for (int part = 0; part < 4; ++part) {
        described->text.append(part == 0 ? " " : ".").append(std::to_string(address[part]));
    }
    return true;
}

std::string describe_adapters() {
    Description described;
    if (!vortelan_gb_runtime_walk_network_adapters(describe_address, &described)) {
        return "query failed";
    }
    return described.text + "\n";
}

TEST(AdapterQueryInNamespace, ReportsOperationalStateAndLoopback) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    // A second veth pair whose far end stays down: enabled, but without a carrier.
    const std::string &server = pair.server();
    ASSERT_TRUE(NamespacePair::ip(
        server, {"link", "add", "vdown0", "type", "veth", "peer", "name", "vdown1"}));
    ASSERT_TRUE(NamespacePair::ip(server, {"addr", "add", "10.79.0.1/24", "dev", "vdown0"}));
    ASSERT_TRUE(NamespacePair::ip(server, {"link", "set", "vdown0", "up"}));

    EXPECT_EQ(gb_test::run_in_namespace(server, describe_adapters), "lo up loopback 127.0.0.1\n"
                                                                    "veth0 up 10.77.0.1\n"
                                                                    "vdown0 down 10.79.0.1\n");
    EXPECT_EQ(run_tool(server, {"address"}).output, "10.77.0.1\n");
}

TEST(AdapterQueryInNamespace, RecognisesTunDeviceAsTunnel) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    const std::string &server = pair.server();
    if (!NamespacePair::ip(server, {"tuntap", "add", "dev", "tun0", "mode", "tun"})) {
        GTEST_SKIP() << "skipped, tun devices unavailable";
    }
    ASSERT_TRUE(NamespacePair::ip(server, {"addr", "add", "10.78.0.1/24", "dev", "tun0"}));
    ASSERT_TRUE(NamespacePair::ip(server, {"link", "set", "tun0", "up"}));

    std::string adapters = gb_test::run_in_namespace(server, describe_adapters);
    EXPECT_NE(adapters.find("tun0 down tunnel 10.78.0.1\n"), std::string::npos) << adapters;
}

TEST(LanDiscoveryInNamespaces, FindsAdvertisedServer) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    pid_t advertiser =
        gb_test::start_command_in_namespace(pair.server(), {lan_tool, "advertise", "25100", "10"});

    CommandResult found = run_tool(pair.client(), {"discover", "5000"});
    CommandResult immediate = run_tool(pair.client(), {"discover", "0"});
    gb_test::stop_child(advertiser);

    EXPECT_EQ(found.exit_code, 0);
    EXPECT_EQ(found.output, "10.77.0.1 25100\n");
    // A time-out of 0 asks and gives up without waiting for the running advertiser.
    EXPECT_EQ(immediate.exit_code, 1);
    EXPECT_EQ(immediate.output, "no server found\n");
}

enum class PortHolder { none, alone, sharing };

// Holds UDP port 5353 inside a namespace until destroyed: alone, or sharing it with sockets
// that set port reuse too, as a responder does.
class MdnsPortHold {
  public:
    MdnsPortHold(const std::string &name, PortHolder holder) {
        int ready[2];
        if (holder == PortHolder::none || pipe(ready) != 0) {
            held = holder == PortHolder::none;
            return;
        }
        child = gb_test::start_in_namespace(name, [&ready, holder] {
            int fd = socket(AF_INET, SOCK_DGRAM, 0);
            int on = 1;
            if (holder == PortHolder::sharing) {
                setsockopt(fd, SOL_SOCKET, SO_REUSEPORT, &on, sizeof on);
            }
            sockaddr_in local{};
            local.sin_family = AF_INET;
            local.sin_port = htons(5353);
            char bound = bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local) == 0;
            if (write(ready[1], &bound, 1) == 1) {
                pause();
            }
        });
        close(ready[1]);
        char bound = 0;
        held = read(ready[0], &bound, 1) == 1 && bound != 0;
        close(ready[0]);
    }
    ~MdnsPortHold() { gb_test::stop_child(child); }
    MdnsPortHold(const MdnsPortHold &) = delete;
    MdnsPortHold &operator=(const MdnsPortHold &) = delete;

    bool held = false;

  private:
    pid_t child = -1;
};

const std::string srv_record =
    gb_test::dns_record("Box._gb_runtime._tcp.local", 33, gb_test::srv_rdata(4242, "box.local"));
const std::string a_record = gb_test::dns_record("box.local", 1, gb_test::a_rdata(10, 77, 0, 9));
std::string response(const std::vector<std::string> &records) {
    return gb_test::dns_message({}, records);
}

struct DatagramCase {
    const char *label;
    std::vector<std::string> datagrams;
    PortHolder holder; // of 5353 on the listening side
    int exit_code;
    const char *output;
};

class DiscoveryOfHandMadeResponses : public testing::TestWithParam<DatagramCase> {};

// Sends the datagrams from the server side ten times a second while the client listens.
TEST_P(DiscoveryOfHandMadeResponses, NeedsSrvAndAInOneDatagram) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    MdnsPortHold hold(pair.client(), GetParam().holder);
    ASSERT_TRUE(hold.held);
    const std::vector<std::string> &datagrams = GetParam().datagrams;
    pid_t sender = gb_test::start_in_namespace(pair.server(), [&datagrams] {
        const uint8_t group[4] = {224, 0, 0, 251};
        const uint8_t local[4] = {10, 77, 0, 1};
        vortelan_gb_runtime_net_init();
        SocketHandle handle = vortelan_gb_runtime_udp_open();
        vortelan_gb_runtime_udp_set_multicast_interface(handle, local);
        for (int round = 0; round < 25; ++round) {
            for (const std::string &datagram : datagrams) {
                vortelan_gb_runtime_udp_send_to(handle, datagram.data(), datagram.size(), group,
                                                5353);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });

    CommandResult result = run_tool(pair.client(), {"discover", "2000"});
    gb_test::stop_child(sender);

    EXPECT_EQ(result.exit_code, GetParam().exit_code);
    EXPECT_EQ(result.output, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Lan, DiscoveryOfHandMadeResponses,
    testing::Values(DatagramCase{"together",
                                 {response({srv_record, a_record})},
                                 PortHolder::none,
                                 0,
                                 "10.77.0.9 4242\n"},
                    DatagramCase{"apart",
                                 {response({srv_record}), response({a_record})},
                                 PortHolder::none,
                                 1,
                                 "no server found\n"},
                    DatagramCase{"beside_responder_sharing_by_port_reuse_only",
                                 {response({srv_record, a_record})},
                                 PortHolder::sharing,
                                 0,
                                 "10.77.0.9 4242\n"}),
    [](const testing::TestParamInfo<DatagramCase> &tested) { return tested.param.label; });

struct CrowdCase {
    const char *label;
    int public_adapters;  // each with one public address, ahead of the LAN adapter
    int public_addresses; // on the LAN adapter, ahead of its private address
};

class CrowdedAdapters : public testing::TestWithParam<CrowdCase> {};

// More adapters or addresses than any fixed table would keep, all ahead of the private one.
TEST_P(CrowdedAdapters, PrivateAddressStillWins) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    const std::string &client = pair.client();
    ASSERT_TRUE(NamespacePair::ip(client, {"addr", "flush", "dev", "veth1"}));
    std::string commands;
    auto add_device = [&commands](const std::string &name) {
        commands += "link add " + name + " type veth peer name " + name + "p\nlink set " + name +
                    "p up\nlink set " + name + " up\n";
    };
    for (int at = 1; at <= GetParam().public_adapters; ++at) {
        add_device("pub" + std::to_string(at));
        commands +=
            "addr add 203.0.113." + std::to_string(at) + "/32 dev pub" + std::to_string(at) + "\n";
    }
    add_device("lan0");
    for (int at = 1; at <= GetParam().public_addresses; ++at) {
        commands += "addr add 198.51.100." + std::to_string(at) + "/32 dev lan0\n";
    }
    commands += "addr add 10.99.0.1/24 dev lan0\n";
    gb_test::TempDir folder;
    gb_test::write_file(folder.file("commands"), commands);
    ASSERT_TRUE(NamespacePair::ip(client, {"-batch", folder.file("commands")}));
    ASSERT_TRUE(NamespacePair::wait_for_carrier(client, "lan0"));

    EXPECT_EQ(run_tool(client, {"address"}).output, "10.99.0.1\n");
}

INSTANTIATE_TEST_SUITE_P(AdapterQueryInNamespace, CrowdedAdapters,
                         testing::Values(CrowdCase{"many_addresses", 0, 70},
                                         CrowdCase{"many_adapters", 70, 0}),
                         [](const testing::TestParamInfo<CrowdCase> &tested) {
                             return tested.param.label;
                         });

struct WireCase {
    const char *label;
    std::vector<std::string> arguments;
    PortHolder holder;
    int exit_code;
    const char *datagram;
};

class MdnsOnTheWire : public testing::TestWithParam<WireCase> {};

// What the server namespace sends, as the client namespace receives it.
TEST_P(MdnsOnTheWire, LeavesWithTtl255FromTheMdnsPortWherePossible) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    SKIP_WITHOUT_PROGRAM("tcpdump");
    MdnsPortHold hold(pair.server(), GetParam().holder);
    ASSERT_TRUE(hold.held);
    gb_test::PacketCapture capture(pair.client(), "veth1");
    ASSERT_TRUE(capture.started());

    CommandResult result = run_tool(pair.server(), GetParam().arguments);

    EXPECT_EQ(capture.stop_and_describe(1), GetParam().datagram);
    EXPECT_EQ(result.exit_code, GetParam().exit_code);
}

const std::vector<std::string> announce_once{"advertise", "25100", "1"};
constexpr char announcement_from_mdns_port[] = "ttl 255, from 10.77.0.1 port 5353, 182 bytes\n";

INSTANTIATE_TEST_SUITE_P(
    Lan, MdnsOnTheWire,
    testing::Values(WireCase{"question",
                             {"discover", "0"},
                             PortHolder::none,
                             1,
                             "ttl 255, from 10.77.0.1 port 5353, 40 bytes\n"},
                    WireCase{"announcement", announce_once, PortHolder::none, 0,
                             announcement_from_mdns_port},
                    WireCase{"announcement_beside_responder", announce_once, PortHolder::sharing, 0,
                             announcement_from_mdns_port},
                    WireCase{"announcement_while_port_held_alone", announce_once, PortHolder::alone,
                             0, "ttl 255, from 10.77.0.1 another port, 182 bytes\n"}),
    [](const testing::TestParamInfo<WireCase> &tested) { return tested.param.label; });

// A standard mDNS responder accepts the announcement and caches its three records.
TEST(LanPeersInNamespaces, ResponderCachesTheAnnouncement) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    SKIP_WITHOUT_PROGRAM("avahi-daemon");
    gb_test::AvahiDaemon responder(pair.client(), "veth1");
    ASSERT_TRUE(responder.started()) << responder.log();

    CommandResult announced = run_tool(pair.server(), announce_once);
    std::string log = responder.stop_after_cache_dump();

    EXPECT_EQ(announced.exit_code, 0);
    EXPECT_EQ(log.find("invalid source port"), std::string::npos) << log;
    for (const char *record :
         {"_gb_runtime._tcp.local\tIN\tPTR GB\\032Runtime._gb_runtime._tcp.local ; ttl=120",
          "GB\\032Runtime._gb_runtime._tcp.local\tIN\tSRV 0 0 25100 gb_runtime.local ; ttl=120",
          "gb_runtime.local\tIN\tA 10.77.0.1 ; ttl=120"}) {
        EXPECT_NE(log.find(record), std::string::npos) << record << "\n" << log;
    }
}

void on_timer_signal(int) {}

// Connects while a timer signal every 20 ms interrupts whatever the connect waits in, as a
// host program's periodic timer does.
std::string connect_under_timer_signal(const char *host, uint32_t port) {
    struct sigaction action {};
    action.sa_handler = on_timer_signal; // without SA_RESTART
    sigaction(SIGALRM, &action, nullptr);
    itimerval every_20_ms{{0, 20000}, {0, 20000}};
    setitimer(ITIMER_REAL, &every_20_ms, nullptr);
    SocketHandle socket = vortelan_gb_runtime_tcp_connect(host, port);
    int error = errno;
    itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    if (socket == VORTELAN_GB_RUNTIME_INVALID_SOCKET) {
        return std::string("failed: ") + std::strerror(error);
    }
    vortelan_gb_runtime_socket_close(socket);
    return "connected";
}

// A listener whose one-place queue is full drops the connect's first SYN; it takes the queued
// connection 300 ms later, so that the SYN sent again after a second is answered.
std::string connect_to_listener_that_answers_late() {
    SocketHandle listener = vortelan_gb_runtime_tcp_listen_ipv4(0, 0, false);
    uint16_t port = gb_test::port_of(listener);
    SocketHandle queued = vortelan_gb_runtime_tcp_connect("127.0.0.1", port);
    sigset_t timer_signal;
    sigemptyset(&timer_signal);
    sigaddset(&timer_signal, SIGALRM);
    pthread_sigmask(SIG_BLOCK, &timer_signal, nullptr);
    std::thread late_acceptor([listener] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        vortelan_gb_runtime_socket_close(vortelan_gb_runtime_tcp_accept(listener));
    });
    pthread_sigmask(SIG_UNBLOCK, &timer_signal, nullptr);
    std::string outcome = connect_under_timer_signal("127.0.0.1", port);
    late_acceptor.join();
    vortelan_gb_runtime_socket_close(queued);
    vortelan_gb_runtime_socket_close(listener);
    return outcome;
}

struct SlowConnectCase {
    const char *label;
    const char *host; // null: a listener of the namespace itself that answers late
    const char *outcome;
};

class ConnectUnderTimerSignal : public testing::TestWithParam<SlowConnectCase> {};

TEST_P(ConnectUnderTimerSignal, EndsOnlyWithItsOwnOutcome) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
    const char *host = GetParam().host;
    EXPECT_EQ(gb_test::run_in_namespace(pair.client(),
                                        [host] {
                                            vortelan_gb_runtime_net_init();
                                            return host == nullptr
                                                       ? connect_to_listener_that_answers_late()
                                                       : connect_under_timer_signal(host, 25100);
                                        }),
              GetParam().outcome);
}

// No host answers for 10.77.0.9 on the client's link, which the system gives up after about
// three seconds.
INSTANTIATE_TEST_SUITE_P(
    Tcp, ConnectUnderTimerSignal,
    testing::Values(SlowConnectCase{"answered_late", nullptr, "connected"},
                    SlowConnectCase{"nobody_answers", "10.77.0.9", "failed: No route to host"}),
    [](const testing::TestParamInfo<SlowConnectCase> &tested) { return tested.param.label; });

} // namespace
