// The look of the log programs' graph, kept in USER.CNF.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include <cstdio>
#include <cstring>
#include <string>

using reefkit::kNotLocated;
using reefkit::kUserConfWriteFailed;

namespace {

constexpr int kDefaultMode = 0x1A14221;

std::string color_text(const ReefColor& color)
{
    char text[48];
    std::snprintf(text, sizeof text, "%d,%d,%d", color.red, color.green, color.blue);
    return text;
}

int write_color(const char* section, const char* key, const ReefColor& color, const char* file)
{
    std::string text = color_text(color);
    return set_prof_string(section, key, text.data(), file);
}

// A missing colour takes its default; a colour that parses only in part keeps zeros for the
// rest (the record was cleared before).
void read_color(const char* section, const char* key, int default_number, const char* file, ReefColor& color)
{
    char text[20];
    if (get_prof_string(section, key, file, sizeof text, text) == 0) {
        set_color_rgb(default_number, &color);
        return;
    }
    std::sscanf(text, "%d,%d,%d", &color.red, &color.green, &color.blue);
}

int write_path(const char* section, const char* key, const char (&field)[REEF_PATH_SIZE], const char* file)
{
    std::string path(field, strnlen(field, REEF_PATH_SIZE));
    return set_prof_path(section, key, path.data(), file);
}

int line_default_color(int line)
{
    static const int colors[] = {13, 15, 9, 6, 14, 4, 8, 5};
    return (line >= 0 && line < 8) ? colors[line] : 1;
}

std::string line_section(int line)
{
    return "Line" + reefkit::decimal(line);
}

} // namespace

extern "C" {

void set_color_rgb(int number, ReefColor* color)
{
    static const ReefColor table[] = {{0, 0, 128},   {0, 0, 255},     {0, 128, 0},     {0, 128, 128},
                                      {0, 255, 0},   {0, 255, 255},   {128, 0, 0},     {128, 0, 128},
                                      {128, 128, 0}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},
                                      {255, 0, 255}, {255, 255, 0},   {255, 255, 255}, {0, 128, 255}};
    if (!color)
        return;
    *color = (number >= 2 && number <= 17) ? table[number - 2] : ReefColor{0, 0, 0};
}

int set_graph_conf(const ReefGraphConf* conf)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    if (!conf)
        return kUserConfWriteFailed;
    const char* file = path->c_str();
    const char* s = "Graph";
    int written = set_prof_int(s, "Mode", 16, conf->mode, file);
    written += set_prof_int(s, "Effect", 10, conf->effect, file);
    written += write_color(s, "Wall Color", conf->wall_color, file);
    written += write_color(s, "Floor Color", conf->floor_color, file);
    written += write_path(s, "Back Image", conf->back_image, file);
    written += write_color(s, "Back Color", conf->back_color, file);
    written += write_color(s, "Panel Color", conf->panel_color, file);
    written += write_color(s, "Start Color", conf->start_color, file);
    written += write_color(s, "End Color", conf->end_color, file);
    written += write_color(s, "Grid Color", conf->grid_color, file);
    written += write_color(s, "Exp Color", conf->exp_color, file);
    written += write_color(s, "Cur Color", conf->cur_color, file);
    written += write_path(s, "Gradation Image", conf->gradation_image, file);
    return written == 13 ? 1 : kUserConfWriteFailed;
}

int get_graph_conf(ReefGraphConf* conf)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    if (!conf)
        return reefkit::kNotSet;
    std::memset(conf, 0, sizeof *conf);
    const char* file = path->c_str();
    const char* s = "Graph";
    conf->mode = get_prof_int(s, "Mode", 16, file);
    if (conf->mode == 0)
        conf->mode = kDefaultMode;
    conf->effect = get_prof_int(s, "Effect", 10, file);
    if (conf->effect == 0)
        conf->effect = 1;
    read_color(s, "Wall Color", 15, file, conf->wall_color);
    read_color(s, "Floor Color", 16, file, conf->floor_color);
    get_prof_path(s, "Back Image", file, REEF_PATH_SIZE, conf->back_image);
    read_color(s, "Back Color", 7, file, conf->back_color);
    read_color(s, "Panel Color", 7, file, conf->panel_color);
    read_color(s, "Start Color", 16, file, conf->start_color);
    read_color(s, "End Color", 17, file, conf->end_color);
    read_color(s, "Grid Color", 11, file, conf->grid_color);
    read_color(s, "Exp Color", 12, file, conf->exp_color);
    read_color(s, "Cur Color", 4, file, conf->cur_color);
    get_prof_path(s, "Gradation Image", file, REEF_PATH_SIZE, conf->gradation_image);
    return 1;
}

int set_graph_line(int line, const ReefGraphLine* record)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    if (!record)
        return kUserConfWriteFailed;
    const char* file = path->c_str();
    std::string section = line_section(line);
    int written = set_prof_int(section.c_str(), "Kind", 10, record->kind, file);
    written += write_color(section.c_str(), "Color", record->color, file);
    written += set_prof_int(section.c_str(), "Width", 10, record->width, file);
    return written == 3 ? 1 : kUserConfWriteFailed;
}

int get_graph_line(int line, ReefGraphLine* record)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    if (!record)
        return reefkit::kNotSet;
    std::memset(record, 0, sizeof *record);
    const char* file = path->c_str();
    std::string section = line_section(line);
    record->kind = get_prof_int(section.c_str(), "Kind", 10, file);
    if (record->kind == 0)
        record->kind = 1;
    read_color(section.c_str(), "Color", line_default_color(line), file, record->color);
    record->width = get_prof_int(section.c_str(), "Width", 10, file);
    if (record->width == 0)
        record->width = 1;
    return 1;
}

} // extern "C"
