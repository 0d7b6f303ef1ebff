// Log configuration (SEAGLASS.CNF) and the albums of logs and diaries.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include <cstring>
#include <string>

namespace {

using reefkit::kAlbumWriteFailed;
using reefkit::kLogConfWriteFailed;
using reefkit::kNotLocated;
using reefkit::kNotSet;

constexpr int kLogAlbum = 4;
constexpr int kDiaryAlbum = 6;

// The album file: an explicit, non-empty file wins over the one of the number.
std::optional<std::string> album_path(int type, int number, const char* file)
{
    if (file && *file)
        return std::string(file);
    return reefkit::log_file_path(type, number);
}

// A record field that may lack its terminator is read no further than its own size.
template <size_t N> std::string field_text(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

int album_set_int(std::optional<std::string> path, const char* section, const char* key, int radix, int value)
{
    if (!path)
        return kNotLocated;
    return set_prof_int(section, key, radix, value, path->c_str()) ? 1 : kAlbumWriteFailed;
}

int album_get_int(std::optional<std::string> path, const char* section, const char* key, int radix)
{
    if (!path)
        return kNotLocated;
    return get_prof_int(section, key, radix, path->c_str());
}

int album_set_index(std::optional<std::string> path, const char* section, int index, char* value)
{
    if (!path)
        return kNotLocated;
    std::string key = reefkit::decimal(index);
    return set_prof_path(section, key.c_str(), value, path->c_str()) == 1 ? 1 : kAlbumWriteFailed;
}

int album_get_index(std::optional<std::string> path, const char* section, int index, int size, char* out)
{
    if (!path)
        return kNotLocated;
    std::string key = reefkit::decimal(index);
    return get_prof_path(section, key.c_str(), path->c_str(), size, out) > 0 ? 1 : kNotSet;
}

int album_set_item(std::optional<std::string> path, const char* section, const ReefAlbumItem* item)
{
    if (!path)
        return kNotLocated;
    if (!item)
        return kAlbumWriteFailed;
    // The record is the caller's input: its texts are written from copies.
    std::string comment = field_text(item->comment);
    std::string image = field_text(item->image);
    const char* file = path->c_str();
    int written = set_prof_int(section, "Kind", 10, item->kind, file);
    written += set_prof_string(section, "Comment", comment.data(), file);
    written += set_prof_path(section, "Image Index", image.data(), file);
    return written == 3 ? 1 : kAlbumWriteFailed;
}

int album_get_item(std::optional<std::string> path, const char* section, ReefAlbumItem* item)
{
    if (!path)
        return kNotLocated;
    if (!item)
        return kNotSet;
    const char* file = path->c_str();
    item->kind = get_prof_int(section, "Kind", 10, file);
    get_prof_string(section, "Comment", file, sizeof item->comment, item->comment);
    get_prof_path(section, "Image Index", file, sizeof item->image, item->image);
    return 1;
}

} // namespace

extern "C" {

int set_log_int(const char* section, const char* key, int radix, int value)
{
    auto path = reefkit::log_conf_path(1);
    if (!path)
        return kNotLocated;
    return set_prof_int(section, key, radix, value, path->c_str()) ? 1 : kLogConfWriteFailed;
}

int get_log_int(const char* section, const char* key, int radix)
{
    auto path = reefkit::log_conf_path(1);
    if (!path)
        return kNotLocated;
    return get_prof_int(section, key, radix, path->c_str());
}

int set_album_prof_int(int number, const char* section, const char* key, int radix, int value,
                       const char* file)
{
    return album_set_int(album_path(kLogAlbum, number, file), section, key, radix, value);
}

int get_album_prof_int(int number, const char* section, const char* key, int radix, const char* file)
{
    return album_get_int(album_path(kLogAlbum, number, file), section, key, radix);
}

int set_album_prof_idx_data(int number, const char* section, int index, char* path, const char* file)
{
    return album_set_index(album_path(kLogAlbum, number, file), section, index, path);
}

int get_album_prof_idx_data(int number, const char* section, int index, int size, char* out, const char* file)
{
    return album_get_index(album_path(kLogAlbum, number, file), section, index, size, out);
}

int set_album_prof_data(int number, const char* section, const ReefAlbumItem* item, const char* file)
{
    return album_set_item(album_path(kLogAlbum, number, file), section, item);
}

int get_album_prof_data(int number, const char* section, ReefAlbumItem* item, const char* file)
{
    return album_get_item(album_path(kLogAlbum, number, file), section, item);
}

int set_diary_album_int(int number, const char* section, const char* key, int value)
{
    return album_set_int(album_path(kDiaryAlbum, number, nullptr), section, key, 10, value);
}

int get_diary_album_int(int number, const char* section, const char* key)
{
    return album_get_int(album_path(kDiaryAlbum, number, nullptr), section, key, 10);
}

int set_diary_album_idx_path(int number, const char* section, int index, char* path)
{
    return album_set_index(album_path(kDiaryAlbum, number, nullptr), section, index, path);
}

int get_diary_album_idx_path(int number, const char* section, int index, int size, char* out)
{
    return album_get_index(album_path(kDiaryAlbum, number, nullptr), section, index, size, out);
}

int set_diary_album_data(int number, const char* section, const ReefAlbumItem* item)
{
    return album_set_item(album_path(kDiaryAlbum, number, nullptr), section, item);
}

int get_diary_album_data(int number, const char* section, ReefAlbumItem* item)
{
    return album_get_item(album_path(kDiaryAlbum, number, nullptr), section, item);
}

} // extern "C"
