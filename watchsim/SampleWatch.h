// A plausible watch content: settings, a world time list, anniversary pictures and a daily
// series, all in the watch's own formats.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace watchsim {

constexpr int kPictureWidth = 24;
constexpr int kPictureHeight = 16;
constexpr int kPictureBytes = kPictureWidth * kPictureHeight / 8;

// A 24 x 16 picture, one text row per pixel row; any character but ' ' and '.' is dark.
using PictureRows = std::array<std::string, kPictureHeight>;

// The 48 pixel bytes of a picture: pages of 8 rows, one byte per column, bit 0 the top row.
std::vector<uint8_t> PackPicture(const PictureRows& rows);
// A KRX file of `count` stacked 24 x 16 pictures whose pixel bytes follow one another.
std::vector<uint8_t> KrxFile(const std::vector<uint8_t>& pixels, int count);
// Picture number n of a generated series: a frame, n in binary, and a bar that grows with n.
PictureRows SeriesPicture(int n);

std::vector<uint8_t> SampleSettings();
std::vector<uint8_t> SampleWorld();
// "mmd" + month + day + ".krx", both two digits.
std::string AnniversaryName(int month, int day);

// Fills the folder with the sample watch; false when a file cannot be written.
bool WriteSampleWatch(const std::filesystem::path& root);
// Writes bytes to a file in one go; false on any failure.
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

} // namespace watchsim
