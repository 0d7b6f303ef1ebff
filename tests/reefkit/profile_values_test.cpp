#include "reefkit/reefkit.h"
#include "tests/platform/temp_config.h"

#include <cstring>
#include <string>

namespace {

class ProfileValues : public TempConfigTest
{
protected:
    void SetUp() override
    {
        TempConfigTest::SetUp();
        file_ = path("test.ini");
    }
    std::string get(const char* key, int size = 300)
    {
        std::string out(static_cast<size_t>(size) + 1, 'X');
        get_prof_string("S", key, file_.c_str(), size, out.data());
        return out.c_str();
    }
    int set(const char* key, const char* value)
    {
        std::string copy = value;
        return set_prof_string("S", key, copy.data(), file_.c_str());
    }
    std::string file_;
};

TEST_F(ProfileValues, StringsUndefAndLineEnds)
{
    EXPECT_EQ(set("a", "hello\r\n"), 1);
    EXPECT_EQ(get("a"), "hello");
    char out[8];
    EXPECT_EQ(get_prof_string("S", "a", file_.c_str(), 8, out), 5);
    EXPECT_EQ(get_prof_string("S", "a", file_.c_str(), 3, out), 2); // cut to the buffer

    EXPECT_EQ(set("a", "UNDEF"), 1);
    EXPECT_EQ(read_file(file_), "[S]\r\n");
    EXPECT_EQ(set("b", ""), 1); // the empty text is a value
    EXPECT_EQ(read_file(file_), "[S]\r\nb=\r\n");

    write_file(file_, "[S]\nu=UNDEF\n");
    EXPECT_EQ(get_prof_string("S", "u", file_.c_str(), 8, out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(get_prof_string("S", "missing", file_.c_str(), 8, out), 0);
    EXPECT_EQ(set("bad", "a\nb"), 0);
}

TEST_F(ProfileValues, Paths)
{
    char buf[400];
    std::strcpy(buf, "/data/logs//");
    EXPECT_EQ(set_prof_path("S", "p", buf, file_.c_str()), 1);
    EXPECT_STREQ(buf, "/data/logs");
    write_file(file_, "[S]\np=/x/y//\n");
    char out[REEF_PATH_SIZE];
    EXPECT_EQ(get_prof_path("S", "p", file_.c_str(), sizeof out, out), 4);
    EXPECT_STREQ(out, "/x/y");
    EXPECT_EQ(get_prof_path("S", "none", file_.c_str(), sizeof out, out), 0);

    std::string long_path(261, 'a');
    std::strcpy(buf, (long_path + "//").c_str());
    EXPECT_EQ(set_prof_path("S", "long", buf, file_.c_str()), -2000);
    EXPECT_EQ(get("long"), "");
    buf[260] = '\0';
    EXPECT_EQ(set_prof_path("S", "long", buf, file_.c_str()), 1);
    EXPECT_EQ(get("long").size(), 260u);
    std::strcpy(buf, "/bad\r");
    EXPECT_EQ(set_prof_path("S", "p", buf, path("no/folder/x.ini").c_str()), -2001);
}

TEST_F(ProfileValues, IntegersInEachRadix)
{
    struct Case
    {
        int radix;
        int value;
        const char* stored;
    };
    const Case cases[] = {{10, -42, "-42"}, {16, -1, "ffffffff"},   {16, 0xAB, "ab"},
                          {8, 8, "10"},     {8, -1, "37777777777"}, {10, 7, "7"}};
    for (const auto& c : cases) {
        ASSERT_EQ(set_prof_int("S", "i", c.radix, c.value, file_.c_str()), 1);
        EXPECT_EQ(get("i"), c.stored);
        EXPECT_EQ(get_prof_int("S", "i", c.radix, file_.c_str()), c.value) << c.stored;
    }
    EXPECT_EQ(set_prof_int("S", "i", 10, 0, file_.c_str()), 1); // 0 deletes
    EXPECT_EQ(get_prof_int("S", "i", 10, file_.c_str()), 0);
    EXPECT_EQ(read_file(file_), "[S]\r\n");

    write_file(file_, "[S]\nzz=zz\nhx=0x1F\nsp= 17\nn=12\n");
    EXPECT_EQ(get_prof_int("S", "zz", 16, file_.c_str()), 0);
    EXPECT_EQ(get_prof_int("S", "hx", 16, file_.c_str()), 0x1F);
    EXPECT_EQ(get_prof_int("S", "sp", 8, file_.c_str()), 017);
    EXPECT_EQ(get_prof_int("S", "n", 2, file_.c_str()), 0); // unknown radix
    EXPECT_EQ(get_prof_int("S", "missing", 16, file_.c_str()), 0);
}

TEST_F(ProfileValues, TimesDeletionsAndMissingFiles)
{
    EXPECT_EQ(get_prof_time("S", "t", file_.c_str()), 9999);
    EXPECT_EQ(set_prof_time("S", "t", 0, file_.c_str()), 1);
    EXPECT_EQ(get("t"), "0");
    EXPECT_EQ(get_prof_time("S", "t", file_.c_str()), 0);
    EXPECT_EQ(set_prof_time("S", "t", -90, file_.c_str()), 1);
    EXPECT_EQ(get_prof_time("S", "t", file_.c_str()), -90);

    EXPECT_EQ(del_prof_entry("S", "t", file_.c_str()), 1);
    EXPECT_EQ(get_prof_time("S", "t", file_.c_str()), 9999);
    EXPECT_EQ(del_prof_entry("S", "t", file_.c_str()), 1); // already gone
    EXPECT_EQ(set("x", "1"), 1);
    EXPECT_EQ(del_prof_section("S", file_.c_str()), 1);
    EXPECT_EQ(read_file(file_), "");
    EXPECT_EQ(del_prof_entry("S", nullptr, file_.c_str()), 0);
}

class SharedFolders : public TempConfigTest
{
};

TEST_F(SharedFolders, VersionThreeUsesItsOwnKeys)
{
    char out[REEF_PATH_SIZE] = "junk";
    EXPECT_EQ(get_top_dir(out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(get_log_dir(out), 0);

    struct Case
    {
        int version;
        const char* top_key;
        const char* log_key;
    };
    const Case cases[] = {
        {3, "KS Top Dir", "KS Log Dir"}, {11, "Top Dir", "Log Dir"}, {0, "Top Dir", "Log Dir"}};
    for (const auto& c : cases) {
        del_prof_section("Config", "SEAGLASS.INI");
        set_prof_int("Config", "Version", 10, c.version, "SEAGLASS.INI");
        char top[REEF_PATH_SIZE] = "/opt/family/";
        char log[REEF_PATH_SIZE] = "/var/log/dives";
        EXPECT_EQ(set_top_dir(top), 1);
        EXPECT_STREQ(top, "/opt/family");
        EXPECT_EQ(set_log_dir(log), 1);
        char stored[REEF_PATH_SIZE];
        get_prof_string("Config", c.top_key, "SEAGLASS.INI", sizeof stored, stored);
        EXPECT_STREQ(stored, "/opt/family") << c.version;
        get_prof_string("Config", c.log_key, "SEAGLASS.INI", sizeof stored, stored);
        EXPECT_STREQ(stored, "/var/log/dives") << c.version;
        EXPECT_EQ(get_top_dir(out), 11);
        EXPECT_STREQ(out, "/opt/family");
        EXPECT_EQ(get_log_dir(out), 14);
    }
    // Switching the version away from 3 hides the folders recorded under the other keys.
    set_prof_int("Config", "Version", 10, 3, "SEAGLASS.INI");
    char undef[] = "UNDEF";
    set_prof_string("Config", "KS Top Dir", undef, "SEAGLASS.INI");
    EXPECT_EQ(get_top_dir(out), 0);
}

} // namespace
