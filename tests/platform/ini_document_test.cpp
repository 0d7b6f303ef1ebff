#include "platform/ini_document.h"

#include <gtest/gtest.h>

using platform::IniDocument;

namespace {

struct ReadCase
{
    const char* text;
    const char* section;
    const char* key;
    const char* expected; // nullptr: key not found
};

TEST(IniDocument, ReadRules)
{
    const ReadCase cases[] = {
        {"[S]\r\nk=v\r\n", "S", "k", "v"},
        {"[Sec]\nKey=v\n", "sEC", "kEY", "v"},           // names ignore ASCII case
        {"[\xC4]\nk=v\n", "\xE4", "k", nullptr},         // only ASCII letters fold
        {"  [ S ]  \n  k  =  v w  \n", "S", "k", "v w"}, // blanks around names and values
        {"[S]\nk=\"quoted \"\n", "S", "k", "quoted "},   // one pair of quotes removed
        {"[S]\nk='single'\n", "S", "k", "single"},
        {"[S]\nk=\"mismatch'\n", "S", "k", "\"mismatch'"},              // quotes must match
        {"[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""},                      // only one pair
        {"[S]\nk=\"\n", "S", "k", "\""},                                // a lone quote stays
        {"[S]\nk=first\nk=second\n", "S", "k", "first"},                // first key wins
        {"[S]\nk=first\n[s]\nk=second\n[S]\nj=x\n", "S", "k", "first"}, // first section wins
        {"[S]\n[s]\nk=second\n", "S", "k", nullptr},                    // ...even when it lacks the key
        {"[S]\n;k=comment\n", "S", "k", nullptr},                       // comment lines
        {"[S]\nk\n", "S", "k", nullptr},                                // no '=': not a key
        {"[S]\nk=a=b\n", "S", "k", "a=b"},                              // first '=' splits
        {"[S]\rk=cr\rj=x", "S", "k", "cr"},                             // CR line ends
        {"[S]\r\nk=crlf\r\n", "S", "k", "crlf"},
        {"[S]\nk=last", "S", "k", "last"},             // no final line end
        {"\xEF\xBB\xBF[S]\nk=bom\n", "S", "k", "bom"}, // byte-order mark skipped
        {"k=outside\n[S]\n", "S", "k", nullptr},       // keys before any section
        {"[S\nk=v\n", "S", "k", "v"},                  // unclosed header
        {"[S]x\nk=v\n", "S", "k", "v"},                // text after ']'
        {"[S]\nk=\n", "S", "k", ""},                   // empty value is a value
        {"", "S", "k", nullptr},
    };
    for (const auto& c : cases) {
        auto value = IniDocument::parse(c.text).value(c.section, c.key);
        if (c.expected) {
            ASSERT_TRUE(value.has_value()) << c.text;
            EXPECT_EQ(*value, c.expected) << c.text;
        } else {
            EXPECT_FALSE(value.has_value()) << c.text;
        }
    }
}

struct WriteCase
{
    const char* before;
    const char* section;
    const char* key;   // nullptr: delete the section
    const char* value; // nullptr: delete the key
    const char* after;
    bool changed;
};

TEST(IniDocument, WriteRules)
{
    const WriteCase cases[] = {
        // update in place, keeping comments and other lines
        {"; top\n[S]\nk=old\n; c\nj=x\n", "S", "k", "new", "; top\r\n[S]\r\nk=new\r\n; c\r\nj=x\r\n", true},
        {"[S]\nK = \"v\"\n", "s", "k", "v", "[S]\r\nk=v\r\n", true},
        {"[S]\r\nk=v\r\n", "S", "k", "v", "[S]\r\nk=v\r\n", false},
        // a new key follows the last non-blank line of its section
        {"[A]\na=1\n\n[B]\nb=1\n", "A", "n", "2", "[A]\r\na=1\r\nn=2\r\n\r\n[B]\r\nb=1\r\n", true},
        {"[A]\n\n[B]\n", "a", "n", "2", "[A]\r\nn=2\r\n\r\n[B]\r\n", true},
        // a new section goes at the end
        {"[A]\na=1", "B", "b", "2", "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n", true},
        {"", "B", "b", "2", "[B]\r\nb=2\r\n", true},
        {"[A]\n\n", "B", "b", "", "[A]\r\n\r\n[B]\r\nb=\r\n", true},
        // deletions; deleting what is missing changes nothing
        {"[A]\na=1\nb=2\n", "A", "a", nullptr, "[A]\r\nb=2\r\n", true},
        {"[A]\na=1\n", "A", "x", nullptr, "[A]\r\na=1\r\n", false},
        {"[A]\na=1\n; c\n[B]\nb=2\n", "a", nullptr, nullptr, "[B]\r\nb=2\r\n", true},
        {"[A]\na=1\n", "X", nullptr, nullptr, "[A]\r\na=1\r\n", false},
        // the byte-order mark is kept
        {"\xEF\xBB\xBF[A]\na=1\n", "A", "a", "2", "\xEF\xBB\xBF[A]\r\na=2\r\n", true},
    };
    for (const auto& c : cases) {
        IniDocument doc = IniDocument::parse(c.before);
        bool changed = !c.key     ? doc.remove_section(c.section)
                       : !c.value ? doc.remove_key(c.section, c.key)
                                  : doc.set_value(c.section, c.key, c.value);
        EXPECT_EQ(changed, c.changed) << c.before;
        EXPECT_EQ(doc.serialize(), c.after) << c.before;
    }
}

TEST(IniDocument, ListsSectionsOnceAndKeysOfFirstSection)
{
    IniDocument doc = IniDocument::parse("[A]\na=1\n;c=3\nnokey\n[B]\n[a]\nz=9\n[C]\nb = ' 2 '\n");
    EXPECT_EQ(doc.section_names(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(doc.section_lines("a"), (std::vector<std::string>{"a=1"}));
    EXPECT_EQ(doc.section_lines("C"), (std::vector<std::string>{"b= 2 "}));
    EXPECT_TRUE(doc.section_lines("missing").empty());
}

} // namespace
