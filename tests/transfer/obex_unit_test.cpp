// TObexUnit against the scripted engine: progress lines, result codes and the calls made.
#include "fake_obx.h"
#include "session_env.h"
#include "tests/support/TempDir.h"
#include "transfer/TObexUnit.h"

#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using fake_obx::bytes;
using fake_obx::code;
using fake_obx::script;

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::string& data)
{
    std::ofstream(path, std::ios::binary) << data;
}

std::vector<std::string> calls(std::initializer_list<const char*> list)
{
    return {list.begin(), list.end()};
}

class ObexUnitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureCommonData();
        fake_obx::reset();
        ASSERT_FALSE(dir.empty());
    }

    // A connected unit with the construction line and the connect call already cleared.
    std::unique_ptr<TObexUnit> connected()
    {
        auto unit = std::make_unique<TObexUnit>(0, log);
        EXPECT_EQ(unit->Connect(), 0);
        log.events.clear();
        script().calls.clear();
        return unit;
    }

    TempDir temp{"obexunit"};
    const fs::path dir = temp.path();
    RecordingLog log;
};

TEST_F(ObexUnitTest, ConstructionNamesTheLinkAndConnectPassesTheCode)
{
    struct Case
    {
        uint8_t code;
        const char* line;
    };
    for (const Case c :
         {Case{0, "Interface : IrDA"}, Case{1, "Interface : USB"}, Case{2, "Interface : USB"}}) {
        fake_obx::reset();
        RecordingLog caseLog;
        {
            TObexUnit unit(c.code, caseLog);
            EXPECT_TRUE(script().calls.empty()) << "construction must not connect";
            EXPECT_EQ(unit.Connect(), 0);
        }
        EXPECT_EQ(caseLog.lines, QStringList{c.line});
        EXPECT_EQ(script().calls.front(), "connect " + std::to_string(c.code));
        EXPECT_EQ(script().calls.back(), "disconnect 7") << "destruction ends the connection";
    }
}

TEST_F(ObexUnitTest, FailedConnectLeavesNothingToEnd)
{
    script().connectResult = 0;
    {
        TObexUnit unit(1, log);
        EXPECT_EQ(unit.Connect(), TObexUnit::kConnectFailed);
    }
    EXPECT_EQ(script().calls, calls({"connect 1"}));
}

TEST_F(ObexUnitTest, GetWithoutSizeCountsBytesOnOneLine)
{
    auto unit = connected();
    script().gets = {bytes(std::string(256, 'a')), bytes(std::string(44, 'b')), code(-2)};
    EXPECT_EQ(unit->GetFile((dir / "x.bin").c_str(), "/halcyon/pgm/filelist.dat", -1), 0);
    EXPECT_EQ(log.events, (QStringList{"+0 byte", "=256 byte", "=300 byte"}));
    EXPECT_EQ(readAll(dir / "x.bin"), std::string(256, 'a') + std::string(44, 'b'));
    EXPECT_EQ(script().calls, calls({"open 7 /halcyon/pgm/filelist.dat 1", "get 7 5 256", "get 7 5 256",
                                     "get 7 5 256", "close 7 5"}));
}

TEST_F(ObexUnitTest, GetShowsTheExpectedSizeAndWaitsThroughEmptyAnswers)
{
    auto unit = connected();
    script().gets = {code(0), code(0), bytes("abc"), code(-2)};
    EXPECT_EQ(unit->GetFile((dir / "x.bin").c_str(), "world.ini", 1000), 0);
    EXPECT_EQ(log.events, (QStringList{"+0/1000 byte", "=0/1000 byte", "=0/1000 byte", "=3/1000 byte"}));
    EXPECT_EQ(readAll(dir / "x.bin"), "abc");
}

TEST_F(ObexUnitTest, GetReplacesAnExistingLocalFile)
{
    writeAll(dir / "x.bin", "old content that is longer");
    auto unit = connected();
    script().gets = {bytes("new"), code(-2)};
    EXPECT_EQ(unit->GetFile((dir / "x.bin").c_str(), "system.cfg", -1), 0);
    EXPECT_EQ(readAll(dir / "x.bin"), "new");
}

