// The simulated watch over loopback, in-process and as its own program, driven by our client.
#include "clockfit/clockfit.h"
#include "obex/client.h"
#include "obex/transports.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempDir.h"
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchHandler.h"
#include "watchsim/WatchServer.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using obex::Status;

// 2026-03-14 22:10:05 UTC, a Saturday.
constexpr std::time_t kNow = 1773526205;

std::unique_ptr<obex::Client> connectTo(int port)
{
    auto stream = obex::tcp_connect("127.0.0.1", port, obex::deadline_after(std::chrono::seconds(5)));
    if (!stream)
        return nullptr;
    auto client = std::make_unique<obex::Client>(std::move(stream), std::chrono::milliseconds(5000));
    if (client->connect() != Status::ok)
        return nullptr;
    return client;
}

Status get(obex::Client& client, const std::string& name, Bytes& body)
{
    body.clear();
    Status status = client.get_begin(name);
    bool end = false;
    while (status == Status::ok && !end) {
        uint8_t block[256];
        size_t got = 0;
        status = client.get_read(block, sizeof block, got, end);
        body.insert(body.end(), block, block + got);
    }
    return status;
}

Status put(obex::Client& client, const std::string& name, const Bytes& body)
{
    Status status = client.put_begin(name);
    if (status == Status::ok && !body.empty())
        status = client.put_write(body);
    return status == Status::ok ? client.put_finish() : status;
}

Bytes command(const std::string& name)
{
    Bytes body(name.begin(), name.end());
    body.push_back(0);
    return body;
}

TEST(TimeSyncFile, CarriesTheWatchLocalTimeAndItsDifference)
{
    struct Case
    {
        int offset;
        int hour, day, weekday;
        uint8_t diffByte;
    };
    const Case cases[] = {
        {0, 22, 14, 6, 0x00},
        {18, 7, 15, 0, 0x12},   // +9:00 crosses midnight into Sunday
        {-11, 16, 14, 6, 0x75}, // -5:30
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        const Bytes file = watchsim::TimeSyncFile(kNow, c.offset);
        ASSERT_EQ(file.size(), size_t(CLOCKFIT_FILE_SIZE));
        uint8_t date[8], time[4];
        ASSERT_EQ(rez_clockfit(file.data(), CLOCKFIT_FILE_SIZE, date, time), 0);
        EXPECT_EQ(date[0] | date[1] << 8, 2026);
        EXPECT_EQ(date[3], 3);
        EXPECT_EQ(date[2], c.day);
        EXPECT_EQ(date[4], c.weekday);
        EXPECT_EQ(time[1], c.hour);
        EXPECT_EQ(time[0], c.offset == -11 ? 40 : 10);
        EXPECT_EQ(time[2], 5);
        EXPECT_EQ(time[3], c.diffByte);
    }
    EXPECT_TRUE(watchsim::TimeSyncFile(kNow, 64).empty());
}

class WatchServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(root.empty());
        ASSERT_TRUE(watchsim::WriteSampleWatch(root));
        store = std::make_unique<watchsim::WatchStore>(root);
        handler = std::make_unique<watchsim::WatchHandler>(*store, 18, &log, [] { return kNow; });
        server = watchsim::WatchServer::Start(*handler, "127.0.0.1", 0);
        ASSERT_NE(server, nullptr);
    }
    void TearDown() override { server.reset(); }

    TempDir temp{"watchserver"};
    const fs::path root = temp.path();
    std::ostringstream log;
    std::unique_ptr<watchsim::WatchStore> store;
    std::unique_ptr<watchsim::WatchHandler> handler;
    std::unique_ptr<watchsim::WatchServer> server;
};

TEST_F(WatchServerTest, ServesTheStoreAndTheGeneratedFiles)
{
    auto client = connectTo(server->port());
    ASSERT_NE(client, nullptr);
    Bytes body;
    ASSERT_EQ(get(*client, "system.cfg", body), Status::ok);
    EXPECT_EQ(body, readFileBytes(root / "system.cfg"));
    ASSERT_EQ(get(*client, "/halcyon/pgm/filelist.dat", body), Status::ok);
    EXPECT_EQ(body, store->FileList());
    ASSERT_EQ(get(*client, "/watch/timesync.wsy", body), Status::ok);
    EXPECT_EQ(body, watchsim::TimeSyncFile(kNow, 18));

    EXPECT_EQ(get(*client, "missing.krx", body), Status::refused);
    EXPECT_EQ(client->last_response() & 0x7F, obex::response::not_found & 0x7F);
    EXPECT_EQ(get(*client, "../" + root.filename().string() + "/system.cfg", body), Status::refused);
    EXPECT_EQ(client->last_response() & 0x7F, obex::response::forbidden & 0x7F);
    // The session stays usable after a refusal.
    ASSERT_EQ(get(*client, "world.ini", body), Status::ok);
    EXPECT_EQ(body.size(), 544u);
    EXPECT_EQ(client->disconnect(), Status::ok);
    EXPECT_NE(log.str().find("GET /halcyon/pgm/filelist.dat"), std::string::npos);
}

