// The watch's settings file system.cfg: a fixed 79-byte image. Reading and writing the
// file, and the mapping between its bytes and the values the main window edits. Every byte
// the window does not edit is carried unchanged.
#pragma once

#include <array>
#include <cstdint>

constexpr int kSettingsRecordSize = 79;
using SettingsRecord = std::array<uint8_t, kSettingsRecordSize>;

// Result codes of the file operations.
constexpr int kSettingsOpenFailed = -1001;
constexpr int kSettingsCreateFailed = -1002;
constexpr int kSettingsReadFailed = -1004;
constexpr int kSettingsWriteFailed = -1005;

// Zeroes the record, then reads the first 79 bytes of the file. A shorter file leaves the
// bytes it lacks zero and gives kSettingsReadFailed.
int ReadSettingsFile(const char* path, SettingsRecord& record);
// Creates or replaces the file with the 79 bytes.
int WriteSettingsFile(const SettingsRecord& record, const char* path);

// The values the main window shows and edits.
struct SettingsValues
{
    bool hour24 = false;
    bool alarmOn = false;
    bool destOn = false;
    bool feet = false;
    int timerMinutes = 0; // 1-99 when valid
    int alarmHour = 0;
    int alarmMinute = 0;
    int alarmSound = 0; // 0-15
    int arrivalDay = 0; // days after 31 December 1999
    int destHour = 0;
    int destMinute = 0;
    int destSound = 0;
    int logCounter = 0;  // 0-65535
    int depthAlarm = 0;  // 0 = off, in the unit of `feet`
    int depthRepeat = 0; // 0 = "ON", 1-5 repeats; 255 = nothing chosen
    int diveTime = 0;    // minutes, 0 = off
    int timerSound = 0;
};

SettingsValues DecodeSettingsValues(const SettingsRecord& record);
// Writes the edited fields (switch byte, timer, alarm, destination timer, log counter,
// dive alarms, sounds) and clears bytes 10-11; the location bytes 20-26 and every other
// byte stay as they are.
void EncodeSettingsValues(const SettingsValues& values, SettingsRecord& record);

// Sets bit 7 of the main (20) and travel (21) location bytes when the daylight-saving mask
// has the bit of their slot set, so that they read like the destination byte (22).
void MarkDaylightLocations(SettingsRecord& record);

// A sound byte's sound number: bit 7 ignored, numbers above 15 taken as 0.
int SoundFromByte(uint8_t byte);
