#include "reeflink/reeflink.h"
#include "tests/reeflink/temp_dir.h"

namespace {

using Texts = std::vector<std::string>;

class LineDataTest : public TempDirTest
{
};

TEST_F(LineDataTest, LoadKeepsAtMostTheMaximum)
{
    struct Case
    {
        const char* name;
        std::string text;
        int max;
        Texts expected;
    };
    const Case cases[] = {
        {"five lines, max 2", "a\nb\nc\nd\ne\n", 2, {"a", "b"}},
        {"CRLF and no final line end", "one\r\ntwo\r\nthree", 10, {"one", "two", "three"}},
        {"empty lines kept", "\n\nx\n", 10, {"", "", "x"}},
        {"empty file", "", 10, {}},
        {"max 0", "a\n", 0, {}},
        {"negative max", "a\n", -3, {}},
    };
    for (const Case& c : cases) {
        Texts texts = {"stale"};
        const RlTextList list = reeflink::textListOf(texts);
        EXPECT_EQ(LoadLineData(writeText("lines.txt", c.text).c_str(), c.max, &list), 0) << c.name;
        EXPECT_EQ(texts, c.expected) << c.name;
    }
    Texts texts = {"stale"};
    const RlTextList list = reeflink::textListOf(texts);
    EXPECT_EQ(LoadLineData(path("missing.txt").c_str(), 5, &list), 0);
    EXPECT_TRUE(texts.empty());
}

TEST_F(LineDataTest, SaveWritesAtMostTheMaximumAndReloads)
{
    Texts texts = {"l1", "l2", "l3", "l4", "l5"};
    const RlTextList list = reeflink::textListOf(texts);
    ASSERT_EQ(SaveLineData(path("out.txt").c_str(), 2, &list), 0);
    EXPECT_EQ(readText("out.txt"), "l1\nl2\n");
    ASSERT_EQ(SaveLineData(path("out.txt").c_str(), 10, &list), 0);
    Texts back;
    const RlTextList backList = reeflink::textListOf(back);
    ASSERT_EQ(LoadLineData(path("out.txt").c_str(), 10, &backList), 0);
    EXPECT_EQ(back, texts);
    EXPECT_EQ(SaveLineData(path("no/folder/out.txt").c_str(), 2, &list), -1002);
}

} // namespace
