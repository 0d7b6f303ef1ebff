#include "watchsim/SampleWatch.h"

#include <cstdio>
#include <utility>

namespace watchsim {

namespace {

constexpr size_t kSettingsSize = 79;
constexpr size_t kWorldSlots = 32;
constexpr size_t kWorldSlotSize = 17;

const PictureRows kHeart = {
    "........................", "....XXX.........XXX.....", "...XXXXX.......XXXXX....",
    "..XXXXXXX.....XXXXXXX...", "..XXXXXXXX...XXXXXXXX...", "..XXXXXXXXXXXXXXXXXXX...",
    "...XXXXXXXXXXXXXXXXX....", "....XXXXXXXXXXXXXXX.....", ".....XXXXXXXXXXXXX......",
    "......XXXXXXXXXXX.......", ".......XXXXXXXXX........", "........XXXXXXX.........",
    ".........XXXXX..........", "..........XXX...........", "...........X............",
    "........................",
};

const PictureRows kTree = {
    "...........X............", "..........XXX...........", ".........XXXXX..........",
    "........XXXXXXX.........", "..........XXX...........", ".........XXXXX..........",
    "........XXXXXXX.........", ".......XXXXXXXXX........", ".........XXXXX..........",
    "........XXXXXXX.........", ".......XXXXXXXXX........", "......XXXXXXXXXXX.......",
    ".....XXXXXXXXXXXXX......", "..........XXX...........", "..........XXX...........",
    "........XXXXXXX.........",
};

const PictureRows kCake = {
    "........................", "......X....X....X.......", "......X....X....X.......",
    ".....XXX..XXX..XXX......", "......X....X....X.......", "....XXXXXXXXXXXXXXX.....",
    "....X.............X.....", "....X.X.X.X.X.X.X.X.....", "....XXXXXXXXXXXXXXX.....",
    "...XXXXXXXXXXXXXXXXX....", "...X.................X..", "...X..X..X..X..X..X..X..",
    "...X.................X..", "...XXXXXXXXXXXXXXXXXXX..", "........................",
    "........................",
};

void PutU16(std::vector<uint8_t>& record, size_t at, unsigned value)
{
    record[at] = static_cast<uint8_t>(value);
    record[at + 1] = static_cast<uint8_t>(value >> 8);
}

} // namespace

std::vector<uint8_t> PackPicture(const PictureRows& rows)
{
    std::vector<uint8_t> pixels(kPictureBytes, 0);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth && x < static_cast<int>(rows[y].size()); ++x)
            if (rows[y][x] != ' ' && rows[y][x] != '.')
                pixels[(y / 8) * kPictureWidth + x] |= static_cast<uint8_t>(1u << (y % 8));
    return pixels;
}

std::vector<uint8_t> KrxFile(const std::vector<uint8_t>& pixels, int count)
{
    std::vector<uint8_t> file(28, 0);
    file[0] = 'K';
    file[1] = 'R';
    file[2] = 'X';
    PutU16(file, 4, kPictureWidth);
    PutU16(file, 6, static_cast<unsigned>(kPictureHeight * count));
    const uint32_t size = static_cast<uint32_t>(kPictureBytes * count);
    for (int i = 0; i < 4; ++i)
        file[8 + i] = static_cast<uint8_t>(size >> (8 * i));
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

PictureRows SeriesPicture(int n)
{
    PictureRows rows;
    for (int y = 0; y < kPictureHeight; ++y) {
        std::string row(kPictureWidth, '.');
        for (int x = 0; x < kPictureWidth; ++x) {
            const bool frame = y == 0 || y == kPictureHeight - 1 || x == 0 || x == kPictureWidth - 1;
            // Nine bits of the number as 2 x 3 blocks across rows 2-4; a bar across rows 10-12.
            const bool digit = y >= 2 && y <= 4 && x >= 2 && x < 20 && ((n >> ((x - 2) / 2)) & 1) != 0;
            const bool bar = y >= 10 && y <= 12 && x >= 2 && x < 2 + (n % 21);
            if (frame || digit || bar)
                row[x] = 'X';
        }
        rows[y] = row;
    }
    return rows;
}

std::vector<uint8_t> SampleSettings()
{
    std::vector<uint8_t> record(kSettingsSize, 0);
    record[5] = 0x80 | 0x10 | 0x01; // 24-hour display, alarm on, metres
    record[6] = 3;                  // countdown timer, minutes
    record[12] = 6;                 // alarm 06:45, sound 2
    record[13] = 45;
    record[14] = 2;
    PutU16(record, 15, 9500); // arrival day: days after 31 December 1999
    record[17] = 14;          // arrival 14:30, sound 5
    record[18] = 30;
    record[19] = 5;
    record[20] = 1; // main city TOKYO, travel PARIS, destination NEW YORK
    record[21] = 2;
    record[22] = 3;
    PutU16(record, 27, 42); // dives logged
    PutU16(record, 64, 30); // depth alarm 30 m, two repeats
    record[66] = 2;
    record[68] = 45; // dive time alarm, minutes
    record[70] = 7;  // countdown timer sound
    return record;
}

std::vector<uint8_t> SampleWorld()
{
    const std::pair<const char*, int> cities[] = {
        {"UTC", 0},     {"TOKYO", 18}, {"PARIS", 2},      {"NEW YORK", -10},
        {"SYDNEY", 20}, {"DELHI", 11}, {"HONOLULU", -20}, {"DUBAI", 8},
    };
    std::vector<uint8_t> world(kWorldSlots * kWorldSlotSize, 0);
    size_t slot = 0;
    for (const auto& [name, halfHours] : cities) {
        const std::string text = name;
        std::copy(text.begin(), text.end(), world.begin() + static_cast<long>(slot * kWorldSlotSize));
        world[slot * kWorldSlotSize + 16] = static_cast<uint8_t>(static_cast<int8_t>(halfHours));
        ++slot;
    }
    return world;
}

std::string AnniversaryName(int month, int day)
{
    char name[16];
    std::snprintf(name, sizeof name, "mmd%02d%02d.krx", month % 100, day % 100);
    return name;
}

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

bool WriteSampleWatch(const std::filesystem::path& root)
{
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    bool ok = WriteFileBytes(root / "system.cfg", SampleSettings()) &&
              WriteFileBytes(root / "world.ini", SampleWorld());
    ok = ok && WriteFileBytes(root / AnniversaryName(2, 14), KrxFile(PackPicture(kHeart), 1));
    ok = ok && WriteFileBytes(root / AnniversaryName(12, 25), KrxFile(PackPicture(kTree), 1));
    ok = ok && WriteFileBytes(root / AnniversaryName(7, 3), KrxFile(PackPicture(kCake), 1));
    constexpr int kSeriesLength = 7;
    std::vector<uint8_t> series;
    for (int n = 1; n <= kSeriesLength; ++n) {
        const auto picture = PackPicture(SeriesPicture(n));
        series.insert(series.end(), picture.begin(), picture.end());
    }
    return ok && WriteFileBytes(root / "dailybmp.krx", KrxFile(series, kSeriesLength));
}

} // namespace watchsim
