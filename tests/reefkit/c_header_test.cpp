#include <gtest/gtest.h>

extern "C" int reef_c_caller_joins_path(char* out);

TEST(CHeader, UsableFromC)
{
    char out[32];
    EXPECT_EQ(reef_c_caller_joins_path(out), 255 + 21);
    EXPECT_STREQ(out, "/data/a.txt");
}
