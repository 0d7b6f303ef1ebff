#include "reeflink/reeflink.h"
#include "tests/reeflink/temp_dir.h"

#include <array>
#include <cmath>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes words(std::initializer_list<uint16_t> ws)
{
    Bytes b;
    for (uint16_t w : ws) {
        b.push_back(uint8_t(w));
        b.push_back(uint8_t(w >> 8));
    }
    return b;
}

struct Header
{
    uint8_t flags = 0x00, flags2 = 0x01;
    uint16_t word2 = 300, year = 2026;
    uint8_t month = 12, day = 11, byte8 = 4;
    std::array<std::array<uint8_t, 3>, 5> times = {
        {{10, 0, 0}, {10, 45, 30}, {11, 0, 0}, {9, 59, 59}, {0, 0, 1}}};
    uint16_t word24 = 1500, word26 = uint16_t(-3), word28 = 7;

    Bytes bytes() const
    {
        Bytes b = {flags, flags2, uint8_t(word2), uint8_t(word2 >> 8), uint8_t(year), uint8_t(year >> 8),
                   month, day,    byte8};
        for (const auto& t : times)
            b.insert(b.end(), t.begin(), t.end());
        for (uint16_t w : {word24, word26, word28}) {
            b.push_back(uint8_t(w));
            b.push_back(uint8_t(w >> 8));
        }
        return b;
    }
};

class LoadProfileTest : public TempDirTest
{
protected:
    std::string writeLog(const Header& h, const std::string& storedName, bool terminate = true)
    {
        Bytes b = h.bytes();
        b.insert(b.end(), storedName.begin(), storedName.end());
        if (terminate)
            b.push_back(0);
        return write("REEF0001.LOG", b);
    }

    int load(const std::string& logPath)
    {
        tmpPath.fill('\0');
        result = RlDiveResult{};
        result.caller_value = 0xBEEF;
        return LoadProfile(logPath.c_str(), &result, tmpPath.data());
    }

    RlDiveResult result{};
    std::array<char, RL_PATH_SIZE> tmpPath{};
};

TEST_F(LoadProfileTest, DecodesHeaderAndWritesTheProfileText)
{
    write("P0001.DAT", words({0x0064, 0x8000, 0x8000, 0x8000, 0x0032, 0x2FFB, 0xA000, 0xFFFF}));
    Header h;
    h.flags = 0x40; // feet, bit 5 clear
    ASSERT_EQ(load(writeLog(h, "P0001.DAT")), 1);
    EXPECT_EQ(std::string(tmpPath.data()), path("P0001.tmp"));
    EXPECT_EQ(readText("P0001.tmp"),
              "F,2026,12,11,4,10,0,0,10,45,30,9,59,59,1500,-3,7,11,0,0,0,0,1,beef,40,300\n"
              "\n"
              "100\n088\n076\n064\n050\n"
              "\n"
              "-05\n9999\n");
    EXPECT_EQ(result.caller_value, 0xBEEFu);
    EXPECT_EQ(result.flag_word, 0x0140u);
    EXPECT_EQ(result.unit, 2u);
    EXPECT_EQ(result.bit5_flag, 1u);
    EXPECT_EQ(result.word2, 300u);
    EXPECT_DOUBLE_EQ(result.date, 46367.0); // 2026-12-11
    EXPECT_EQ(result.byte8, 4u);
    EXPECT_DOUBLE_EQ(result.time[1], (10 * 3600 + 45 * 60 + 30) / 86400.0);
    EXPECT_EQ(result.word24, 1500u);
    EXPECT_EQ(result.word26, -3);
    EXPECT_EQ(result.word28, 7u);
}

