#include "reefkit/reefkit.h"
#include "tests/platform/temp_config.h"

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

class LogSuite : public TempConfigTest
{
protected:
    // Records a top folder (with its USERCONF folder) and a log folder.
    void record_folders()
    {
        std::string top = path("top");
        std::string log = path("logs");
        fs::create_directories(top + "/USERCONF");
        fs::create_directories(log);
        ASSERT_EQ(set_top_dir(top.data()), 1);
        ASSERT_EQ(set_log_dir(log.data()), 1);
    }
    std::string user_conf() { return path("top/USERCONF/USER.CNF"); }
    std::string value(const std::string& file, const char* section, const char* key)
    {
        char out[REEF_PATH_SIZE + 8];
        get_prof_string(section, key, file.c_str(), sizeof out, out);
        return out;
    }
};

TEST_F(LogSuite, PathsNeedTheRecordedFolders)
{
    char out[REEF_PATH_SIZE];
    EXPECT_EQ(path_log_confs(1, out), 0);
    EXPECT_EQ(path_log_files(3, 1, out), 0);
    EXPECT_EQ(path_uconf_dir(out), 0);
    record_folders();

    struct Case
    {
        int type;
        int number;
        const char* name; // nullptr: refused
    };
    const Case cases[] = {{1, 0, "SEAGLASS.CNF"},
                          {2, 0, "SEAGLASS.LST"},
                          {3, 7, "REEF0007.LOG"},
                          {4, 7, "REEF0007.ALB"},
                          {5, 12345, "REEF12345.VID"},
                          {6, 42, "TRDIA0042.ALB"},
                          {7, 42, "TRDIA0042.VID"},
                          {0, 0, nullptr},
                          {8, 7, nullptr}};
    for (const auto& c : cases) {
        int result = c.type <= 2 ? path_log_confs(c.type, out) : path_log_files(c.type, c.number, out);
        if (c.type == 0)
            result = path_log_files(c.type, c.number, out);
        if (c.name) {
            EXPECT_EQ(result, 1) << c.type;
            EXPECT_EQ(std::string(out), path("logs/") + c.name);
        } else {
            EXPECT_EQ(result, 0) << c.type;
        }
    }
    EXPECT_EQ(path_log_confs(3, out), 0);
    EXPECT_EQ(path_uconf_dir(out), 1);
    EXPECT_EQ(std::string(out), path("top/USERCONF"));
    EXPECT_FALSE(fs::exists(path("top/USERCONF/USER.CNF")));
}

TEST_F(LogSuite, NothingIsTouchedWithoutRecordedFolders)
{
    ReefAlbumItem item{};
    ReefGraphConf conf{};
    ReefGraphLine line{};
    int values[2] = {1, 2};
    char text[] = "x";
    const int results[] = {set_log_int("S", "k", 10, 1),
                           get_log_int("S", "k", 10),
                           set_album_prof_int(1, "S", "k", 10, 1, nullptr),
                           set_album_prof_data(1, "S", &item, ""),
                           set_diary_album_int(1, "S", "k", 1),
                           get_diary_album_data(1, "S", &item),
                           set_uconf_string("S", "k", text),
                           set_uconf_int("S", "k", 10, 1),
                           set_uconf_array("S", "k", 2, values),
                           get_uconf_array("S", "k", 2, values),
                           set_graph_conf(&conf),
                           get_graph_conf(&conf),
                           set_graph_line(0, &line),
                           get_graph_line(0, &line)};
    for (int result : results)
        EXPECT_EQ(result, -2004);
    EXPECT_EQ(get_uconf_int_array("S", "Weight", 2, values), 0);
    EXPECT_TRUE(fs::is_empty(root_));
}

