#include "editor/SettingsRecord.h"

#include <cstdio>

namespace {

constexpr int kSwitch = 5;
constexpr int kTimerMinutes = 6;
constexpr int kCleared = 10;
constexpr int kAlarmHour = 12;
constexpr int kAlarmMinute = 13;
constexpr int kAlarmSound = 14;
constexpr int kArrivalDay = 15;
constexpr int kDestHour = 17;
constexpr int kDestMinute = 18;
constexpr int kDestSound = 19;
constexpr int kMainLocation = 20;
constexpr int kTravelLocation = 21;
constexpr int kDaylightMask = 23;
constexpr int kLogCounter = 27;
constexpr int kDepthAlarm = 64;
constexpr int kDepthRepeat = 66;
constexpr int kDiveTime = 68;
constexpr int kTimerSound = 70;

constexpr uint8_t kHour24Bit = 0x01;
constexpr uint8_t kKeptSwitchBits = 0x0E;
constexpr uint8_t kAlarmOnBit = 0x10;
constexpr uint8_t kDestOnBit = 0x20;
constexpr uint8_t kFeetBit = 0x40;
constexpr uint8_t kAlwaysSetBit = 0x80;

int get16(const SettingsRecord& r, int at)
{
    return r[at] | (r[at + 1] << 8);
}

void put16(SettingsRecord& r, int at, int value)
{
    r[at] = static_cast<uint8_t>(value & 0xFF);
    r[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

uint32_t get32(const SettingsRecord& r, int at)
{
    return static_cast<uint32_t>(r[at]) | static_cast<uint32_t>(r[at + 1]) << 8 |
           static_cast<uint32_t>(r[at + 2]) << 16 | static_cast<uint32_t>(r[at + 3]) << 24;
}

uint8_t low8(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

} // namespace

int ReadSettingsFile(const char* path, SettingsRecord& record)
{
    record.fill(0);
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return kSettingsOpenFailed;
    const size_t got = std::fread(record.data(), 1, record.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || got < record.size())
        return kSettingsReadFailed;
    return 0;
}

int WriteSettingsFile(const SettingsRecord& record, const char* path)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return kSettingsCreateFailed;
    const size_t put = std::fwrite(record.data(), 1, record.size(), file);
    // A full disk may only show when the buffered bytes are flushed.
    const bool closed = std::fclose(file) == 0;
    if (put < record.size() || !closed)
        return kSettingsWriteFailed;
    return 0;
}

int SoundFromByte(uint8_t byte)
{
    const int sound = byte & 0x7F;
    return sound > 15 ? 0 : sound;
}

SettingsValues DecodeSettingsValues(const SettingsRecord& r)
{
    SettingsValues v;
    const uint8_t sw = r[kSwitch];
    v.hour24 = (sw & kHour24Bit) != 0;
    v.alarmOn = (sw & kAlarmOnBit) != 0;
    v.destOn = (sw & kDestOnBit) != 0;
    v.feet = (sw & kFeetBit) != 0;
    v.timerMinutes = r[kTimerMinutes];
    v.alarmHour = r[kAlarmHour];
    v.alarmMinute = r[kAlarmMinute];
    v.alarmSound = SoundFromByte(r[kAlarmSound]);
    v.arrivalDay = get16(r, kArrivalDay);
    v.destHour = r[kDestHour];
    v.destMinute = r[kDestMinute];
    v.destSound = SoundFromByte(r[kDestSound]);
    v.logCounter = get16(r, kLogCounter);
    v.depthAlarm = get16(r, kDepthAlarm);
    v.depthRepeat = r[kDepthRepeat];
    v.diveTime = r[kDiveTime];
    v.timerSound = SoundFromByte(r[kTimerSound]);
    return v;
}

void EncodeSettingsValues(const SettingsValues& v, SettingsRecord& r)
{
    uint8_t sw = (r[kSwitch] & kKeptSwitchBits) | kAlwaysSetBit;
    if (v.hour24)
        sw |= kHour24Bit;
    if (v.alarmOn)
        sw |= kAlarmOnBit;
    if (v.destOn)
        sw |= kDestOnBit;
    if (v.feet)
        sw |= kFeetBit;
    r[kSwitch] = sw;
    put16(r, kCleared, 0);
    r[kAlarmHour] = low8(v.alarmHour);
    r[kAlarmMinute] = low8(v.alarmMinute);
    r[kAlarmSound] = low8(v.alarmSound) & 0x7F;
    r[kTimerMinutes] = low8(v.timerMinutes);
    r[kTimerSound] = low8(v.timerSound) & 0x7F;
    put16(r, kArrivalDay, v.arrivalDay);
    r[kDestHour] = low8(v.destHour);
    r[kDestMinute] = low8(v.destMinute);
    r[kDestSound] = low8(v.destSound) & 0x7F;
    put16(r, kLogCounter, v.logCounter);
    put16(r, kDepthAlarm, v.depthAlarm);
    r[kDepthRepeat] = low8(v.depthRepeat);
    r[kDiveTime] = low8(v.diveTime);
}

void MarkDaylightLocations(SettingsRecord& r)
{
    const uint32_t mask = get32(r, kDaylightMask);
    for (int at : {kMainLocation, kTravelLocation}) {
        if (mask & (1u << (r[at] & 0x1F)))
            r[at] |= 0x80;
    }
}
