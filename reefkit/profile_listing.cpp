// Listing sections and keys, window placements and digit arrays.
#include "reefkit/reef_internal.h"
#include "reefkit/reefkit.h"

#include "platform/profile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Largest scratch list the listing functions take on.
constexpr size_t kScratchLimit = size_t{64} << 20;
constexpr int kMaxDigits = 1024;

// The list as the profile service hands it to a buffer of capacity bytes: zero-terminated
// items ending with an empty item. When the list does not fit, the last item that fits in
// part is cut so that the buffer still ends with two zeros.
std::vector<std::string> cut_list(const std::vector<std::string>& items, size_t capacity)
{
    std::vector<std::string> kept;
    size_t used = 0;
    for (const std::string& item : items) {
        if (capacity < used + 2)
            break;
        size_t room = capacity - used - 2;
        if (item.size() > room) {
            if (room > 0)
                kept.push_back(item.substr(0, room));
            break;
        }
        kept.push_back(item);
        used += item.size() + 1;
    }
    return kept;
}

// Copies a name into one slot of the caller's array, cut to the slot.
void store_slot(char* out, int index, int slot_size, const std::string& name)
{
    char* slot = out + static_cast<size_t>(index) * static_cast<size_t>(slot_size);
    size_t count = std::min(name.size(), static_cast<size_t>(slot_size) - 1);
    std::memcpy(slot, name.data(), count);
    slot[count] = '\0';
}

bool scratch_size(int max_count, int item_size, size_t& size)
{
    size = static_cast<size_t>(max_count) * static_cast<size_t>(item_size);
    return size <= kScratchLimit;
}

} // namespace

extern "C" {

int get_all_section(const char* file, int max_count, int slot_size, char* out)
{
    if (max_count <= 0 || slot_size <= 0 || !out)
        return 0;
    size_t capacity;
    if (!scratch_size(max_count, slot_size, capacity))
        return -1020;
    auto names = cut_list(platform::profile_section_names(file), capacity);
    int stored = 0;
    for (const std::string& name : names) {
        if (stored == max_count || name.empty())
            break;
        store_slot(out, stored++, slot_size, name);
    }
    return stored;
}

int get_all_entry(const char* file, const char* section, int max_count, int key_size, int value_size,
                  char* out)
{
    if (max_count <= 0 || key_size <= 0 || value_size < 0 || !out)
        return 0;
    size_t capacity;
    if (!scratch_size(max_count, key_size + value_size + 2, capacity))
        return -1020;
    auto lines = cut_list(platform::profile_section_lines(section, file), capacity);
    int stored = 0;
    for (const std::string& line : lines) {
        size_t eq = line.find('=');
        if (stored == max_count || eq == std::string::npos)
            break;
        store_slot(out, stored++, key_size, line.substr(0, eq));
    }
    return stored;
}

int set_window_place(const char* key, const void* placement)
{
    return platform::profile_write_struct("Window", key, placement, REEF_WINDOW_PLACEMENT_SIZE,
                                          reefkit::kFamilyProfile)
               ? 1
               : 0;
}

int get_window_place(const char* key, void* placement)
{
    if (!placement)
        return 0;
    std::memset(placement, 0, REEF_WINDOW_PLACEMENT_SIZE);
    return platform::profile_read_struct("Window", key, placement, REEF_WINDOW_PLACEMENT_SIZE,
                                         reefkit::kFamilyProfile)
               ? 1
               : 0;
}

int set_array_int(const char* section, const char* key, int count, const int* values, const char* file)
{
    if (count > kMaxDigits || count < 0)
        return -1030;
    if (count > 0 && !values)
        return -1031;
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (values[i] < 0 || values[i] > 9)
            return -1031;
        text += static_cast<char>('0' + values[i]);
    }
    return set_prof_string(section, key, text.data(), file) == 1 ? 1 : -2001;
}

int get_array_int(const char* section, const char* key, const char* file, int count, int* values)
{
    if (!values)
        count = 0;
    for (int i = 0; i < count; ++i)
        values[i] = -1;
    char text[kMaxDigits];
    int length = get_prof_string(section, key, file, sizeof text, text);
    for (int i = 0; i < count && i < length; ++i)
        values[i] = (text[i] >= '0' && text[i] <= '9') ? text[i] - '0' : -1;
    return length;
}

} // extern "C"
