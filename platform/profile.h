// INI profile engine: the private-profile service of the dive-log family.
// Bare file names resolve into the family profile folder; see profile_path().
#pragma once

#include <string>
#include <vector>

namespace platform {

// Folder shared by the family: $XDG_CONFIG_HOME/seaglass (or ~/.config/seaglass).
std::string family_profile_dir();

// Full path of a profile file: a bare name lies in the family profile folder.
std::string profile_path(const std::string& file);

// Reads a value. A missing key gives def. Copies at most size-1 bytes plus a terminator
// into out and returns the number of bytes copied (size-1 when cut).
int profile_read_string(const char* section, const char* key, const char* def, char* out, int size,
                        const char* file);

// Reads an optional sign and leading decimal digits; def when the key is missing.
int profile_read_int(const char* section, const char* key, int def, const char* file);

// Writes a value. A null value deletes the key, a null key deletes the section, a null
// section only flushes. Returns false on failure (including CR or LF in any text).
bool profile_write_string(const char* section, const char* key, const char* value, const char* file);

// Struct values: uppercase hex of the bytes plus one checksum byte (sum mod 256).
bool profile_read_struct(const char* section, const char* key, void* data, int size, const char* file);
bool profile_write_struct(const char* section, const char* key, const void* data, int size, const char* file);

// Names of all sections, and the "key=value" lines of one section, in file order.
std::vector<std::string> profile_section_names(const char* file);
std::vector<std::string> profile_section_lines(const char* section, const char* file);

// Reads reuse a parsed file while it is provably unchanged. Off, every read re-reads and
// re-parses the file (benchmarks compare both); on by default.
void profile_set_cache_enabled(bool enabled);

} // namespace platform
