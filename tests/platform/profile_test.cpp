#include "platform/profile.h"
#include "tests/platform/temp_config.h"

#include <atomic>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace platform;

class Profile : public TempConfigTest
{
protected:
    std::string read(const char* section, const char* key, const char* file, int size = 64)
    {
        std::vector<char> out(static_cast<size_t>(size) + 8, 'X');
        profile_read_string(section, key, "dflt", out.data(), size, file);
        return out.data();
    }
};

TEST_F(Profile, BareNamesLiveInTheFamilyFolderCreatedOnFirstWrite)
{
    EXPECT_EQ(profile_path("A.INI"), family_file("A.INI"));
    EXPECT_EQ(profile_path("/x/A.INI"), "/x/A.INI");
    EXPECT_EQ(profile_path("rel/A.INI"), "rel/A.INI");
    EXPECT_EQ(read("S", "k", "A.INI"), "dflt");
    EXPECT_FALSE(std::filesystem::exists(family_file("")));

    ASSERT_TRUE(profile_write_string("S", "k", "v", "A.INI"));
    EXPECT_EQ(read_file(family_file("A.INI")), "[S]\r\nk=v\r\n");
    EXPECT_EQ(read("s", "K", "A.INI"), "v");
}

TEST_F(Profile, HomeConfigIsUsedWithoutXdgConfigHome)
{
    ::unsetenv("XDG_CONFIG_HOME");
    std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    EXPECT_EQ(family_profile_dir(), home + "/.config/seaglass");
}

