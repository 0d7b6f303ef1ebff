#include "clockfit/clockfit.h"
#include "reeflink/reeflink.h"
#include "tests/reeflink/temp_dir.h"

#include <array>

namespace {

using Bytes = std::vector<unsigned char>;
using Texts = std::vector<std::string>;

Bytes entry(uint32_t size, const std::string& name)
{
    Bytes e(11, 0xEE);
    for (int i = 0; i < 4; ++i)
        e.push_back(uint8_t(size >> (8 * i)));
    e.push_back(uint8_t(name.size()));
    e.insert(e.end(), name.begin(), name.end());
    return e;
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class FilelistTest : public TempDirTest
{
};

TEST_F(FilelistTest, ReadsEntriesAndStopsAsDescribed)
{
    const Bytes two = concat({entry(512, "world.ini"), entry(0xFFFFFFFF, "mmd0101.krx")});
    const Bytes cutName = [] {
        Bytes e = entry(5, "abcdef");
        e.resize(e.size() - 2);
        return e;
    }();
    Bytes withZero = entry(7, "a.krx");
    withZero[16 + 1] = 0; // name cut at its first zero byte
    struct Case
    {
        const char* name;
        Bytes bytes;
        int result;
        Texts texts;
    };
    const Case cases[] = {
        {"empty file", {}, 0, {}},
        {"two entries", two, 0, {"world.ini", "512", "mmd0101.krx", "4294967295"}},
        {"header cut after 10 bytes",
         concat({two, Bytes(10, 0)}),
         -1004,
         {"world.ini", "512", "mmd0101.krx", "4294967295"}},
        {"ends right after a header",
         concat({entry(512, "world.ini"), Bytes(16, 0)}),
         0,
         {"world.ini", "512"}},
        {"name length 0 ends the list", concat({entry(1, "x"), entry(2, ""), entry(3, "y")}), 0, {"x", "1"}},
        {"name runs past the end", cutName, -1004, {}},
        {"name with a zero byte", withZero, 0, {"a", "7"}},
        {"longest name", entry(1, std::string(255, 'n')), 0, {std::string(255, 'n'), "1"}},
    };
    for (const Case& c : cases) {
        Texts texts = {"stale"};
        const RlTextList list = reeflink::textListOf(texts);
        EXPECT_EQ(LoadFilelist(write("filelist.dat", c.bytes).c_str(), &list), c.result) << c.name;
        EXPECT_EQ(texts, c.texts) << c.name;
    }
}

TEST_F(FilelistTest, MissingFileLeavesTheListAlone)
{
    Texts texts = {"kept"};
    const RlTextList list = reeflink::textListOf(texts);
    EXPECT_EQ(LoadFilelist(path("none.dat").c_str(), &list), -1001);
    EXPECT_EQ(texts, Texts{"kept"});
}

class TimesyncTest : public TempDirTest
{
protected:
    Bytes file(int hour, int minute, int second, int diffByte)
    {
        Bytes b(CLOCKFIT_FILE_SIZE);
        EXPECT_EQ(
            rez_clockfit_encode(2026, 12, 11, 5, hour, minute, second, diffByte, b.data(), int(b.size())),
            CLOCKFIT_FILE_SIZE);
        return b;
    }
};

TEST_F(TimesyncTest, RepacksTheDecodedTimeAndDifference)
{
    const std::pair<int, int> diffs[] = {{0x12, 18}, {0x6E, -18}, {0x92, 19},
                                         {0x80, 1},  {0x00, 0},   {0x40, -64}};
    for (auto [byte, expected] : diffs) {
        RlTimeRecord t{};
        int32_t diff = 1234;
        ASSERT_EQ(LoadTimesync(write("t.wsy", file(10, 30, 5, byte)).c_str(), &t, &diff), 0);
        EXPECT_EQ(diff, expected) << std::hex << byte;
        EXPECT_EQ(t.year, 2026);
        EXPECT_EQ(t.month, 12);
        EXPECT_EQ(t.day_of_week, 5);
        EXPECT_EQ(t.day, 11);
        EXPECT_EQ(t.hour, 10);
        EXPECT_EQ(t.minute, 30);
        EXPECT_EQ(t.second, 5);
        EXPECT_EQ(t.milliseconds, 0);
    }
}

TEST_F(TimesyncTest, FailuresLeaveOutputsUntouched)
{
    Bytes good = file(1, 2, 3, 0x12);
    Bytes longer = good;
    longer.resize(100, 0x77);
    Bytes damaged = good;
    damaged[20] ^= 1;
    struct Case
    {
        const char* name;
        Bytes bytes;
        int result;
    };
    const Case cases[] = {
        {"92 bytes", Bytes(good.begin(), good.end() - 1), -1004},
        {"empty", {}, -1004},
        {"100 bytes read as 93", longer, 0},
        {"damaged", damaged, -5202},
        {"not a time-sync file", Bytes(93, 0), -5202},
    };
    for (const Case& c : cases) {
        RlTimeRecord t{};
        t.year = 7;
        int32_t diff = 99;
        EXPECT_EQ(LoadTimesync(write("t.wsy", c.bytes).c_str(), &t, &diff), c.result) << c.name;
        if (c.result != 0) {
            EXPECT_EQ(t.year, 7) << c.name;
            EXPECT_EQ(diff, 99) << c.name;
        }
    }
    RlTimeRecord t{};
    int32_t diff = 0;
    EXPECT_EQ(LoadTimesync(path("missing.wsy").c_str(), &t, &diff), -1001);
}

} // namespace
