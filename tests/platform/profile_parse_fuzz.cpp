// Fuzz target for the INI parser: any bytes must parse without fault, and what the model
// reports must agree with itself and survive a write and a re-read.
#include "platform/ini_document.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using platform::IniDocument;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::parse(text);

    // Writing the file back and reading it again changes nothing more.
    std::string written = doc.serialize();
    require(IniDocument::parse(written).serialize() == written);

    auto sections = doc.section_names();
    for (const std::string& section : sections) {
        auto lines = doc.section_lines(section);
        for (size_t i = 0; i < lines.size(); ++i) {
            size_t eq = lines[i].find('=');
            require(eq != std::string::npos);
            std::string key = lines[i].substr(0, eq);
            bool first = true;
            for (size_t j = 0; j < i && first; ++j)
                first = !platform::ini_names_equal(lines[j].substr(0, lines[j].find('=')), key);
            if (first)
                require(doc.value(section, key) == lines[i].substr(eq + 1));
        }
    }

    // A value written into an existing section, or a new one, reads back before and after
    // the file is written out.
    std::string section = sections.empty() ? "New" : sections.front();
    IniDocument changed = doc;
    changed.set_value(section, "fuzz key", "fuzz value");
    require(changed.value(section, "FUZZ KEY") == "fuzz value");
    require(IniDocument::parse(changed.serialize()).value(section, "fuzz key") == "fuzz value");
    changed.remove_key(section, "fuzz key");
    require(IniDocument::parse(changed.serialize()).serialize() == changed.serialize());
    return 0;
}
