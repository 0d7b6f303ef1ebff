#include "editor/DiveLists.h"

#include <gtest/gtest.h>

namespace {

TEST(DiveLists, DepthItemsFollowTheUnit)
{
    const auto metres = DepthItems(false);
    ASSERT_EQ(metres.size(), 31u);
    EXPECT_EQ(metres.front(), "0");
    EXPECT_EQ(metres[1], "10");
    EXPECT_EQ(metres.back(), "39");

    const auto feet = DepthItems(true);
    ASSERT_EQ(feet.size(), 22u);
    EXPECT_EQ(feet[1], "30");
    EXPECT_EQ(feet[2], "35");
    EXPECT_EQ(feet.back(), "130");
}

TEST(DiveLists, DiveTimeItemsRunInStepsOfFive)
{
    const auto items = DiveTimeItems();
    ASSERT_EQ(items.size(), 19u);
    EXPECT_EQ(items[1], "5");
    EXPECT_EQ(items.back(), "90");
}

TEST(DiveLists, FirstItemAtLeastPicksTheNextOfferedValue)
{
    struct Case
    {
        bool feet;
        int value;
        std::string expected;
    };
    const Case cases[] = {
        {false, 0, "0"},   {false, 12, "12"}, {false, 10, "10"},  {false, 5, "10"},
        {false, 40, "39"}, {true, 33, "35"},  {true, 200, "130"}, {true, 30, "30"},
    };
    for (const Case& c : cases) {
        const auto items = DepthItems(c.feet);
        const int index = FirstItemAtLeast(items, c.value, DepthRangeFor(c.feet).step);
        ASSERT_GE(index, 0);
        EXPECT_EQ(items[index], c.expected) << c.value << (c.feet ? " ft" : " m");
    }
    const auto times = DiveTimeItems();
    EXPECT_EQ(times[FirstItemAtLeast(times, 7, kDiveTimeStep)], "10");
    EXPECT_EQ(times[FirstItemAtLeast(times, 255, kDiveTimeStep)], "90");
}

TEST(DiveLists, UnparsableItemsCountAsIndexTimesStep)
{
    const std::vector<std::string> items{"0", "x", "y", "30"};
    EXPECT_EQ(FirstItemAtLeast(items, 6, 5), 2); // "y" counts as 10
    EXPECT_EQ(FirstItemAtLeast({}, 6, 5), -1);
}

TEST(DiveLists, ItemNumberNeedsAWholeDecimalText)
{
    const std::pair<std::string, int> cases[] = {{"25", 25}, {"-3", -3}, {"", 7},           {"ON", 7},
                                                 {"1x", 7},  {" 4", 7},  {"99999999999", 7}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ItemNumber(text, 7), expected) << '"' << text << '"';
}

TEST(DiveLists, LogCounterRange)
{
    const std::pair<std::string, bool> cases[] = {{"0", true},      {"65535", true}, {"655350", false},
                                                  {"65536", false}, {"-1", false},   {"", false},
                                                  {"12a", false},   {"007", true}};
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(LogCounterTextValid(text), valid) << '"' << text << '"';
}

} // namespace