TEST_F(ObexUnitTest, GetFailures)
{
    struct Case
    {
        const char* name;
        std::deque<fake_obx::GetStep> gets;
        int openResult;
        int closeResult;
        const char* local; // relative to the scratch folder
        int expected;
        std::vector<std::string> calls;
        const char* kept; // local content afterwards, or nullptr when no file may exist
    };
    const Case cases[] = {
        {"local file cannot be created",
         {},
         5,
         0,
         "missing/x.bin",
         TObexUnit::kLocalCreateFailed,
         {},
         nullptr},
        {"remote open refused", {}, 0, 0, "x.bin", TObexUnit::kOpenFailed, {"open 7 r 1"}, ""},
        {"engine error keeps the bytes so far",
         {bytes("abc"), code(-1)},
         5,
         0,
         "x.bin",
         TObexUnit::kGetFailed,
         {"open 7 r 1", "get 7 5 256", "get 7 5 256", "abort 7 5"},
         "abc"},
        {"count larger than the buffer",
         {bytes(std::string(300, 'z'))},
         5,
         0,
         "x.bin",
         TObexUnit::kGetFailed,
         {"open 7 r 1", "get 7 5 256", "abort 7 5"},
         ""},
        {"unknown negative count",
         {code(-3)},
         5,
         0,
         "x.bin",
         TObexUnit::kGetFailed,
         {"open 7 r 1", "get 7 5 256", "abort 7 5"},
         ""},
        {"close refused",
         {code(-2)},
         5,
         1,
         "x.bin",
         TObexUnit::kCloseFailed,
         {"open 7 r 1", "get 7 5 256", "close 7 5"},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir / "x.bin");
        auto unit = connected();
        script().gets = c.gets;
        script().openResult = c.openResult;
        script().closeResult = c.closeResult;
        EXPECT_EQ(unit->GetFile((dir / c.local).c_str(), "r", -1), c.expected);
        EXPECT_EQ(script().calls, c.calls);
        if (c.kept)
            EXPECT_EQ(readAll(dir / c.local), c.kept);
        else
            EXPECT_FALSE(fs::exists(dir / c.local));
    }
}

TEST_F(ObexUnitTest, GetReportsAFullDiskAtTheFailingBlock)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    auto unit = connected();
    script().gets = {bytes("abc"), code(-2)};
    EXPECT_EQ(unit->GetFile("/dev/full", "r", -1), TObexUnit::kLocalWriteFailed);
    EXPECT_EQ(script().calls, calls({"open 7 r 1", "get 7 5 256", "abort 7 5"}));
}

TEST_F(ObexUnitTest, PutSendsBlocksOfAtMost256Bytes)
{
    std::string content;
    for (int i = 0; i < 600; ++i)
        content += static_cast<char>(i % 251);
    writeAll(dir / "world.ini", content);
    auto unit = connected();
    EXPECT_EQ(unit->PutFile((dir / "world.ini").c_str(), "world.ini"), 0);
    EXPECT_EQ(log.events, (QStringList{"+0/600 byte", "=256/600 byte", "=512/600 byte", "=600/600 byte"}));
    EXPECT_EQ(script().calls,
              calls({"open 7 world.ini 2", "put 7 5 256", "put 7 5 256", "put 7 5 88", "close 7 5"}));
    std::string sent;
    for (const auto& block : script().putData)
        sent += block;
    EXPECT_EQ(sent, content);
}

TEST_F(ObexUnitTest, PutOfAnEmptyFileOpensAndClosesAtOnce)
{
    writeAll(dir / "empty", "");
    auto unit = connected();
    EXPECT_EQ(unit->PutFile((dir / "empty").c_str(), "empty.krx"), 0);
    EXPECT_EQ(log.events, QStringList{"+0/0 byte"});
    EXPECT_EQ(script().calls, calls({"open 7 empty.krx 2", "close 7 5"}));
}

