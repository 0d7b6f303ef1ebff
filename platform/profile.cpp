#include "platform/profile.h"

#include "platform/ini_struct.h"
#include "platform/profile_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool has_line_break(const char* text)
{
    return text && std::strpbrk(text, "\r\n") != nullptr;
}

// Texts that would not read back as written: line breaks anywhere, '=' in a key name,
// ']' in a section name.
bool writable(const char* section, const char* key, const char* value)
{
    if (has_line_break(section) || has_line_break(key) || has_line_break(value))
        return false;
    if (section && std::strchr(section, ']'))
        return false;
    return !(key && std::strchr(key, '='));
}

bool make_folder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST)
        return true;
    if (errno != ENOENT)
        return false;
    size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return false;
    return make_folder(path.substr(0, slash)) && (::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST);
}

bool is_bare_name(const std::string& file)
{
    return file.find('/') == std::string::npos;
}

// The parsed file behind a profile name; a path is used as it stands, without a copy.
std::shared_ptr<const IniDocument> load(const char* file)
{
    if (std::strchr(file, '/'))
        return profile_load(file);
    return profile_load(profile_path(file).c_str());
}

std::optional<std::string> read_value(const char* section, const char* key, const char* file)
{
    if (!section || !key || !file)
        return std::nullopt;
    return load(file)->value(section, key);
}

} // namespace

std::string family_profile_dir()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/seaglass";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "";
    }
    return std::string(home) + "/.config/seaglass";
}

std::string profile_path(const std::string& file)
{
    return is_bare_name(file) ? family_profile_dir() + "/" + file : file;
}

int profile_read_string(const char* section, const char* key, const char* def, char* out, int size,
                        const char* file)
{
    if (!out || size <= 0)
        return 0;
    auto value = read_value(section, key, file);
    std::string_view text = value ? std::string_view(*value) : std::string_view(def ? def : "");
    text = text.substr(0, text.find('\0'));
    size_t count = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<int>(count);
}

int profile_read_int(const char* section, const char* key, int def, const char* file)
{
    auto value = read_value(section, key, file);
    if (!value)
        return def;
    std::string_view text = *value;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Wraps like a 32-bit register instead of overflowing.
    uint32_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10u + static_cast<uint32_t>(c - '0');
    }
    if (negative)
        number = 0u - number;
    return static_cast<int>(number);
}

bool profile_write_string(const char* section, const char* key, const char* value, const char* file)
{
    if (!file || !*file || !writable(section, key, value))
        return false;
    if (!section)
        return true; // nothing to change: every write already reaches the file at once
    std::string path = profile_path(file);
    if (is_bare_name(file) && !make_folder(family_profile_dir()))
        return false;
    return profile_update(path, [&](IniDocument& doc) {
        if (!key)
            return doc.remove_section(section);
        if (!value)
            return doc.remove_key(section, key);
        return doc.set_value(section, key, value);
    });
}

bool profile_read_struct(const char* section, const char* key, void* data, int size, const char* file)
{
    auto value = read_value(section, key, file);
    return value && data && ini_decode_struct(*value, data, size);
}

bool profile_write_struct(const char* section, const char* key, const void* data, int size, const char* file)
{
    if (!data || size < 0)
        return false;
    return profile_write_string(section, key, ini_encode_struct(data, size).c_str(), file);
}

std::vector<std::string> profile_section_names(const char* file)
{
    if (!file)
        return {};
    return load(file)->section_names();
}

std::vector<std::string> profile_section_lines(const char* section, const char* file)
{
    if (!section || !file)
        return {};
    return load(file)->section_lines(section);
}

} // namespace platform
