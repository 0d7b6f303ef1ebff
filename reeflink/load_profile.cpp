// LoadProfile: dive log file + profile data file -> result record and profile text file.
#include "reeflink/dive_header.h"
#include "reeflink/export.h"
#include "reeflink/file_handle.h"
#include "reeflink/profile_series.h"
#include "reeflink/reeflink.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace reeflink;

constexpr size_t kStoredNameField = 260;
// A profile data file larger than this cannot be a recording; refusing it bounds memory.
constexpr size_t kMaxDataFileSize = 2 * kMaxSeriesSamples;

struct DiveLog
{
    unsigned char header[kDiveHeaderSize];
    std::string base;      // stored name up to its last "."
    std::string extension; // stored name from its last "." on
};

// Reads the header and the stored profile data file name. The name must be a plain file name
// (no folder part) with a "." so that it names a file beside the log.
int readDiveLog(const char* path, DiveLog& log)
{
    FileHandle file = openFile(path, "rb");
    if (!file)
        return -1001;
    if (readSome(file.get(), log.header, kDiveHeaderSize) != kDiveHeaderSize)
        return -1004;
    char name[kStoredNameField];
    const long got = readSome(file.get(), name, sizeof name);
    if (got <= 0)
        return -1004;
    const size_t length = strnlen(name, size_t(got));
    if (length == size_t(got) && length == sizeof name) // no terminator inside the field
        return -1004;
    const std::string stored(name, length);
    const size_t dot = stored.rfind('.');
    if (dot == std::string::npos || stored.find_first_of("/\\") != std::string::npos)
        return -1004;
    log.base = stored.substr(0, dot);
    log.extension = stored.substr(dot);
    return 0;
}

int readWholeFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    FileHandle file = openFile(path.c_str(), "rb");
    if (!file)
        return -1001;
    unsigned char chunk[8192];
    for (;;) {
        const long got = readSome(file.get(), chunk, sizeof chunk);
        if (got < 0)
            return -1004;
        if (got == 0)
            return 0;
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (bytes.size() > kMaxDataFileSize)
            return -1004;
    }
}

int writeProfileText(FILE* file, const std::string& headerLine, const ProfileSeries& series)
{
    if (std::fprintf(file, "%s\n\n", headerLine.c_str()) < 0)
        return -1005;
    if (series.main.empty())
        return 0;
    for (int sample : series.main)
        if (std::fprintf(file, "%03u\n", unsigned(sample)) < 0)
            return -1005;
    if (series.second.empty())
        return 0;
    if (std::fputc('\n', file) == EOF)
        return -1005;
    for (int sample : series.second)
        if (std::fprintf(file, "%03d\n", sample) < 0)
            return -1005;
    return 0;
}

} // namespace

RL_EXPORT int LoadProfile(const char* path, RlDiveResult* result, char* tmp_path)
{
    if (!path || !result)
        return -1001;
    const std::string logPath(path);
    const size_t slash = logPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : logPath.substr(0, slash + 1);

    DiveLog log;
    if (int rc = readDiveLog(path, log); rc < 0)
        return rc;

    std::vector<unsigned char> data;
    if (int rc = readWholeFile(folder + log.base + log.extension, data); rc < 0)
        return rc;
    ProfileSeries series;
    if (int rc = decodeProfileData(data.data(), data.size(), series); rc < 0)
        return rc;

    clampDiveHeader(log.header);
    decodeDiveHeader(log.header, *result);

    const std::string textPath = folder + log.base + ".tmp";
    if (!tmp_path || textPath.size() >= RL_PATH_SIZE)
        return -1002;
    std::memcpy(tmp_path, textPath.c_str(), textPath.size() + 1);
    FileHandle text = openFile(textPath.c_str(), "w");
    if (!text)
        return -1002;
    int rc = writeProfileText(text.get(), profileHeaderLine(log.header, result->caller_value), series);
    if (std::fclose(text.release()) != 0 && rc == 0)
        rc = -1005;
    if (rc < 0)
        return rc;
    return series.second.empty() ? 0 : 1;
}