TEST_F(Profile, ReadsCutToTheBufferAndReturnTheLength)
{
    std::string file = path("cut.ini");
    write_file(file, "[S]\nk=abcdef\n");
    char out[8];
    EXPECT_EQ(profile_read_string("S", "k", "", out, 4, file.c_str()), 3);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(profile_read_string("S", "k", "", out, 7, file.c_str()), 6);
    EXPECT_STREQ(out, "abcdef");
    EXPECT_EQ(profile_read_string("S", "k", "", out, 1, file.c_str()), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(profile_read_string("S", "missing", "default", out, 5, file.c_str()), 4);
    EXPECT_STREQ(out, "defa");
    EXPECT_EQ(profile_read_string("S", "k", "", out, 0, file.c_str()), 0);
}

TEST_F(Profile, IntegerReads)
{
    std::string file = path("int.ini");
    write_file(file, "[S]\na=42\nb=-17x\nc=+8\nd=abc\ne=\nf=4294967297\ng= 12 \nh=0x10\n");
    struct Case
    {
        const char* key;
        int expected;
    };
    const Case cases[] = {{"a", 42}, {"b", -17}, {"c", 8}, {"d", 0},       {"e", 0},
                          {"f", 1},  {"g", 12},  {"h", 0}, {"missing", -5}};
    for (const auto& c : cases)
        EXPECT_EQ(profile_read_int("S", c.key, -5, file.c_str()), c.expected) << c.key;
}

TEST_F(Profile, WritesKeepOtherLinesAndDeleteOnMissingValueOrKey)
{
    std::string file = path("keep.ini");
    write_file(file, "; header\n[A]\na=1\n\n[B]\nb=2\n");
    ASSERT_TRUE(profile_write_string("A", "n", "3", file.c_str()));
    ASSERT_TRUE(profile_write_string("B", "b", nullptr, file.c_str()));
    ASSERT_TRUE(profile_write_string("C", "c", "4", file.c_str()));
    EXPECT_EQ(read_file(file), "; header\r\n[A]\r\na=1\r\nn=3\r\n\r\n[B]\r\n\r\n[C]\r\nc=4\r\n");
    ASSERT_TRUE(profile_write_string("A", nullptr, nullptr, file.c_str()));
    EXPECT_EQ(read_file(file), "; header\r\n[B]\r\n\r\n[C]\r\nc=4\r\n");
    EXPECT_TRUE(profile_write_string(nullptr, nullptr, nullptr, file.c_str())); // flush only
}

TEST_F(Profile, DeletingWhatIsMissingSucceedsWithoutCreatingTheFile)
{
    std::string file = path("none.ini");
    EXPECT_TRUE(profile_write_string("S", "k", nullptr, file.c_str()));
    EXPECT_TRUE(profile_write_string("S", nullptr, nullptr, file.c_str()));
    EXPECT_FALSE(std::filesystem::exists(file));
    std::string nowhere = path("no/such/folder/x.ini");
    EXPECT_TRUE(profile_write_string("S", "k", nullptr, nowhere.c_str()));
    EXPECT_TRUE(profile_write_string("S", nullptr, nullptr, nowhere.c_str()));
}

TEST_F(Profile, RefusesTextsThatWouldNotReadBack)
{
    std::string file = path("bad.ini");
    write_file(file, "[S]\nk=v\n");
    const char* bad[][3] = {{"S", "k", "a\nb"}, {"S", "k", "a\rb"}, {"S\n", "k", "v"},
                            {"S", "k\r", "v"},  {"S", "k=x", "v"},  {"S]", "k", "v"}};
    for (const auto& b : bad)
        EXPECT_FALSE(profile_write_string(b[0], b[1], b[2], file.c_str())) << b[0] << b[1] << b[2];
    EXPECT_EQ(read_file(file), "[S]\nk=v\n");
}

TEST_F(Profile, WriteFailuresAreReported)
{
    EXPECT_FALSE(profile_write_string("S", "k", "v", path("no/such/folder/x.ini").c_str()));
    std::filesystem::create_directories(path("dir.ini"));
    EXPECT_FALSE(profile_write_string("S", "k", "v", path("dir.ini").c_str()));
}

TEST_F(Profile, WritesReplaceTheFileAtomicallyAndKeepItsMode)
{
    std::string file = path("mode.ini");
    write_file(file, "[S]\nk=v\n");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(profile_write_string("S", "k", "w", file.c_str()));
    struct stat st;
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    for (const auto& entry : std::filesystem::directory_iterator(root_))
        EXPECT_EQ(entry.path().filename().string().find(".profile-"), std::string::npos) << "temp file left";
}

TEST_F(Profile, WritesThroughASymbolicLinkKeepTheLink)
{
    std::string target = path("real.ini");
    std::string link = path("link.ini");
    write_file(target, "[S]\nk=v\n");
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(profile_write_string("S", "k", "w", link.c_str()));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(read_file(target), "[S]\r\nk=w\r\n");
    EXPECT_EQ(read("S", "k", link.c_str()), "w");
}

TEST_F(Profile, StructValuesRoundTripAndRejectTampering)
{
    const unsigned char record[5] = {0, 1, 0x7F, 0x80, 0xFF};
    ASSERT_TRUE(profile_write_struct("W", "r", record, 5, "S.INI"));
    unsigned char back[5] = {};
    ASSERT_TRUE(profile_read_struct("W", "r", back, 5, "S.INI"));
    EXPECT_EQ(std::memcmp(back, record, 5), 0);
    EXPECT_FALSE(profile_read_struct("W", "r", back, 4, "S.INI"));
    EXPECT_FALSE(profile_read_struct("W", "missing", back, 5, "S.INI"));
    ASSERT_TRUE(profile_write_string("W", "r", "00017F80FFFE", "S.INI"));
    EXPECT_FALSE(profile_read_struct("W", "r", back, 5, "S.INI"));
}

TEST_F(Profile, ListsSectionNamesAndLines)
{
    std::string file = path("list.ini");
    write_file(file, "[One]\na=1\n[Two]\nb=2\nc = \"3\"\n");
    EXPECT_EQ(profile_section_names(file.c_str()), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(profile_section_lines("two", file.c_str()), (std::vector<std::string>{"b=2", "c=3"}));
    EXPECT_TRUE(profile_section_names(path("missing.ini").c_str()).empty());
}

// Another program rewriting the file, even to the same size within one clock tick, must
// never be hidden by the read cache.
TEST_F(Profile, CacheNeverHidesAChangeByAnotherWriter)
{
    std::string file = path("cache.ini");
    for (int round = 0; round < 50; ++round) {
        std::string value = "v" + std::to_string(100 + round);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(profile_write_string("S", "k", value.c_str(), file.c_str()) ? 0 : 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_EQ(status, 0);
        ASSERT_EQ(read("S", "k", file.c_str()), value) << "round " << round;
    }
    ::unlink(file.c_str());
    EXPECT_EQ(read("S", "k", file.c_str()), "dflt");
}

TEST_F(Profile, TwoProcessesWritingAtOnceLoseNothing)
{
    std::string file = path("race.ini");
    constexpr int kWrites = 150;
    auto write_keys = [&](const char* prefix) {
        for (int i = 0; i < kWrites; ++i) {
            std::string key = prefix + std::to_string(i);
            if (!profile_write_string("S", key.c_str(), key.c_str(), file.c_str()))
                return false;
        }
        return true;
    };
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(write_keys("child") ? 0 : 1);
    bool parent_ok = write_keys("parent");
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(parent_ok);
    ASSERT_EQ(status, 0);
    auto lines = profile_section_lines("S", file.c_str());
    EXPECT_EQ(lines.size(), 2u * kWrites);
    for (int i = 0; i < kWrites; ++i)
        for (std::string prefix : {"child", "parent"}) {
            std::string key = prefix + std::to_string(i);
            EXPECT_EQ(read("S", key.c_str(), file.c_str()), key);
        }
}

// Readers on several threads share the cache while the file keeps changing: each sees
// whole values only, never an older one after a newer one.
TEST_F(Profile, ThreadsReadWhileTheFileChanges)
{
    std::string file = path("threads.ini");
    ASSERT_TRUE(profile_write_string("S", "n", "1000", file.c_str()));
    std::atomic<bool> done{false};
    std::atomic<int> faults{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&] {
            int last = 0;
            while (!done) {
                int now = profile_read_int("S", "n", -1, file.c_str());
                if (now < last || now < 1000 || now > 1100)
                    ++faults;
                last = now;
            }
        });
    for (int i = 1001; i <= 1100; ++i)
        profile_write_string("S", "n", std::to_string(i).c_str(), file.c_str());
    done = true;
    for (auto& reader : readers)
        reader.join();
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(profile_read_int("S", "n", -1, file.c_str()), 1100);
}

} // namespace
