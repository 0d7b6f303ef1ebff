// A foreign OBEX client against the simulated watch: Debian's obexftp fetches and sends files
// over loopback. Its exit status says nothing, so the files are checked.
#include "tests/support/FileBytes.h"
#include "tests/support/TempDir.h"
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchHandler.h"
#include "watchsim/WatchServer.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

TEST(ObexFtpPeer, GetsAndPutsFilesOnTheWatch)
{
    if (access("/usr/bin/obexftp", X_OK) != 0)
        GTEST_SKIP() << "obexftp is not installed";
    const TempDir temp("obexftp-peer");
    const fs::path base = temp.path();
    const fs::path root = base / "watch";
    const fs::path local = base / "pc";
    fs::create_directories(local);
    ASSERT_TRUE(watchsim::WriteSampleWatch(root));
    watchsim::WatchStore store(root);
    watchsim::WatchHandler handler(store, 0, nullptr);
    auto server = watchsim::WatchServer::Start(handler, "127.0.0.1", 0);
    ASSERT_NE(server, nullptr);

    const Bytes picture = watchsim::KrxFile(Bytes(48, 0x3C), 1);
    ASSERT_TRUE(watchsim::WriteFileBytes(local / "mmd1111.krx", picture));
    const std::string peer = "obexftp -n 127.0.0.1:" + std::to_string(server->port()) + " -U none -H -S ";
    const std::string get = "cd " + local.string() + " && " + peer + "-g system.cfg >/dev/null 2>&1";
    const std::string send = "cd " + local.string() + " && " + peer + "-p mmd1111.krx >/dev/null 2>&1";
    [[maybe_unused]] const int getStatus = std::system(get.c_str());
    [[maybe_unused]] const int sendStatus = std::system(send.c_str());

    EXPECT_EQ(readFileBytes(local / "system.cfg"), readFileBytes(root / "system.cfg"));
    EXPECT_EQ(readFileBytes(root / "mmd1111.krx"), picture);
    server.reset();
}

} // namespace
