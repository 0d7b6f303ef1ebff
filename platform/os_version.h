// The operating-system version record the family's programs check at start-up. This system
// reports itself as a current member of the NT family; tests install other records.
#pragma once

#include <cstdint>

struct OsVersionRecord
{
    uint32_t size;
    uint32_t majorVersion;
    uint32_t minorVersion;
    uint32_t buildNumber;
    uint32_t platformId; // 1 the 9x family, 2 the NT family
    char servicePack[128];
};

constexpr uint32_t kOsVersionRecordSize = 148;
static_assert(sizeof(OsVersionRecord) == kOsVersionRecordSize);

// Fills the record; its size field must be kOsVersionRecordSize. Returns 1, or 0 on a wrong size.
int read_os_version(OsVersionRecord* record);
// Replaces what read_os_version reports; null restores the system's record.
void set_os_version_override(const OsVersionRecord* record);

// Whether the family's programs run on this system: not on the first 9x release, not on
// NT 4.0 or older.
bool os_version_supported(const OsVersionRecord& record);
// 1001..1101 for the 9x family, 2001..2101 for the NT family, -1 otherwise.
int windows_version_code(const OsVersionRecord& record);