TEST_F(LogSuite, LogConfigurationAndAlbums)
{
    record_folders();
    EXPECT_EQ(set_log_int("Dive", "Count", 16, 255), 1);
    EXPECT_EQ(value(path("logs/SEAGLASS.CNF"), "Dive", "Count"), "ff");
    EXPECT_EQ(get_log_int("Dive", "Count", 16), 255);

    EXPECT_EQ(set_album_prof_int(7, "Item1", "Kind", 10, 5, nullptr), 1);
    EXPECT_EQ(get_album_prof_int(7, "Item1", "Kind", 10, ""), 5);
    EXPECT_EQ(value(path("logs/REEF0007.ALB"), "Item1", "Kind"), "5");

    char image[400] = "/pics/a.bmp/";
    EXPECT_EQ(set_album_prof_idx_data(7, "Index", 3, image, nullptr), 1);
    char out[REEF_PATH_SIZE];
    EXPECT_EQ(get_album_prof_idx_data(7, "Index", 3, sizeof out, out, nullptr), 1);
    EXPECT_STREQ(out, "/pics/a.bmp");
    EXPECT_EQ(get_album_prof_idx_data(7, "Index", 4, sizeof out, out, nullptr), -2006);
    std::memset(image, 'p', 300);
    image[300] = '\0';
    EXPECT_EQ(set_album_prof_idx_data(7, "Index", 5, image, nullptr), -2009);

    // An explicit file wins over the number.
    std::string explicit_file = path("elsewhere.alb");
    ReefAlbumItem item{};
    item.kind = 2;
    std::strcpy(item.comment, "reef shark");
    std::strcpy(item.image, "/pics/shark.bmp//");
    EXPECT_EQ(set_album_prof_data(99, "Item", &item, explicit_file.c_str()), 1);
    EXPECT_EQ(read_file(explicit_file),
              "[Item]\r\nKind=2\r\nComment=reef shark\r\nImage Index=/pics/shark.bmp\r\n");
    EXPECT_STREQ(item.image, "/pics/shark.bmp//"); // the caller's record is left as it was
    EXPECT_FALSE(fs::exists(path("logs/REEF0099.ALB")));

    ReefAlbumItem back;
    std::memset(&back, 'X', sizeof back);
    EXPECT_EQ(get_album_prof_data(0, "Item", &back, explicit_file.c_str()), 1);
    EXPECT_EQ(back.kind, 2);
    EXPECT_STREQ(back.comment, "reef shark");
    EXPECT_STREQ(back.image, "/pics/shark.bmp");
    EXPECT_EQ(get_album_prof_data(0, "Missing", &back, explicit_file.c_str()), 1);
    EXPECT_EQ(back.kind, 0);
    EXPECT_STREQ(back.comment, "");

    // A comment that fills its field without a terminator is written from the field only.
    std::memset(item.comment, 'c', sizeof item.comment);
    EXPECT_EQ(set_album_prof_data(99, "Full", &item, explicit_file.c_str()), 1);
    EXPECT_EQ(value(explicit_file, "Full", "Comment"), std::string(21, 'c'));
    // A failed write still reports the record as not written.
    EXPECT_EQ(set_album_prof_data(99, "Item", &item, path("no/dir/x.alb").c_str()), -2009);
}

TEST_F(LogSuite, DiaryAlbumsUseTheirOwnFiles)
{
    record_folders();
    EXPECT_EQ(set_diary_album_int(3, "D", "Kind", 4), 1);
    EXPECT_EQ(get_diary_album_int(3, "D", "Kind"), 4);
    char image[REEF_PATH_SIZE] = "/d/img.bmp";
    EXPECT_EQ(set_diary_album_idx_path(3, "D", 1, image), 1);
    char out[REEF_PATH_SIZE];
    EXPECT_EQ(get_diary_album_idx_path(3, "D", 1, sizeof out, out), 1);
    EXPECT_STREQ(out, "/d/img.bmp");
    ReefAlbumItem item{7, "note", "/d/x.bmp"};
    EXPECT_EQ(set_diary_album_data(3, "E", &item), 1);
    ReefAlbumItem back{};
    EXPECT_EQ(get_diary_album_data(3, "E", &back), 1);
    EXPECT_EQ(back.kind, 7);
    EXPECT_TRUE(fs::exists(path("logs/TRDIA0003.ALB")));
    EXPECT_FALSE(fs::exists(path("logs/REEF0003.ALB")));
}