TEST_F(WatchServerTest, StoresPutsAndRunsDeletionCommands)
{
    auto client = connectTo(server->port());
    ASSERT_NE(client, nullptr);
    const Bytes settings(79, 0x81);
    EXPECT_EQ(put(*client, "system.cfg", settings), Status::ok);
    EXPECT_EQ(readFileBytes(root / "system.cfg"), settings);
    const Bytes picture = watchsim::KrxFile(Bytes(48, 0x0F), 1);
    EXPECT_EQ(put(*client, "mmd0601.krx", picture), Status::ok);
    EXPECT_EQ(readFileBytes(root / "mmd0601.krx"), picture);

    ASSERT_TRUE(fs::exists(root / "mmd0214.krx"));
    EXPECT_EQ(put(*client, "/halcyon/pgm/ffs_delete.cmd", command("mmd0214.krx")), Status::ok);
    EXPECT_FALSE(fs::exists(root / "mmd0214.krx"));
    EXPECT_FALSE(fs::exists(root / "halcyon" / "pgm" / "ffs_delete.cmd")) << "the command is not stored";

    struct Refusal
    {
        const char* name;
        Bytes body;
    };
    const Refusal refusals[] = {
        {"system.cfg", Bytes(10, 0)},
        {"/halcyon/pgm/filelist.dat", Bytes(16, 0)},
        {"/halcyon/pgm/ffs_delete.cmd", Bytes{'x'}},
        {"../escape.krx", picture},
        {"notes.txt", Bytes{'x'}},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(put(*client, r.name, r.body), Status::refused);
    }
    EXPECT_EQ(readFileBytes(root / "system.cfg"), settings);
    EXPECT_FALSE(fs::exists(root.parent_path() / "escape.krx"));
    EXPECT_EQ(client->disconnect(), Status::ok);
}

TEST_F(WatchServerTest, CountsRequestsAndWireBytes)
{
    server->ResetTraffic();
    auto client = connectTo(server->port());
    ASSERT_NE(client, nullptr);
    Bytes body;
    ASSERT_EQ(get(*client, "system.cfg", body), Status::ok);
    ASSERT_EQ(client->disconnect(), Status::ok);
    const auto traffic = server->traffic();
    EXPECT_EQ(traffic.requests, 3u) << "connect, one GET, disconnect";
    EXPECT_GT(traffic.bytesSent, 79u);
    EXPECT_GT(traffic.bytesReceived, 0u);
}

TEST_F(WatchServerTest, ServesOneClientAfterAnother)
{
    for (int round = 0; round < 2; ++round) {
        auto client = connectTo(server->port());
        ASSERT_NE(client, nullptr);
        Bytes body;
        EXPECT_EQ(get(*client, "system.cfg", body), Status::ok);
        EXPECT_EQ(client->disconnect(), Status::ok);
    }
}

// The program: port 0 picks a free port and the first line of its output names it.
TEST(WatchProgram, PrintsItsPortAndServesUntilTerminated)
{
    const TempDir temp("watchprogram");
    const fs::path root = temp.path();
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(KELPSET_WATCH_BIN, KELPSET_WATCH_BIN, "--root", root.c_str(), "--listen", "127.0.0.1:0",
              "--sample", "--utc-offset", "-10", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(out[0]);
    const int port = std::atoi(line.c_str());
    EXPECT_GT(port, 0) << "first line: " << line;
    if (port > 0) {
        auto client = connectTo(port);
        ASSERT_NE(client, nullptr);
        Bytes body;
        EXPECT_EQ(get(*client, "/watch/timesync.wsy", body), Status::ok);
        uint8_t date[8], time[4];
        ASSERT_EQ(rez_clockfit(body.data(), static_cast<int>(body.size()), date, time), 0);
        EXPECT_EQ(time[3], uint8_t(-10 & 0x7F));
        EXPECT_EQ(client->disconnect(), Status::ok);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readFileBytes(root / "system.cfg").size(), 79u);
}

TEST(WatchProgram, RefusesBadArguments)
{
    for (const char* listen : {"127.0.0.1", "127.0.0.1:70000", "127.0.0.1:x"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            freopen("/dev/null", "w", stderr);
            execl(KELPSET_WATCH_BIN, KELPSET_WATCH_BIN, "--root", "/tmp", "--listen", listen,
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << listen;
    }
}

} // namespace
