#include "platform/os_version.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <sys/utsname.h>

namespace {

std::optional<OsVersionRecord>& override_record()
{
    static std::optional<OsVersionRecord> record;
    return record;
}

} // namespace

int read_os_version(OsVersionRecord* record)
{
    if (!record || record->size != kOsVersionRecordSize)
        return 0;
    if (override_record()) {
        *record = *override_record();
        record->size = kOsVersionRecordSize;
        return 1;
    }
    std::memset(record, 0, sizeof *record);
    record->size = kOsVersionRecordSize;
    record->platformId = 2;
    record->majorVersion = 10;
    record->minorVersion = 0;
    utsname names{};
    if (::uname(&names) == 0) {
        unsigned major = 0, minor = 0, patch = 0;
        if (std::sscanf(names.release, "%u.%u.%u", &major, &minor, &patch) >= 1)
            record->buildNumber = major * 10000 + minor * 100 + patch % 100;
        // The service-pack text names the kernel, cut to fit.
        const std::string text = std::string(names.sysname) + " " + names.release;
        std::strncpy(record->servicePack, text.c_str(), sizeof record->servicePack - 1);
    }
    return 1;
}

void set_os_version_override(const OsVersionRecord* record)
{
    if (record)
        override_record() = *record;
    else
        override_record().reset();
}

bool os_version_supported(const OsVersionRecord& record)
{
    if (record.platformId == 1 && record.minorVersion == 0)
        return false;
    if (record.platformId == 2 && record.majorVersion <= 4)
        return false;
    return true;
}

int windows_version_code(const OsVersionRecord& record)
{
    switch (record.platformId) {
    case 1:
        switch (record.minorVersion) {
        case 0:
            return (record.buildNumber & 0xFFFF) < 1000 ? 1001 : 1002;
        case 10:
            return 1003;
        case 90:
            return 1004;
        default:
            return 1101;
        }
    case 2:
        if (record.majorVersion < 4)
            return 2001;
        if (record.majorVersion == 4)
            return 2002;
        if (record.majorVersion == 5)
            return 2003;
        return 2101;
    default:
        return -1;
    }
}
