// LAN detection and discovery inside private network namespaces: nothing here sends a
// packet through the machine's own interfaces.

#include "runtime/network_adapters.h"
#include "runtime/socket.h"
#include "runtime/udp.h"
#include "tests/runtime/dns_test_messages.h"
#include "tests/runtime/posix/network_namespaces.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using gb_test::CommandResult;
using gb_test::NamespacePair;

constexpr char lan_tool[] = GB_RUNTIME_LAN_TOOL;

#define SKIP_WITHOUT_NAMESPACES(pair)                                                              \
    if (!(pair).unavailable().empty()) {                                                           \
        GTEST_SKIP() << "skipped, network namespaces unavailable: " << (pair).unavailable();       \
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
        described->text += (described->text.empty() ? "" : "\n") + described->adapter +
                           (adapter->up ? " up" : " down") +
                           (adapter->loopback ? " loopback" : "") +
                           (adapter->tunnel ? " tunnel" : "");
    }
    described->text += " " + std::to_string(address[0]) + "." + std::to_string(address[1]) + "." +
                       std::to_string(address[2]) + "." + std::to_string(address[3]);
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

const std::string srv_record =
    gb_test::dns_record("Box._gb_runtime._tcp.local", 33, gb_test::srv_rdata(4242, "box.local"));
const std::string a_record = gb_test::dns_record("box.local", 1, gb_test::a_rdata(10, 77, 0, 9));
std::string response(const std::vector<std::string> &records) {
    return gb_test::dns_message({}, records);
}

struct DatagramCase {
    const char *label;
    std::vector<std::string> datagrams;
    int exit_code;
    const char *output;
};

class DiscoveryOfHandMadeResponses : public testing::TestWithParam<DatagramCase> {};

// Sends the datagrams from the server side ten times a second while the client listens.
TEST_P(DiscoveryOfHandMadeResponses, NeedsSrvAndAInOneDatagram) {
    NamespacePair pair;
    SKIP_WITHOUT_NAMESPACES(pair);
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
    testing::Values(
        DatagramCase{"together", {response({srv_record, a_record})}, 0, "10.77.0.9 4242\n"},
        DatagramCase{
            "apart", {response({srv_record}), response({a_record})}, 1, "no server found\n"}),
    [](const testing::TestParamInfo<DatagramCase> &tested) { return tested.param.label; });

} // namespace
