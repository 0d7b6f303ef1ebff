#include "editor/DiveLists.h"

#include <cerrno>
#include <cstdlib>

DepthRange DepthRangeFor(bool feet)
{
    return feet ? DepthRange{30, 130, 5} : DepthRange{10, 39, 1};
}

std::vector<std::string> DepthItems(bool feet)
{
    const DepthRange range = DepthRangeFor(feet);
    std::vector<std::string> items{"0"};
    for (int depth = range.first; depth <= range.last; depth += range.step)
        items.push_back(std::to_string(depth));
    return items;
}

std::vector<std::string> DiveTimeItems()
{
    std::vector<std::string> items;
    for (int minutes = 0; minutes <= 90; minutes += kDiveTimeStep)
        items.push_back(std::to_string(minutes));
    return items;
}

namespace {

// Parses the whole text as a decimal integer; false when it is none or does not fit a long.
bool parseDecimal(const std::string& text, long& out)
{
    if (text.empty())
        return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (errno == ERANGE || end == begin || *end != '\0')
        return false;
    // strtol skips leading blanks; an item or edit text with them is not a number.
    if (text[0] == ' ' || text[0] == '\t')
        return false;
    out = value;
    return true;
}

} // namespace

int ItemNumber(const std::string& text, int def)
{
    long value = 0;
    if (!parseDecimal(text, value) || value < -2147483647L || value > 2147483647L)
        return def;
    return static_cast<int>(value);
}

int FirstItemAtLeast(const std::vector<std::string>& items, int value, int step)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (ItemNumber(items[i], static_cast<int>(i) * step) >= value)
            return static_cast<int>(i);
    }
    return static_cast<int>(items.size()) - 1;
}

bool LogCounterTextValid(const std::string& text)
{
    long value = 0;
    return parseDecimal(text, value) && value >= 0 && value <= kLogCounterMax;
}
