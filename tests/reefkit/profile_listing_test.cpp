#include "reefkit/reefkit.h"
#include "tests/platform/temp_config.h"

#include <cstring>
#include <vector>

namespace {

class Listing : public TempConfigTest
{
protected:
    std::vector<std::string> slots(const std::vector<char>& out, int count, int slot_size)
    {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i)
            names.emplace_back(&out[static_cast<size_t>(i * slot_size)]);
        return names;
    }
};

TEST_F(Listing, SectionNames)
{
    std::string file = path("s.ini");
    write_file(file, "[Alpha]\na=1\n[Beta]\n[Gamma]\n");
    std::vector<char> out(10 * 16, 'X');
    EXPECT_EQ(get_all_section(file.c_str(), 10, 16, out.data()), 3);
    EXPECT_EQ(slots(out, 3, 16), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(get_all_section(file.c_str(), 2, 16, out.data()), 2);
    EXPECT_EQ(get_all_section(file.c_str(), 0, 16, out.data()), 0);
    EXPECT_EQ(get_all_section(path("none.ini").c_str(), 4, 16, out.data()), 0);
    // Names longer than a slot are cut to it instead of running into the next slot; the
    // list of names itself is cut to the scratch size (3 x 4 bytes: "Alpha", "Beta" fit).
    EXPECT_EQ(get_all_section(file.c_str(), 3, 4, out.data()), 2);
    EXPECT_EQ(slots(out, 2, 4), (std::vector<std::string>{"Alp", "Bet"}));
    EXPECT_EQ(out[8], 'X');
    EXPECT_EQ(get_all_section(file.c_str(), 1000000, 1000000, out.data()), -1020);
}

TEST_F(Listing, KeyNamesOfASection)
{
    std::string file = path("e.ini");
    write_file(file, "[S]\none=1\n; comment\ntwo = 2\nthree=\n[T]\nx=y\n");
    std::vector<char> out(8 * 8, 'X');
    EXPECT_EQ(get_all_entry(file.c_str(), "s", 8, 8, 8, out.data()), 3);
    EXPECT_EQ(slots(out, 3, 8), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(get_all_entry(file.c_str(), "S", 2, 8, 8, out.data()), 2);
    EXPECT_EQ(get_all_entry(file.c_str(), "missing", 8, 8, 8, out.data()), 0);
    EXPECT_EQ(get_all_entry(file.c_str(), "S", -1, 8, 8, out.data()), 0);
}

TEST_F(Listing, WindowPlacements)
{
    unsigned char placement[REEF_WINDOW_PLACEMENT_SIZE];
    for (int i = 0; i < REEF_WINDOW_PLACEMENT_SIZE; ++i)
        placement[i] = static_cast<unsigned char>(i * 7);
    EXPECT_EQ(set_window_place("Main", placement), 1);
    unsigned char back[REEF_WINDOW_PLACEMENT_SIZE];
    std::memset(back, 0xEE, sizeof back);
    EXPECT_EQ(get_window_place("Main", back), 1);
    EXPECT_EQ(std::memcmp(back, placement, sizeof back), 0);

    char text[100];
    get_prof_string("Window", "Main", "SEAGLASS.INI", sizeof text, text);
    EXPECT_EQ(std::strlen(text), 90u);
    text[89] = text[89] == '0' ? '1' : '0'; // spoil the checksum
    set_prof_string("Window", "Main", text, "SEAGLASS.INI");
    std::memset(back, 0xEE, sizeof back);
    EXPECT_EQ(get_window_place("Main", back), 0);
    EXPECT_EQ(back[0], 0);
    EXPECT_EQ(back[43], 0);
    EXPECT_EQ(get_window_place("Other", back), 0);
}

TEST_F(Listing, DigitArrays)
{
    std::string file = path("a.ini");
    const int digits[] = {3, 0, 9};
    EXPECT_EQ(set_array_int("S", "k", 3, digits, file.c_str()), 1);
    char text[16];
    get_prof_string("S", "k", file.c_str(), sizeof text, text);
    EXPECT_STREQ(text, "309");

    const int bad[] = {1, 10};
    EXPECT_EQ(set_array_int("S", "k", 2, bad, file.c_str()), -1031);
    get_prof_string("S", "k", file.c_str(), sizeof text, text);
    EXPECT_STREQ(text, "309");
    std::vector<int> many(1025, 1);
    EXPECT_EQ(set_array_int("S", "k", 1025, many.data(), file.c_str()), -1030);
    EXPECT_EQ(set_array_int("S", "k", 1024, many.data(), file.c_str()), 1);
    EXPECT_EQ(set_array_int("S", "e", 0, digits, file.c_str()), 1);
    EXPECT_EQ(set_array_int("S", "k", 1, digits, path("no/dir/x.ini").c_str()), -2001);

    write_file(file, "[S]\nk=3x9\n");
    int values[5] = {7, 7, 7, 7, 7};
    EXPECT_EQ(get_array_int("S", "k", file.c_str(), 5, values), 3);
    EXPECT_EQ(std::vector<int>(values, values + 5), (std::vector<int>{3, -1, 9, -1, -1}));
    EXPECT_EQ(get_array_int("S", "k", file.c_str(), 2, values), 3); // longer than asked
    EXPECT_EQ(get_array_int("S", "missing", file.c_str(), 2, values), 0);
    EXPECT_EQ(values[0], -1);
}

} // namespace
