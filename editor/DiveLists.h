// Pure rules behind the Dive and Log tabs: the offered depths and dive times, choosing a
// list item for a stored value, and the range of the log counter.
#pragma once

#include <string>
#include <vector>

struct DepthRange
{
    int first;
    int last;
    int step;
};

// 10-39 m in steps of 1, or 30-130 ft in steps of 5.
DepthRange DepthRangeFor(bool feet);

// "0" followed by every depth of the range.
std::vector<std::string> DepthItems(bool feet);

// "0", "5", ... "90".
std::vector<std::string> DiveTimeItems();
constexpr int kDiveTimeStep = 5;

// A list item's number: the whole text as a decimal integer (optional sign), else def.
int ItemNumber(const std::string& text, int def);

// Index of the first item whose number is at least value; an item that is not a number
// counts as its index times step. The last item when none reaches the value, -1 for an
// empty list.
int FirstItemAtLeast(const std::vector<std::string>& items, int value, int step);

constexpr int kLogCounterMax = 65535;

// True when the text is a decimal integer within 0-65535.
bool LogCounterTextValid(const std::string& text);
