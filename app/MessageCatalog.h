// The two-language message catalog of the family: 522 rows addressed by number 0..521.
#pragma once

namespace catalog {

constexpr int kMessageCount = 522;

// UTF-8 text of a row, or nullptr for a number outside 0..521.
const char* english(int number);
const char* japanese(int number);

} // namespace catalog
