// The user's configuration, USER.CNF under the top folder.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

using reefkit::kNotLocated;
using reefkit::kNotSet;
using reefkit::kUserConfWriteFailed;

namespace {

constexpr size_t kListLimit = 1024;

// Units shown until the user picks others (the first key's spelling is what the programs use).
const char* default_for(const char* key)
{
    static const char* const defaults[][2] = {
        {"Preaaure", "Kg/cm2"}, {"Capacity", "L"}, {"Weight", "Kg"}, {"Consumption", "Kg/cm2/min"}};
    if (!key)
        return nullptr;
    for (const auto& entry : defaults)
        if (std::strcmp(key, entry[0]) == 0)
            return entry[1];
    return nullptr;
}

void copy_text(const char* text, int size, char* out)
{
    if (!out || size <= 0)
        return;
    size_t count = std::min(std::strlen(text), static_cast<size_t>(size) - 1);
    std::memcpy(out, text, count);
    out[count] = '\0';
}

int written(int flag)
{
    return flag == 1 ? 1 : kUserConfWriteFailed;
}

// One piece of a list text: leading blanks, a sign and digits; anything else reads as 0.
int parse_piece(const std::string& piece)
{
    long value = std::strtol(piece.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

} // namespace

extern "C" {

int set_uconf_string(const char* section, const char* key, char* value)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    if (!key)
        return written(del_prof_section(section, path->c_str()));
    if (!value)
        return written(del_prof_entry(section, key, path->c_str()));
    return written(set_prof_string(section, key, value, path->c_str()));
}

int get_uconf_string(const char* section, const char* key, int size, char* out)
{
    const char* fallback = default_for(key);
    auto path = reefkit::user_config_path();
    if (!path) {
        copy_text(fallback ? fallback : "", size, out);
        return kNotLocated;
    }
    if (get_prof_string(section, key, path->c_str(), size, out) > 0)
        return 1;
    if (!fallback)
        return kNotSet;
    copy_text(fallback, size, out);
    return 1;
}

int set_uconf_int(const char* section, const char* key, int radix, int value)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    // These sections hold one record each; a zero clears the whole record.
    if (value == 0 && section && (std::strcmp(section, "Weather") == 0 || std::strcmp(section, "Tank") == 0))
        return written(del_prof_section(section, path->c_str()));
    return written(set_prof_int(section, key, radix, value, path->c_str()));
}

int get_uconf_int(const char* section, const char* key, int radix)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    return get_prof_int(section, key, radix, path->c_str());
}

int set_uconf_index_data(const char* section, int index, char* value)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    std::string key = reefkit::decimal(index);
    return written(set_prof_string(section, key.c_str(), value, path->c_str()));
}

int get_uconf_index_data(const char* section, int index, int size, char* out)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    std::string key = reefkit::decimal(index);
    return get_prof_string(section, key.c_str(), path->c_str(), size, out) > 0 ? 1 : kNotSet;
}

int set_uconf_array(const char* section, const char* key, int count, const int* values)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    int result = set_array_int(section, key, count, values, path->c_str());
    return result == -2001 ? kUserConfWriteFailed : result;
}

int get_uconf_array(const char* section, const char* key, int count, int* values)
{
    auto path = reefkit::user_config_path();
    if (!path)
        return kNotLocated;
    return get_array_int(section, key, path->c_str(), count, values);
}

int set_uconf_int_array(const char* section, const char* key, int count, const int* values)
{
    std::string text;
    for (int i = 0; i < count && values; ++i) {
        if (i > 0)
            text += ',';
        text += reefkit::decimal(values[i]);
        if (text.size() >= kListLimit)
            return -1030;
    }
    return set_uconf_string(section, key, text.data());
}

int get_uconf_int_array(const char* section, const char* key, int count, int* values)
{
    char text[kListLimit];
    if (get_uconf_string(section, key, sizeof text, text) != 1 || !values)
        return 0;
    std::string list = text;
    int stored = 0;
    size_t start = 0;
    while (stored < count) {
        size_t comma = list.find(',', start);
        values[stored++] = parse_piece(list.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return stored;
}

} // extern "C"
