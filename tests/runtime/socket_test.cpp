#include "runtime/socket.h"
#include "runtime/udp.h"
#include "tests/runtime/socket_probe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr SocketHandle invalid_socket = VORTELAN_GB_RUNTIME_INVALID_SOCKET;

TEST(SocketLibrary, CountsReferences) {
    ASSERT_EQ(vortelan_gb_runtime_net_reference_count(), 0);
    EXPECT_EQ(vortelan_gb_runtime_net_init(), 0);
    EXPECT_EQ(vortelan_gb_runtime_net_init(), 0);
    vortelan_gb_runtime_net_shutdown();
    EXPECT_EQ(vortelan_gb_runtime_net_reference_count(), 1);
    vortelan_gb_runtime_net_shutdown();
    vortelan_gb_runtime_net_shutdown();
    EXPECT_EQ(vortelan_gb_runtime_net_reference_count(), 0);
    EXPECT_EQ(vortelan_gb_runtime_net_init(), 0);
    EXPECT_EQ(vortelan_gb_runtime_net_reference_count(), 1);
    vortelan_gb_runtime_net_shutdown();
}

TEST(SocketErrorString, FormatsIntoOneSharedBuffer) {
    const char *first = vortelan_gb_runtime_socket_error_string(10054);
    EXPECT_STREQ(first, "WinSock error 10054");
    const char *second = vortelan_gb_runtime_socket_error_string(-2147483647 - 1);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "WinSock error -2147483648");
}

using gb_test::can_bind_sharing_address;
using gb_test::is_blocking;
using gb_test::port_of;

// Every test holds one library reference, as callers of the TCP operations do.
class Tcp : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(vortelan_gb_runtime_net_init(), 0); }
    void TearDown() override { vortelan_gb_runtime_net_shutdown(); }

    // Listener on an ephemeral port of every interface, plus a connection to it.
    void connect_pair(const char *host, bool nonblocking_listener) {
        listener = vortelan_gb_runtime_tcp_listen_ipv4(0, 4, nonblocking_listener);
        ASSERT_NE(listener, invalid_socket);
        client = vortelan_gb_runtime_tcp_connect(host, port_of(listener));
        ASSERT_NE(client, invalid_socket);
        ASSERT_EQ(vortelan_gb_runtime_socket_wait_readable(listener, 5000), 1);
        server = vortelan_gb_runtime_tcp_accept(listener);
        ASSERT_NE(server, invalid_socket);
    }

    ~Tcp() override {
        for (SocketHandle handle : {listener, client, server}) {
            if (handle != invalid_socket) {
                vortelan_gb_runtime_socket_close(handle);
            }
        }
    }

    SocketHandle listener = invalid_socket;
    SocketHandle client = invalid_socket;
    SocketHandle server = invalid_socket;
};

class TcpByHost : public Tcp, public testing::WithParamInterface<const char *> {};

TEST_P(TcpByHost, CarriesBytesBothWaysUntilThePeerCloses) {
    connect_pair(GetParam(), false);
    EXPECT_TRUE(is_blocking(client));
    EXPECT_TRUE(is_blocking(server));

    EXPECT_EQ(vortelan_gb_runtime_socket_write(client, "ping", 4), 4);
    char received[8] = {};
    EXPECT_EQ(vortelan_gb_runtime_socket_read(server, received, sizeof received), 4);
    EXPECT_EQ(std::string(received, 4), "ping");

    vortelan_gb_runtime_socket_close(client);
    client = invalid_socket;
    EXPECT_EQ(vortelan_gb_runtime_socket_read(server, received, sizeof received), 0);
}

// "localhost" may resolve to ::1 first, which the IPv4 listener refuses: the next address
// must be tried.
INSTANTIATE_TEST_SUITE_P(Socket, TcpByHost, testing::Values("127.0.0.1", "localhost"));