TEST_F(LogSuite, UserStringsAndTheirDefaults)
{
    char out[32] = "junk";
    EXPECT_EQ(get_uconf_string("Unit", "Weight", sizeof out, out), -2004);
    EXPECT_STREQ(out, "Kg");
    EXPECT_EQ(get_uconf_string("Unit", "Depth", sizeof out, out), -2004);
    EXPECT_STREQ(out, "");
    record_folders();

    struct Case
    {
        const char* key;
        int result;
        const char* text;
    };
    const Case cases[] = {{"Preaaure", 1, "Kg/cm2"},        {"Capacity", 1, "L"},  {"Weight", 1, "Kg"},
                          {"Consumption", 1, "Kg/cm2/min"}, {"weight", -2006, ""}, {"Depth", -2006, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(get_uconf_string("Unit", c.key, sizeof out, out), c.result) << c.key;
        EXPECT_STREQ(out, c.text);
    }
    EXPECT_EQ(get_uconf_string("Unit", "Consumption", 4, out), 1);
    EXPECT_STREQ(out, "Kg/");

    char lbs[] = "lbs";
    EXPECT_EQ(set_uconf_string("Unit", "Weight", lbs), 1);
    EXPECT_EQ(get_uconf_string("Unit", "Weight", sizeof out, out), 1);
    EXPECT_STREQ(out, "lbs");
    EXPECT_EQ(set_uconf_string("Unit", "Weight", nullptr), 1);
    EXPECT_EQ(get_uconf_string("Unit", "Weight", sizeof out, out), 1);
    EXPECT_STREQ(out, "Kg");
    EXPECT_EQ(set_uconf_string("Unit", "Other", lbs), 1);
    EXPECT_EQ(set_uconf_string("Unit", nullptr, nullptr), 1);
    EXPECT_EQ(read_file(user_conf()), "");

    char value[] = "first";
    EXPECT_EQ(set_uconf_index_data("List", 2, value), 1);
    EXPECT_EQ(get_uconf_index_data("List", 2, sizeof out, out), 1);
    EXPECT_STREQ(out, "first");
    EXPECT_EQ(get_uconf_index_data("List", 3, sizeof out, out), -2006);

    fs::remove_all(path("top/USERCONF"));
    EXPECT_EQ(set_uconf_string("Unit", "Weight", lbs), -2005);
}

TEST_F(LogSuite, UserIntegersAndRecordSections)
{
    record_folders();
    EXPECT_EQ(set_uconf_int("Tank", "Size", 10, 12), 1);
    EXPECT_EQ(set_uconf_int("Tank", "Gas", 10, 21), 1);
    EXPECT_EQ(set_uconf_int("Diver", "Age", 10, 40), 1);
    EXPECT_EQ(set_uconf_int("Diver", "Level", 16, 0x1f), 1);
    EXPECT_EQ(get_uconf_int("Diver", "Level", 16), 0x1f);

    EXPECT_EQ(set_uconf_int("Tank", "Size", 10, 0), 1); // clears the whole section
    EXPECT_EQ(get_uconf_int("Tank", "Gas", 10), 0);
    EXPECT_EQ(set_uconf_int("Diver", "Age", 10, 0), 1); // only the key
    EXPECT_EQ(get_uconf_int("Diver", "Level", 16), 0x1f);
    EXPECT_EQ(read_file(user_conf()), "[Diver]\r\nLevel=1f\r\n");
}

TEST_F(LogSuite, UserArraysAndLists)
{
    record_folders();
    const int digits[] = {1, 2, 3};
    EXPECT_EQ(set_uconf_array("A", "d", 3, digits), 1);
    int back[4];
    EXPECT_EQ(get_uconf_array("A", "d", 4, back), 3);
    EXPECT_EQ(std::vector<int>(back, back + 4), (std::vector<int>{1, 2, 3, -1}));
    const int bad[] = {12};
    EXPECT_EQ(set_uconf_array("A", "d", 1, bad), -1031);

    const int list[] = {5, -3, 12};
    EXPECT_EQ(set_uconf_int_array("L", "k", 3, list), 1);
    EXPECT_EQ(value(user_conf(), "L", "k"), "5,-3,12");
    int values[5] = {};
    EXPECT_EQ(get_uconf_int_array("L", "k", 2, values), 2);
    EXPECT_EQ(std::vector<int>(values, values + 2), (std::vector<int>{5, -3}));
    EXPECT_EQ(get_uconf_int_array("L", "k", 5, values), 3);
    EXPECT_EQ(values[2], 12);
    EXPECT_EQ(get_uconf_int_array("L", "missing", 5, values), 0);
    EXPECT_EQ(get_uconf_int_array("L", "Weight", 5, values), 1); // the default "Kg"
    EXPECT_EQ(values[0], 0);

    char odd[] = " 7,,x,-";
    set_uconf_string("L", "odd", odd);
    EXPECT_EQ(get_uconf_int_array("L", "odd", 5, values), 4);
    EXPECT_EQ(std::vector<int>(values, values + 4), (std::vector<int>{7, 0, 0, 0}));

    std::vector<int> many(300, -1000); // "-1000," is six bytes: the text reaches 1024
    EXPECT_EQ(set_uconf_int_array("L", "big", 300, many.data()), -1030);
    EXPECT_EQ(value(user_conf(), "L", "big"), "");
    EXPECT_EQ(set_uconf_int_array("L", "big", 170, many.data()), 1);
}

TEST_F(LogSuite, GraphConfigurationDefaultsAndRoundTrip)
{
    record_folders();
    ReefGraphConf conf;
    std::memset(&conf, 0x55, sizeof conf);
    EXPECT_EQ(get_graph_conf(&conf), 1);
    EXPECT_EQ(conf.mode, 0x1A14221);
    EXPECT_EQ(conf.effect, 1);
    struct ColorCase
    {
        const ReefColor& color;
        int number;
    };
    const ColorCase defaults[] = {{conf.wall_color, 15}, {conf.floor_color, 16}, {conf.back_color, 7},
                                  {conf.panel_color, 7}, {conf.start_color, 16}, {conf.end_color, 17},
                                  {conf.grid_color, 11}, {conf.exp_color, 12},   {conf.cur_color, 4}};
    for (const auto& d : defaults) {
        ReefColor expected;
        set_color_rgb(d.number, &expected);
        EXPECT_EQ(std::memcmp(&d.color, &expected, sizeof expected), 0) << d.number;
    }
    EXPECT_STREQ(conf.back_image, "");

    conf.mode = 0x2B;
    conf.effect = 3;
    conf.wall_color = {1, 2, 3};
    std::strcpy(conf.back_image, "/img/back.bmp/");
    std::strcpy(conf.gradation_image, "");
    EXPECT_EQ(set_graph_conf(&conf), 1);
    EXPECT_EQ(value(user_conf(), "Graph", "Mode"), "2b");
    EXPECT_EQ(value(user_conf(), "Graph", "Wall Color"), "1,2,3");
    ReefGraphConf back;
    EXPECT_EQ(get_graph_conf(&back), 1);
    EXPECT_EQ(back.mode, 0x2B);
    EXPECT_EQ(back.wall_color.blue, 3);
    EXPECT_STREQ(back.back_image, "/img/back.bmp");

    conf.mode = 0; // deletes "Mode": reads as the default again
    EXPECT_EQ(set_graph_conf(&conf), 1);
    EXPECT_EQ(value(user_conf(), "Graph", "Mode"), "");
    EXPECT_EQ(get_graph_conf(&back), 1);
    EXPECT_EQ(back.mode, 0x1A14221);

    char partial[] = "9,8";
    set_prof_string("Graph", "Grid Color", partial, user_conf().c_str());
    EXPECT_EQ(get_graph_conf(&back), 1);
    EXPECT_EQ(back.grid_color.red, 9);
    EXPECT_EQ(back.grid_color.green, 8);
    EXPECT_EQ(back.grid_color.blue, 0);
}

TEST_F(LogSuite, GraphLines)
{
    record_folders();
    struct Case
    {
        int line;
        ReefColor color;
    };
    const Case cases[] = {
        {0, {255, 0, 0}}, {3, {0, 255, 0}}, {7, {0, 128, 128}}, {8, {0, 0, 0}}, {9, {0, 0, 0}}};
    for (const auto& c : cases) {
        ReefGraphLine line;
        std::memset(&line, 0x55, sizeof line);
        EXPECT_EQ(get_graph_line(c.line, &line), 1);
        EXPECT_EQ(line.kind, 1);
        EXPECT_EQ(line.width, 1);
        EXPECT_EQ(line.color.red, c.color.red) << c.line;
        EXPECT_EQ(line.color.green, c.color.green) << c.line;
        EXPECT_EQ(line.color.blue, c.color.blue) << c.line;
    }
    ReefGraphLine line{2, {10, 20, 30}, 4};
    EXPECT_EQ(set_graph_line(5, &line), 1);
    EXPECT_EQ(read_file(user_conf()), "[Line5]\r\nKind=2\r\nColor=10,20,30\r\nWidth=4\r\n");
    ReefGraphLine back{};
    EXPECT_EQ(get_graph_line(5, &back), 1);
    EXPECT_EQ(back.color.green, 20);
    EXPECT_EQ(back.width, 4);
}

TEST(ColorTable, NumbersOutsideTheTableAreBlack)
{
    struct Case
    {
        int number;
        ReefColor color;
    };
    const Case cases[] = {{17, {0, 128, 255}}, {2, {0, 0, 128}}, {12, {192, 192, 192}}, {0, {0, 0, 0}},
                          {1, {0, 0, 0}},      {18, {0, 0, 0}},  {-5, {0, 0, 0}}};
    for (const auto& c : cases) {
        ReefColor color{9, 9, 9};
        set_color_rgb(c.number, &color);
        EXPECT_EQ(color.red, c.color.red) << c.number;
        EXPECT_EQ(color.green, c.color.green) << c.number;
        EXPECT_EQ(color.blue, c.color.blue) << c.number;
    }
}

} // namespace
