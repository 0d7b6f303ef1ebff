// The obx_* contract end to end: OBEX.INI lookup, TCP to an in-process server, 256-byte blocks.
#include "memory_handler.h"
#include "obex/obx.h"
#include "obex/packet_io.h"
#include "obex/transports.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace obex;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

namespace {

class Obx : public ::testing::Test
{
protected:
    void SetUp() override
    {
        home = fs::temp_directory_path() / ("kelpset-obx-" + std::to_string(::getpid()));
        fs::create_directories(home / "seaglass");
        ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        server = TcpServer::start(handler, "127.0.0.1", 0);
        ASSERT_NE(server, nullptr);
        write_ini("[Interface]\r\n0=tcp:127.0.0.1:" + std::to_string(server->port()) + "\r\n");
        obx_set_timeout(2000);
    }
    void TearDown() override
    {
        server.reset();
        fs::remove_all(home);
    }
    void write_ini(const std::string& text) { std::ofstream(home / "seaglass" / "OBEX.INI") << text; }

    Bytes fetch(int connection, const char* name)
    {
        const int transfer = obx_open(connection, name, OBX_FETCH);
        EXPECT_NE(transfer, 0);
        Bytes out;
        char buffer[256];
        for (int n; (n = obx_get(connection, transfer, buffer, sizeof buffer)) != -2;) {
            if (n < 0) {
                ADD_FAILURE() << "obx_get " << n;
                break;
            }
            out.insert(out.end(), buffer, buffer + n);
        }
        EXPECT_EQ(obx_close(connection, transfer), 0);
        return out;
    }

    fs::path home;
    MemoryHandler handler;
    std::unique_ptr<TcpServer> server;
};

} // namespace

TEST_F(Obx, FetchesAndPutsInBlocks)
{
    const int c = obx_connect(0);
    ASSERT_NE(c, 0);
    handler.files["/halcyon/pgm/filelist.dat"] = pattern(1000);
    handler.files["system.cfg"] = {};
    EXPECT_EQ(fetch(c, "/halcyon/pgm/filelist.dat"), pattern(1000));
    EXPECT_TRUE(fetch(c, "system.cfg").empty());

    const Bytes data = pattern(600);
    int t = obx_open(c, "up.dat", OBX_PUT);
    ASSERT_NE(t, 0);
    for (std::size_t pos = 0; pos < data.size(); pos += 256) {
        const int n = static_cast<int>(std::min<std::size_t>(256, data.size() - pos));
        EXPECT_EQ(obx_put(c, t, reinterpret_cast<const char*>(data.data() + pos), n), n);
    }
    EXPECT_EQ(obx_close(c, t), 0);
    EXPECT_EQ(handler.files["up.dat"], data);

    // An empty command still creates the remote file.
    t = obx_open(c, "/halcyon/pgm/ffs_delete.cmd", OBX_PUT);
    EXPECT_EQ(obx_put(c, t, "", 0), 0);
    EXPECT_EQ(obx_close(c, t), 0);
    EXPECT_EQ(handler.files.count("/halcyon/pgm/ffs_delete.cmd"), 1u);
    obx_disconnect(c);
}