TEST_F(LoadProfileTest, ClampsHeaderDatesAndTimes)
{
    write("P.DAT", words({0x0001}));
    struct Case
    {
        uint16_t year;
        uint8_t month, day;
        const char* dateText;
        double date;
    };
    const Case cases[] = {
        {2026, 4, 31, "2026,4,30", 46142.0},  {2026, 13, 40, "2026,12,31", 46387.0},
        {4000, 2, 30, "3000,2,28", 401827.0}, {2024, 2, 30, "2024,2,29", 45351.0},
        {1900, 2, 29, "1900,2,28", 60.0},     {0, 0, 0, "1,1,1", -693593.0},
    };
    for (const Case& c : cases) {
        Header h;
        h.year = c.year;
        h.month = c.month;
        h.day = c.day;
        h.flags = 0x20;
        h.times[0] = {25, 61, 61};
        ASSERT_EQ(load(writeLog(h, "P.DAT")), 0) << c.dateText;
        const std::string text = readText("P.tmp");
        const std::string expected = std::string("M,") + c.dateText + ",4,23,59,59,10,45,30,";
        EXPECT_EQ(text.substr(0, expected.size()), expected);
        EXPECT_DOUBLE_EQ(result.date, c.date) << c.dateText;
        EXPECT_DOUBLE_EQ(result.time[0], (23 * 3600 + 59 * 60 + 59) / 86400.0);
        EXPECT_EQ(result.unit, 1u);
        EXPECT_EQ(result.bit5_flag, 0u);
    }
}

TEST_F(LoadProfileTest, SeriesPresenceDecidesResultAndLayout)
{
    Header h;
    write("A.DAT", words({0x2003}));
    ASSERT_EQ(load(writeLog(h, "A.DAT")), 1);
    EXPECT_EQ(readText("A.tmp").substr(readText("A.tmp").find('\n')), "\n\n");
    write("B.DAT", {});
    ASSERT_EQ(load(writeLog(h, "B.DAT")), 0);
    EXPECT_EQ(readText("B.tmp").substr(readText("B.tmp").find('\n')), "\n\n");
    write("C.DAT", words({0x0005, 0x1001}));
    ASSERT_EQ(load(writeLog(h, "C.DAT")), 0);
    EXPECT_EQ(readText("C.tmp").substr(readText("C.tmp").find('\n')), "\n\n005\n005\n");
    // The stored base name decides the text file's name, whatever the log is called.
    write("x.y.z", words({0x0001}));
    ASSERT_EQ(load(writeLog(h, "x.y.z")), 0);
    EXPECT_EQ(std::string(tmpPath.data()), path("x.y.tmp"));
}

TEST_F(LoadProfileTest, RefusesBrokenOrHostileInput)
{
    write("P.DAT", words({0x0001}));
    write("ODD.DAT", {0x10, 0x00, 0x01});
    struct Case
    {
        const char* name;
        Bytes log;
        int result;
    };
    auto logWith = [](const std::string& stored, bool terminate = true) {
        Bytes b = Header{}.bytes();
        b.insert(b.end(), stored.begin(), stored.end());
        if (terminate)
            b.push_back(0);
        return b;
    };
    const Case cases[] = {
        {"header cut short", Bytes(29, 0), -1004},
        {"no name byte", Header{}.bytes(), -1004},
        {"empty name", logWith(""), -1004},
        {"name without a dot", logWith("PDAT"), -1004},
        {"name with a folder part", logWith("../P.DAT"), -1004},
        {"name with a backslash", logWith("sub\\P.DAT"), -1004},
        {"name fills the field without terminator", logWith(std::string(300, 'a') + ".DAT", false), -1004},
        {"data file missing", logWith("NONE.DAT"), -1001},
        {"data file of 3 bytes", logWith("ODD.DAT"), -1004},
        {"unterminated name at the end of the file", logWith("P.DAT", false), 0},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path("P.tmp"));
        EXPECT_EQ(load(write("REEF0001.LOG", c.log)), c.result) << c.name;
        if (c.result < 0) {
            EXPECT_FALSE(std::filesystem::exists(path("P.tmp"))) << c.name;
        }
    }
    EXPECT_EQ(load(path("missing.LOG")), -1001);
}

TEST_F(LoadProfileTest, TextFileThatCannotBeCreated)
{
    write("P.DAT", words({0x0001}));
    std::filesystem::create_directory(path("P.tmp")); // a folder where the text file should go
    EXPECT_EQ(load(writeLog(Header{}, "P.DAT")), -1002);
    EXPECT_EQ(std::string(tmpPath.data()), path("P.tmp"));

    // A path longer than the caller's buffer is refused before anything is written.
    const std::string longName = std::string(250, 'q') + ".DAT";
    write(longName, words({0x0001}));
    EXPECT_EQ(load(writeLog(Header{}, longName)), -1002);
    EXPECT_EQ(tmpPath[0], '\0');
}

} // namespace