TEST_F(Tcp, NonBlockingListenerReportsWouldBlockThenAcceptsBlockingConnection) {
    listener = vortelan_gb_runtime_tcp_listen_ipv4(0, 4, true);
    ASSERT_NE(listener, invalid_socket);
    EXPECT_EQ(vortelan_gb_runtime_tcp_accept(listener), invalid_socket);
    EXPECT_TRUE(
        vortelan_gb_runtime_socket_error_would_block(vortelan_gb_runtime_socket_last_error()));

    vortelan_gb_runtime_socket_close(listener);
    listener = invalid_socket;
    connect_pair("127.0.0.1", true);
    EXPECT_TRUE(is_blocking(server));
    EXPECT_EQ(vortelan_gb_runtime_tcp_accept(listener), invalid_socket);
    EXPECT_TRUE(
        vortelan_gb_runtime_socket_error_would_block(vortelan_gb_runtime_socket_last_error()));
}

TEST_F(Tcp, NonBlockingReadWithoutDataWouldBlock) {
    connect_pair("127.0.0.1", false);
    ASSERT_EQ(vortelan_gb_runtime_socket_set_nonblocking(server), 0);
    char received[8];
    EXPECT_EQ(vortelan_gb_runtime_socket_read(server, received, sizeof received), -1);
    EXPECT_TRUE(
        vortelan_gb_runtime_socket_error_would_block(vortelan_gb_runtime_socket_last_error()));
}

TEST_F(Tcp, WriteToResetPeerReportsLostConnectionInsteadOfEndingTheProcess) {
    connect_pair("127.0.0.1", false);
    gb_test::reset_on_close(server);
    vortelan_gb_runtime_socket_close(server);
    server = invalid_socket;

    // The first failed send reports the reset; the ones after it are sends on a broken pipe.
    int64_t written = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        written = vortelan_gb_runtime_socket_write(client, "x", 1);
    }
    EXPECT_EQ(written, -1);
    EXPECT_TRUE(
        vortelan_gb_runtime_socket_error_connection_lost(vortelan_gb_runtime_socket_last_error()));
}

TEST_F(Tcp, ConnectToClosedPortFails) {
    listener = vortelan_gb_runtime_tcp_listen_ipv4(0, 1, false);
    ASSERT_NE(listener, invalid_socket);
    uint16_t port = port_of(listener);
    vortelan_gb_runtime_socket_close(listener);
    listener = invalid_socket;
    EXPECT_EQ(vortelan_gb_runtime_tcp_connect("127.0.0.1", port), invalid_socket);
    EXPECT_FALSE(
        vortelan_gb_runtime_socket_error_connection_lost(vortelan_gb_runtime_socket_last_error()));
}

TEST_F(Tcp, ListenOnPortInUseFails) {
    listener = vortelan_gb_runtime_tcp_listen_ipv4(0, 1, false);
    ASSERT_NE(listener, invalid_socket);
    EXPECT_EQ(vortelan_gb_runtime_tcp_listen_ipv4(port_of(listener), 1, false), invalid_socket);
    // Nor may another program take the port by asking to share addresses.
    EXPECT_FALSE(can_bind_sharing_address(port_of(listener)));
}

TEST_F(Tcp, PortOutsideItsRangeIsRefusedWithoutSending) {
    listener = vortelan_gb_runtime_tcp_listen_ipv4(0, 4, false);
    ASSERT_NE(listener, invalid_socket);
    for (uint32_t port : {0u, 65536u + port_of(listener)}) {
        EXPECT_EQ(vortelan_gb_runtime_tcp_connect("127.0.0.1", port), invalid_socket) << port;
        EXPECT_EQ(vortelan_gb_runtime_socket_last_error(), gb_test::invalid_argument_error);
    }
    EXPECT_EQ(vortelan_gb_runtime_socket_wait_readable(listener, 100), 0);
}

// A program started while sockets are open must not keep their ports after we end.
TEST_F(Tcp, LaunchedProgramInheritsNoSocket) {
    connect_pair("127.0.0.1", false);
    SocketHandle datagrams = vortelan_gb_runtime_udp_open();
    ASSERT_NE(datagrams, invalid_socket);
    EXPECT_EQ(gb_test::sockets_held_by_launched_program({listener, client, server, datagrams}), 0);
    vortelan_gb_runtime_socket_close(datagrams);
}

} // namespace
