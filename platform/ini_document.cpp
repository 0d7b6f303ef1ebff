#include "platform/ini_document.h"

namespace platform {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool ini_names_equal(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ascii_lower(a[i]) != ascii_lower(b[i]))
            return false;
    return true;
}

IniDocument::Line IniDocument::classify(std::string text)
{
    Line line;
    std::string_view body = trim(text);
    if (!body.empty() && body.front() == '[') {
        body.remove_prefix(1);
        size_t close = body.find(']');
        line.kind = Kind::Section;
        line.name = std::string(trim(body.substr(0, close)));
    } else if (!body.empty() && body.front() != ';') {
        size_t eq = body.find('=');
        if (eq != std::string_view::npos) {
            std::string_view value = trim(body.substr(eq + 1));
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            line.kind = Kind::Key;
            line.name = std::string(trim(body.substr(0, eq)));
            line.value = std::string(value);
        }
    }
    line.text = std::move(text);
    return line;
}

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument doc;
    if (text.substr(0, kBom.size()) == kBom) {
        doc.bom_ = true;
        text.remove_prefix(kBom.size());
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            doc.lines_.push_back(classify(std::string(text.substr(pos))));
            break;
        }
        doc.lines_.push_back(classify(std::string(text.substr(pos, end - pos))));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return doc;
}

std::optional<size_t> IniDocument::find_section(std::string_view name) const
{
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && ini_names_equal(lines_[i].name, name))
            return i;
    return std::nullopt;
}

size_t IniDocument::section_end(size_t header) const
{
    size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section)
        ++i;
    return i;
}

std::optional<size_t> IniDocument::find_key(size_t header, std::string_view key) const
{
    size_t end = section_end(header);
    for (size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key && ini_names_equal(lines_[i].name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    auto header = find_section(section);
    if (!header)
        return std::nullopt;
    auto line = find_key(*header, key);
    if (!line)
        return std::nullopt;
    return lines_[*line].value;
}

bool IniDocument::set_value(std::string_view section, std::string_view key, std::string_view value)
{
    std::string text = std::string(key) + "=" + std::string(value);
    auto header = find_section(section);
    if (!header) {
        // A new section goes at the end, set off from the text before it by a blank line.
        if (!lines_.empty() && !trim(lines_.back().text).empty())
            lines_.push_back(classify(""));
        lines_.push_back(classify("[" + std::string(section) + "]"));
        lines_.push_back(classify(std::move(text)));
        return true;
    }
    if (auto line = find_key(*header, key)) {
        if (lines_[*line].text == text)
            return false;
        lines_[*line] = classify(std::move(text));
        return true;
    }
    // A new key follows the last non-blank line of its section, so blank lines that
    // separate it from the next section stay where they are.
    size_t insert = *header + 1;
    for (size_t i = *header + 1; i < section_end(*header); ++i)
        if (!trim(lines_[i].text).empty())
            insert = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), classify(std::move(text)));
    return true;
}

bool IniDocument::remove_key(std::string_view section, std::string_view key)
{
    auto header = find_section(section);
    if (!header)
        return false;
    auto line = find_key(*header, key);
    if (!line)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    return true;
}

bool IniDocument::remove_section(std::string_view section)
{
    auto header = find_section(section);
    if (!header)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(section_end(*header)));
    return true;
}

std::vector<std::string> IniDocument::section_names() const
{
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind != Kind::Section)
            continue;
        bool seen = false;
        for (const std::string& name : names)
            seen = seen || ini_names_equal(name, line.name);
        if (!seen)
            names.push_back(line.name);
    }
    return names;
}

std::vector<std::string> IniDocument::section_lines(std::string_view section) const
{
    std::vector<std::string> result;
    auto header = find_section(section);
    if (!header)
        return result;
    size_t end = section_end(*header);
    for (size_t i = *header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key)
            result.push_back(lines_[i].name + "=" + lines_[i].value);
    return result;
}

std::string IniDocument::serialize() const
{
    std::string out = bom_ ? std::string(kBom) : std::string();
    for (const Line& line : lines_) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

} // namespace platform