TEST_F(Obx, FailuresGiveTheirCodes)
{
    EXPECT_EQ(obx_connect(1), 0) << "no endpoint for USB";
    for (const char* endpoint : {"tcp:127.0.0.1:1", "tcp:127.0.0.1", "tcp::80", "/nonexistent/tty"}) {
        write_ini(std::string("[Interface]\r\n0=") + endpoint + "\r\n");
        EXPECT_EQ(obx_connect(0), 0) << endpoint;
    }
    write_ini("[Interface]\r\n0=tcp:127.0.0.1:" + std::to_string(server->port()) + "\r\n");
    const int c = obx_connect(0);
    ASSERT_NE(c, 0);
    char buffer[256];
    EXPECT_EQ(obx_open(c, "missing", OBX_FETCH), 0);
    EXPECT_EQ(obx_open(c, "x", 3), 0);
    EXPECT_EQ(obx_open(c + 1, "x", OBX_PUT), 0);
    EXPECT_EQ(obx_get(c, 12345, buffer, 256), -1);
    EXPECT_EQ(obx_put(c, 12345, buffer, 1), -1);

    // A put the watch refuses fails at close; the abort that follows is harmless.
    const int t = obx_open(c, "readonly", OBX_PUT);
    ASSERT_NE(t, 0);
    EXPECT_EQ(obx_put(c, t, "abc", 3), 3);
    EXPECT_NE(obx_close(c, t), 0);
    obx_abort(c, t);
    handler.files["after"] = pattern(9);
    EXPECT_EQ(fetch(c, "after"), pattern(9));
    obx_disconnect(c);
    EXPECT_EQ(obx_get(c, t, buffer, 256), -1) << "handle gone after disconnect";
}

TEST_F(Obx, GetStopsAskingAgainOnceTheDeadlinePassed)
{
    // A peer that accepts the session and then answers every GET with an empty Continue.
    auto listener = TcpListener::listen("127.0.0.1", 0);
    ASSERT_NE(listener, nullptr);
    std::thread peer([&] {
        auto s = listener->accept(deadline_after(5s));
        Bytes raw;
        if (!s || read_packet(*s, deadline_after(5s), 5s, 0xFFFF, raw) != ReadResult::ok)
            return;
        const Bytes ok = {0xA0, 0x00, 0x07, 0x10, 0x00, 0xFF, 0xFF}, more = {0x90, 0x00, 0x03};
        s->write_all(ok.data(), ok.size(), deadline_after(1s));
        while (read_packet(*s, deadline_after(5s), 5s, 0xFFFF, raw) == ReadResult::ok)
            s->write_all(more.data(), more.size(), deadline_after(1s));
    });
    write_ini("[Interface]\r\n1=tcp:127.0.0.1:" + std::to_string(listener->port()) + "\r\n");
    obx_set_timeout(300);
    const int c = obx_connect(1);
    ASSERT_NE(c, 0);
    const int t = obx_open(c, "f", OBX_FETCH);
    ASSERT_NE(t, 0);
    char buffer[256];
    const auto start = Clock::now();
    int n = 0;
    while ((n = obx_get(c, t, buffer, sizeof buffer)) == 0 && Clock::now() - start < 5s) {
    }
    EXPECT_EQ(n, -1);
    EXPECT_LT(Clock::now() - start, 1s);
    obx_abort(c, t);
    obx_disconnect(c);
    peer.join();
}

TEST_F(Obx, ConnectionsOnSeveralThreadsStayApart)
{
    MemoryHandler usb_handler;
    auto usb = TcpServer::start(usb_handler, "127.0.0.1", 0);
    ASSERT_NE(usb, nullptr);
    write_ini("[Interface]\r\n0=tcp:127.0.0.1:" + std::to_string(server->port()) +
              "\r\n1=tcp:127.0.0.1:" + std::to_string(usb->port()) + "\r\n");
    handler.files["f"] = pattern(3000);
    usb_handler.files["f"] = pattern(777);

    auto work = [this](unsigned char code, const Bytes& expected, int& failures) {
        for (int round = 0; round < 20; ++round) {
            const int c = obx_connect(code);
            if (c == 0 || fetch(c, "f") != expected)
                ++failures;
            obx_disconnect(c);
        }
    };
    int failures_irda = 0, failures_usb = 0;
    std::thread irda(work, 0, pattern(3000), std::ref(failures_irda));
    std::thread usb_thread(work, 1, pattern(777), std::ref(failures_usb));
    irda.join();
    usb_thread.join();
    EXPECT_EQ(failures_irda, 0);
    EXPECT_EQ(failures_usb, 0);
}