TEST_F(ObexUnitTest, PutFailures)
{
    writeAll(dir / "data", std::string(300, 'd'));
    fs::create_directories(dir / "folder");
    struct Case
    {
        const char* name;
        const char* local;
        int openResult;
        std::deque<int> putResults;
        int closeResult;
        int expected;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"local file missing", "nothing", 5, {}, 0, TObexUnit::kLocalOpenFailed, {}},
        {"remote open refused", "data", 0, {}, 0, TObexUnit::kOpenFailed, {"open 7 r 2"}},
        {"local read fails", "folder", 5, {}, 0, TObexUnit::kLocalReadFailed, {"open 7 r 2", "abort 7 5"}},
        {"engine error",
         "data",
         5,
         {-1},
         0,
         TObexUnit::kPutRejected,
         {"open 7 r 2", "put 7 5 256", "abort 7 5"}},
        {"short acceptance",
         "data",
         5,
         {256, 10},
         0,
         TObexUnit::kPutRejected,
         {"open 7 r 2", "put 7 5 256", "put 7 5 44", "abort 7 5"}},
        {"close refused",
         "data",
         5,
         {},
         1,
         TObexUnit::kCloseFailed,
         {"open 7 r 2", "put 7 5 256", "put 7 5 44", "close 7 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto unit = connected();
        script().openResult = c.openResult;
        script().putResults = c.putResults;
        script().closeResult = c.closeResult;
        EXPECT_EQ(unit->PutFile((dir / c.local).c_str(), "r"), c.expected);
        EXPECT_EQ(script().calls, c.calls);
    }
}

TEST_F(ObexUnitTest, CommandPutsTheTextAndItsZero)
{
    struct Case
    {
        std::string text;
        int length;
        const char* logged;
    };
    const std::string longest(255, 'n');
    const Case cases[] = {
        {"mmd01.krx", 10, "mmd01.krx"},
        {"", 0, "/halcyon/pgm/ffs_delete.cmd"},
        {longest, 256, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto unit = connected();
        log.lines.clear();
        script().putData.clear();
        EXPECT_EQ(unit->PutCommand(c.text.c_str(), "/halcyon/pgm/ffs_delete.cmd"), 0);
        EXPECT_EQ(script().calls, calls({"open 7 /halcyon/pgm/ffs_delete.cmd 2",
                                         ("put 7 5 " + std::to_string(c.length)).c_str(), "close 7 5"}));
        ASSERT_EQ(script().putData.size(), 1u);
        EXPECT_EQ(script().putData[0], c.length == 0 ? std::string() : c.text + '\0');
        EXPECT_EQ(log.lines, QStringList{c.logged ? QString(c.logged) : QString::fromStdString(c.text)});
    }
}

TEST_F(ObexUnitTest, CommandFailures)
{
    struct Case
    {
        const char* name;
        std::string text;
        int openResult;
        std::deque<int> putResults;
        int closeResult;
        int expected;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"text too long for one block", std::string(256, 'n'), 5, {}, 0, TObexUnit::kPutRejected, {}},
        {"open refused", "a.krx", 0, {}, 0, TObexUnit::kOpenFailed, {"open 7 c 2"}},
        {"put refused",
         "a.krx",
         5,
         {-1},
         0,
         TObexUnit::kPutRejected,
         {"open 7 c 2", "put 7 5 6", "abort 7 5"}},
        {"put short", "a.krx", 5, {5}, 0, TObexUnit::kPutRejected, {"open 7 c 2", "put 7 5 6", "abort 7 5"}},
        {"close refused",
         "a.krx",
         5,
         {},
         3,
         TObexUnit::kCloseFailed,
         {"open 7 c 2", "put 7 5 6", "close 7 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto unit = connected();
        script().openResult = c.openResult;
        script().putResults = c.putResults;
        script().closeResult = c.closeResult;
        EXPECT_EQ(unit->PutCommand(c.text.c_str(), "c"), c.expected);
        EXPECT_EQ(script().calls, c.calls);
    }
}

TEST_F(ObexUnitTest, DestructionAbandonsAnOpenTransferBeforeDisconnecting)
{
    {
        auto unit = connected();
        script().gets = {code(-2)};
        script().closeResult = 1;
        EXPECT_EQ(unit->GetFile((dir / "x").c_str(), "r", -1), TObexUnit::kCloseFailed);
        script().calls.clear();
    }
    EXPECT_EQ(script().calls, calls({"abort 7 5", "disconnect 7"}));
}

TEST_F(ObexUnitTest, DisconnectThenDestructionEndsOnce)
{
    {
        auto unit = connected();
        unit->Disconnect();
    }
    EXPECT_EQ(script().calls, calls({"disconnect 7"}));
}

} // namespace
