// The 30-byte dive header: clamping, decoding into the result record, the profile header line.
#ifndef KELPSET_REEFLINK_DIVE_HEADER_H
#define KELPSET_REEFLINK_DIVE_HEADER_H

#include "reeflink/reeflink.h"

#include <string>

namespace reeflink {

constexpr int kDiveHeaderSize = 30;

// Clamps the header's date and times in place: year 1-3000, month 1-12, day 1 to the month's
// length, hours to 23, minutes and seconds to 59.
void clampDiveHeader(unsigned char* header);

// Days since 30 December 1899 of a valid calendar date.
double dateValue(int year, int month, int day);

// Fills every field of `result` except caller_value from a clamped header.
void decodeDiveHeader(const unsigned char* header, RlDiveResult& result);

// The first line of the profile text file (without line end) for a clamped header.
std::string profileHeaderLine(const unsigned char* header, uint32_t callerValue);

} // namespace reeflink

#endif
