// Helpers shared by the files of the library; not exported.
#pragma once

#include <optional>
#include <string>

namespace reefkit {

// Copies path into a REEF_PATH_SIZE buffer; false (out untouched) when it does not fit.
bool copy_path(const std::string& path, char* out);

// Full path of a file of the log folder (types of path_log_confs and path_log_files) or of
// USER.CNF; nothing when the folder is not recorded or the type is unknown.
std::optional<std::string> log_conf_path(int type);
std::optional<std::string> log_file_path(int type, int number);
std::optional<std::string> user_config_path();

// Result codes of the log-suite configuration.
constexpr int kNotLocated = -2004;
constexpr int kUserConfWriteFailed = -2005;
constexpr int kNotSet = -2006;
constexpr int kLogConfWriteFailed = -2007;
constexpr int kAlbumWriteFailed = -2009;

// Decimal text of a number. (The standard library's conversion would drag an exported
// template static into the library's symbol table.)
std::string decimal(int number);

// The family's shared profile file.
constexpr const char* kFamilyProfile = "SEAGLASS.INI";

} // namespace reefkit
