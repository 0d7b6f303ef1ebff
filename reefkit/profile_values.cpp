// Reading and writing single profile values: texts, paths and integers.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include "platform/profile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUnset = "UNDEF";

int flag(bool ok)
{
    return ok ? 1 : 0;
}

} // namespace

extern "C" {

int get_prof_string(const char* section, const char* key, const char* file, int size, char* out)
{
    if (!out || size <= 0)
        return 0;
    int count = platform::profile_read_string(section, key, "", out, size, file);
    if (std::strcmp(out, kUnset) == 0) {
        out[0] = '\0';
        return 0;
    }
    return count;
}

int set_prof_string(const char* section, const char* key, char* value, const char* file)
{
    if (value)
        set_null(value);
    const char* stored = (value && std::strcmp(value, kUnset) == 0) ? nullptr : value;
    return flag(platform::profile_write_string(section, key, stored, file));
}

int get_prof_path(const char* section, const char* key, const char* file, int size, char* out)
{
    if (get_prof_string(section, key, file, size, out) == 0)
        return 0;
    del_last_dirmark(out);
    return static_cast<int>(std::strlen(out));
}

int set_prof_path(const char* section, const char* key, char* path, const char* file)
{
    if (path) {
        del_last_dirmark(path);
        if (std::strlen(path) > REEF_PATH_SIZE)
            return -2000;
    }
    return set_prof_string(section, key, path, file) == 1 ? 1 : -2001;
}

int get_prof_int(const char* section, const char* key, int radix, const char* file)
{
    if (radix == 10)
        return platform::profile_read_int(section, key, 0, file);
    if (radix != 8 && radix != 16)
        return 0;
    // Eleven characters: every 32-bit value written in octal (up to 11 digits) reads back.
    char text[12];
    if (get_prof_string(section, key, file, sizeof text, text) == 0)
        return 0;
    // Like scanf's %o and %x: leading blanks, a sign, for hex an optional 0x.
    char* end = nullptr;
    unsigned long number = std::strtoul(text, &end, radix);
    if (end == text)
        return 0;
    return static_cast<int>(static_cast<unsigned int>(number));
}

int set_prof_int(const char* section, const char* key, int radix, int value, const char* file)
{
    if (value == 0)
        return flag(platform::profile_write_string(section, key, nullptr, file));
    char text[16];
    auto bits = static_cast<unsigned int>(value);
    if (radix == 16)
        std::snprintf(text, sizeof text, "%x", bits);
    else if (radix == 8)
        std::snprintf(text, sizeof text, "%o", bits);
    else
        std::snprintf(text, sizeof text, "%d", value);
    return flag(platform::profile_write_string(section, key, text, file));
}

int get_prof_time(const char* section, const char* key, const char* file)
{
    return platform::profile_read_int(section, key, 9999, file);
}

int set_prof_time(const char* section, const char* key, int value, const char* file)
{
    std::string text = reefkit::decimal(value);
    return flag(platform::profile_write_string(section, key, text.c_str(), file));
}

int del_prof_entry(const char* section, const char* key, const char* file)
{
    if (!key)
        return 0; // a null key would take the whole section with it
    return flag(platform::profile_write_string(section, key, nullptr, file));
}

int del_prof_section(const char* section, const char* file)
{
    if (!section)
        return 0;
    return flag(platform::profile_write_string(section, nullptr, nullptr, file));
}

} // extern "C"
