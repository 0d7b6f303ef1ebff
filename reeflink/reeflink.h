/* Reeflink: readers and writers of the data files the watch produces.
 *
 * Every function returns 0 (or a positive value where stated) on success and a negative code
 * on failure: -1001 file cannot be opened, -1002 file cannot be created, -1004 read failed,
 * short or malformed, -1005 write failed, -5202 time-sync data rejected. Nothing is shown.
 * Paths are zero-terminated texts; all records and lists belong to the caller.
 */
#ifndef KELPSET_REEFLINK_H
#define KELPSET_REEFLINK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A list of texts owned by the caller, reached through its operations. `clear` and `append`
 * are always needed; the line data functions also use `count`, `read` and `remove_last`.
 * `read` returns the zero-terminated text of entry `index` (0 <= index < count). */
typedef struct RlTextList
{
    void* context;
    void (*clear)(void* context);
    void (*append)(void* context, const char* text);
    int (*count)(void* context);
    const char* (*read)(void* context, int index);
    void (*remove_last)(void* context);
} RlTextList;

/* Calendar time as the watch reports it; every field unsigned 16-bit. */
typedef struct RlTimeRecord
{
    uint16_t year;
    uint16_t month;
    uint16_t day_of_week;
    uint16_t day;
    uint16_t hour;
    uint16_t minute;
    uint16_t second;
    uint16_t milliseconds;
} RlTimeRecord;

/* Contents of the 46-byte device information file. */
typedef struct RlDevInfo
{
    char first_text[13];      /* bytes 8-19 up to the first zero, at most 12 characters */
    char second_text[13];     /* bytes 20-31 likewise */
    char first_code_text[9];  /* bytes 32-35 as uppercase hex, first byte first */
    char second_code_text[9]; /* bytes 44..41 as uppercase hex, most significant first */
    uint32_t second_code;     /* bytes 41-44, little-endian */
} RlDevInfo;

/* A dive's header as decoded by LoadProfile. Date-time values are days since 30 December
 * 1899, the fraction being the time of day. */
typedef struct RlDiveResult
{
    uint32_t caller_value; /* not written; printed into the profile text file */
    uint32_t flag_word;    /* header byte 0 + 256 x header byte 1 */
    uint32_t unit;         /* 2 feet (bit 6 of byte 0 set), 1 metres */
    uint32_t bit5_flag;    /* 1 when bit 5 of byte 0 is clear, else 0 */
    uint32_t word2;
    double date;
    uint32_t byte8;
    double time[5];
    uint32_t word24;
    int32_t word26;
    uint32_t word28;
} RlDiveResult;

/* Size of the settings record in system.cfg. */
#define RL_SYSTEM_CFG_SIZE 79
/* Size of the path buffer LoadProfile fills. */
#define RL_PATH_SIZE 260

/* Reads filelist.dat into `list`: per entry its name, then its size in decimal.
 * 0; -1001 cannot open (list untouched); -1004 an entry is cut short (earlier entries kept). */
int LoadFilelist(const char* path, const RlTextList* list);

/* Reads timesync.wsy (its first 93 bytes) and decodes it. 0; -1001; -1004 fewer than 93 bytes;
 * -5202 the data is rejected. `time` and `time_difference` (local minus universal time in
 * 30-minute steps) are written only on success. */
int LoadTimesync(const char* path, RlTimeRecord* time, int32_t* time_difference);

/* Reads the 79-byte settings record; the record is zeroed first. 0; -1001; -1004 short
 * (what was read stays, the rest is zero). */
int LoadSystemCfg(const char* path, unsigned char* record);

/* Writes the 79-byte settings record, replacing the file. 0; -1002; -1005. */
int SaveSystemCfg(const unsigned char* record, const char* path);

/* Reads the 46-byte device information file. 0; -1001; -1004 fewer than 46 bytes
 * (`info` untouched). */
int LoadDevInfo(const char* path, RlDevInfo* info);

/* Decodes a dive log file and its profile data file (named in the log, in the same folder) and
 * writes the profile text file <stored base name>.tmp beside the log; its path goes into
 * `tmp_path` (RL_PATH_SIZE bytes). Returns 1 when the second series has samples, 0 when it has
 * none, -1001 when a file cannot be opened, -1004 when either file is malformed (short header,
 * missing or unusable stored name, odd data length, too many samples), -1002 when the text file
 * cannot be created or its path does not fit, -1005 when a write fails. */
int LoadProfile(const char* path, RlDiveResult* result, char* tmp_path);

/* Reads the lines of a text file into `list`, keeping at most `max_count`. A missing file gives
 * an empty list. Always 0. */
int LoadLineData(const char* path, int max_count, const RlTextList* list);

/* Writes at most `max_count` entries of `list`, one line each, replacing the file.
 * 0; -1002; -1005. */
int SaveLineData(const char* path, int max_count, const RlTextList* list);

#ifdef __cplusplus
}

#include <string>
#include <vector>

namespace reeflink {

/* Presents a std::vector<std::string> as an RlTextList; the vector must outlive the result. */
inline RlTextList textListOf(std::vector<std::string>& texts)
{
    RlTextList list{};
    list.context = &texts;
    list.clear = [](void* c) { static_cast<std::vector<std::string>*>(c)->clear(); };
    list.append = [](void* c, const char* text) {
        static_cast<std::vector<std::string>*>(c)->emplace_back(text);
    };
    list.count = [](void* c) { return static_cast<int>(static_cast<std::vector<std::string>*>(c)->size()); };
    list.read = [](void* c, int index) {
        return (*static_cast<std::vector<std::string>*>(c))[static_cast<size_t>(index)].c_str();
    };
    list.remove_last = [](void* c) { static_cast<std::vector<std::string>*>(c)->pop_back(); };
    return list;
}

} // namespace reeflink
#endif

#endif
