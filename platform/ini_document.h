// In-memory model of one INI profile file: its lines as read, with sections and keys
// recognised, so that a change rewrites only the lines it concerns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniDocument
{
public:
    // Accepts LF, CRLF and CR line ends and a leading UTF-8 byte-order mark.
    static IniDocument parse(std::string_view text);

    // Value of the first key of that name in the first section of that name; names match
    // ASCII case-insensitively. The value is trimmed and one pair of matching quotes removed.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Each returns true when the document changed.
    bool set_value(std::string_view section, std::string_view key, std::string_view value);
    bool remove_key(std::string_view section, std::string_view key);
    bool remove_section(std::string_view section);

    // Section names in file order, each name once (the first spelling).
    std::vector<std::string> section_names() const;
    // "key=value" for every key of the first section of that name, in file order.
    std::vector<std::string> section_lines(std::string_view section) const;

    // The file text with CRLF line ends; the byte-order mark is kept when it was there.
    std::string serialize() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line
    {
        std::string text;
        Kind kind = Kind::Other;
        std::string name;  // section or key name, trimmed
        std::string value; // key value, trimmed and unquoted
    };
    static Line classify(std::string text);
    std::optional<size_t> find_section(std::string_view name) const;
    size_t section_end(size_t header) const;
    std::optional<size_t> find_key(size_t header, std::string_view key) const;

    std::vector<Line> lines_;
    bool bom_ = false;
};

// ASCII-only case-insensitive comparison, as profile names are matched.
bool ini_names_equal(std::string_view a, std::string_view b);

} // namespace platform
