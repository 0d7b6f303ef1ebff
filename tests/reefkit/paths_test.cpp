#include "reefkit/reefkit.h"
#include "tests/platform/temp_config.h"

#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST(MakePathname, JoinsWithOneSeparator)
{
    struct Case
    {
        const char* folder;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {{"/data//", "a.txt", "/data/a.txt"},
                          {"/data", "a.txt", "/data/a.txt"},
                          {"", "a.txt", "/a.txt"},
                          {"/", "a.txt", "/a.txt"}};
    for (const auto& c : cases) {
        char out[REEF_PATH_SIZE];
        EXPECT_EQ(make_pathname(c.folder, c.name, out), out);
        EXPECT_STREQ(out, c.expected);
    }
    char inplace[REEF_PATH_SIZE] = "/logs/";
    make_pathname(inplace, "REEF0001.LOG", inplace);
    EXPECT_STREQ(inplace, "/logs/REEF0001.LOG");
}

TEST(TextLineEnds, SetNullAndDirmark)
{
    struct Case
    {
        const char* text;
        const char* after;
        int removed;
    };
    const Case cases[] = {{"ab\r\r\n", "ab", 3}, {"ab\r\r\r\n", "ab\r", 3}, {"ab\r\n", "ab", 2},
                          {"ab\n", "ab", 1},     {"ab\r", "ab\r", 0},       {"", "", 0},
                          {"\n", "", 1}};
    for (const auto& c : cases) {
        char text[16];
        std::strcpy(text, c.text);
        EXPECT_EQ(set_null(text), c.removed) << c.after;
        EXPECT_STREQ(text, c.after);
    }
    char path[] = "/a/b///";
    del_last_dirmark(path);
    EXPECT_STREQ(path, "/a/b");
}

class DeleteDir : public TempConfigTest
{
};

TEST_F(DeleteDir, RemovesReadOnlyFilesAndSubfoldersButNotLinkTargets)
{
    std::string top = path("top");
    write_file(top + "/ro.txt", "x");
    ::chmod((top + "/ro.txt").c_str(), 0444);
    write_file(top + "/sub/deeper/f.txt", "y");
    ::chmod((top + "/sub/deeper").c_str(), 0555);
    write_file(path("outside/keep.txt"), "keep");
    fs::create_directory_symlink(path("outside"), top + "/link");

    EXPECT_NE(delete_dir(top.c_str()), 0);
    EXPECT_FALSE(fs::exists(top));
    EXPECT_TRUE(fs::exists(path("outside/keep.txt")));
    EXPECT_EQ(delete_dir(top.c_str()), 0);
    write_file(path("plain"), "");
    EXPECT_EQ(delete_dir(path("plain").c_str()), 0);
}

} // namespace
