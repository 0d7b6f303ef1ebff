// TObexUnit through the real engine against the simulated watch on loopback.
#include "session_env.h"
#include "tests/support/FileBytes.h"
#include "transfer/TObexUnit.h"
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchHandler.h"
#include "watchsim/WatchServer.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class LiveSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureCommonData();
        base = SessionHome() / "live";
        fs::remove_all(base);
        fs::create_directories(base / "pc");
        ASSERT_TRUE(watchsim::WriteSampleWatch(base / "watch"));
        store = std::make_unique<watchsim::WatchStore>(base / "watch");
        handler = std::make_unique<watchsim::WatchHandler>(*store, 0, nullptr);
        server = watchsim::WatchServer::Start(*handler, "127.0.0.1", 0);
        ASSERT_NE(server, nullptr);
        // Interface code 0 (IrDA) reaches the watch on its loopback port.
        std::ofstream(SessionHome() / "seaglass" / "OBEX.INI", std::ios::binary)
            << "[Interface]\r\n0=tcp:127.0.0.1:" << server->port() << "\r\n";
    }
    void TearDown() override
    {
        server.reset();
        fs::remove_all(base);
    }

    fs::path base;
    RecordingLog log;
    std::unique_ptr<watchsim::WatchStore> store;
    std::unique_ptr<watchsim::WatchHandler> handler;
    std::unique_ptr<watchsim::WatchServer> server;
};

TEST_F(LiveSessionTest, ReceivesSendsAndDeletesOnTheWatch)
{
    const fs::path watch = base / "watch";
    const fs::path pc = base / "pc";
    TObexUnit unit(0, log);
    ASSERT_EQ(unit.Connect(), 0);

    EXPECT_EQ(unit.GetFile((pc / "system.cfg").c_str(), "system.cfg", -1), 0);
    EXPECT_EQ(readFileBytes(pc / "system.cfg"), readFileBytes(watch / "system.cfg"));
    EXPECT_EQ(log.lines.last(), "79 byte");
    EXPECT_EQ(unit.GetFile((pc / "filelist.dat").c_str(), "/halcyon/pgm/filelist.dat", -1), 0);
    EXPECT_EQ(readFileBytes(pc / "filelist.dat"), store->FileList());
    const Bytes daily = readFileBytes(watch / "dailybmp.krx");
    EXPECT_EQ(unit.GetFile((pc / "dailybmp.krx").c_str(), "dailybmp.krx", static_cast<int>(daily.size())), 0);
    EXPECT_EQ(readFileBytes(pc / "dailybmp.krx"), daily);
    EXPECT_EQ(log.lines.last(), QString("%1/%1 byte").arg(daily.size()));

    EXPECT_EQ(unit.PutCommand("mmd0214.krx", "/halcyon/pgm/ffs_delete.cmd"), 0);
    EXPECT_FALSE(fs::exists(watch / "mmd0214.krx"));
    Bytes world = watchsim::SampleWorld();
    world[16] = 2;
    ASSERT_TRUE(watchsim::WriteFileBytes(pc / "world.ini", world));
    EXPECT_EQ(unit.PutFile((pc / "world.ini").c_str(), "world.ini"), 0);
    EXPECT_EQ(readFileBytes(watch / "world.ini"), world);

    unit.Disconnect();
}

TEST_F(LiveSessionTest, RefusalsOfTheWatchBecomeResultCodes)
{
    const fs::path pc = base / "pc";
    ASSERT_TRUE(watchsim::WriteFileBytes(pc / "short.cfg", Bytes(10, 1)));
    {
        TObexUnit unit(0, log);
        ASSERT_EQ(unit.Connect(), 0);
        const int missing = unit.GetFile((pc / "x.krx").c_str(), "mmd0909.krx", -1);
        EXPECT_TRUE(missing == TObexUnit::kOpenFailed || missing == TObexUnit::kGetFailed) << missing;
    }
    {
        // A settings file of the wrong size is refused when the put is closed.
        TObexUnit unit(0, log);
        ASSERT_EQ(unit.Connect(), 0);
        EXPECT_EQ(unit.PutFile((pc / "short.cfg").c_str(), "system.cfg"), TObexUnit::kCloseFailed);
    }
    {
        TObexUnit unit(0, log);
        ASSERT_EQ(unit.Connect(), 0);
        EXPECT_EQ(unit.PutCommand("", "/halcyon/pgm/ffs_delete.cmd"), TObexUnit::kCloseFailed);
    }
    EXPECT_EQ(readFileBytes(base / "watch" / "system.cfg"), watchsim::SampleSettings());
    // The watch still serves a new session after the refusals.
    TObexUnit unit(0, log);
    ASSERT_EQ(unit.Connect(), 0);
    EXPECT_EQ(unit.GetFile((pc / "system.cfg").c_str(), "system.cfg", -1), 0);
}

TEST_F(LiveSessionTest, NoWatchMeansConnectFails)
{
    std::ofstream(SessionHome() / "seaglass" / "OBEX.INI", std::ios::binary)
        << "[Interface]\r\n0=tcp:127.0.0.1:1\r\n";
    TObexUnit unit(0, log);
    EXPECT_EQ(unit.Connect(), TObexUnit::kConnectFailed);
}

} // namespace
