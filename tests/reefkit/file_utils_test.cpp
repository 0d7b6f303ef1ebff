#include "reefkit/reefkit.h"
#include "tests/platform/temp_config.h"

#include <filesystem>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::pair<std::string, std::string>> messages;

void record_message(const char* text, const char* title)
{
    messages.emplace_back(text, title);
}

class FileUtils : public TempConfigTest
{
protected:
    void SetUp() override
    {
        TempConfigTest::SetUp();
        messages.clear();
        reef_set_message_hook(record_message);
    }
    void TearDown() override
    {
        reef_set_message_hook(nullptr);
        TempConfigTest::TearDown();
    }
};

TEST_F(FileUtils, CopyAndMove)
{
    std::string big(5000, 'z'); // more than one chunk
    write_file(path("a"), big);
    write_file(path("b"), "longer old content that must go away entirely");
    EXPECT_EQ(ffcopy(path("a").c_str(), path("b").c_str()), 0);
    EXPECT_EQ(read_file(path("b")), big);

    EXPECT_EQ(ffmove(path("b").c_str(), path("c").c_str()), 0);
    EXPECT_FALSE(fs::exists(path("b")));
    EXPECT_EQ(read_file(path("c")), big);

    EXPECT_EQ(ffcopy(path("missing").c_str(), path("d").c_str()), -12);
    EXPECT_EQ(ffcopy(path("a").c_str(), path("no/dir/d").c_str()), -12);
    EXPECT_EQ(ffmove(path("a").c_str(), path("no/dir/d").c_str()), -12);
    EXPECT_TRUE(fs::exists(path("a")));
}

TEST_F(FileUtils, CopyOntoItselfOrFromAFolderIsRefusedAndLosesNothing)
{
    write_file(path("self"), "precious");
    EXPECT_EQ(ffcopy(path("self").c_str(), path("self").c_str()), -12);
    EXPECT_EQ(ffmove(path("self").c_str(), path("self").c_str()), -12);
    fs::create_hard_link(path("self"), path("alias"));
    EXPECT_EQ(ffcopy(path("self").c_str(), path("alias").c_str()), -12);
    EXPECT_EQ(read_file(path("self")), "precious");

    fs::create_directory(path("folder"));
    EXPECT_EQ(ffcopy(path("folder").c_str(), path("x").c_str()), -12);
    EXPECT_FALSE(fs::exists(path("x")));
}

TEST_F(FileUtils, CopyDirCopiesFilesAndOverwrites)
{
    write_file(path("src/one"), "1");
    write_file(path("src/two"), "2");
    write_file(path("dst/two"), "old");
    EXPECT_EQ(CopyDir(path("src").c_str(), path("dst").c_str()), 1);
    EXPECT_EQ(read_file(path("dst/one")), "1");
    EXPECT_EQ(read_file(path("dst/two")), "2");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileUtils, CopyDirReportsEachFailureThroughTheHook)
{
    EXPECT_EQ(CopyDir(path("nowhere").c_str(), path("dst").c_str()), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::make_pair(std::string("ディレクトリが無い"), path("nowhere")));

    write_file(path("src/sub/inner"), "x");
    EXPECT_EQ(CopyDir(path("src").c_str(), path("dst").c_str()), 0); // subfolders fail, target missing
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], std::make_pair(path("src/sub"), path("dst/sub")));

    if (::geteuid() != 0) { // root lists any folder
        fs::create_directory(path("locked"));
        ::chmod(path("locked").c_str(), 0);
        EXPECT_EQ(CopyDir(path("locked").c_str(), path("dst").c_str()), 0);
        ASSERT_EQ(messages.size(), 3u);
        EXPECT_EQ(messages[2], std::make_pair(std::string("ファイルが無い"), std::string()));
    }
}

} // namespace
