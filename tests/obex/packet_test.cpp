#include "obex/packet.h"

#include <gtest/gtest.h>

#include <vector>

using namespace obex;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct ParseCase
{
    const char* what;
    Bytes bytes;
    bool connect_fields;
    ParseError expected;
};

} // namespace

TEST(PacketParse, ChecksEveryLength)
{
    const ParseCase cases[] = {
        {"empty GET", {0x83, 0x00, 0x03}, false, ParseError::none},
        {"GET with name 'a'",
         {0x83, 0x00, 0x0A, 0x01, 0x00, 0x07, 0x00, 0x61, 0x00, 0x00},
         false,
         ParseError::none},
        {"connection id and one-byte header",
         {0x83, 0x00, 0x0A, 0xCB, 0, 0, 0, 1, 0x93, 0x05},
         false,
         ParseError::none},
        {"CONNECT", {0x80, 0x00, 0x07, 0x10, 0x00, 0xFF, 0xFF}, true, ParseError::none},
        {"two bytes only", {0x83, 0x00}, false, ParseError::truncated},
        {"length says more than given", {0x83, 0x00, 0x05, 0x00}, false, ParseError::length_mismatch},
        {"length says less than given", {0x83, 0x00, 0x03, 0x00}, false, ParseError::length_mismatch},
        {"length field below 3", {0x83, 0x00, 0x02}, false, ParseError::length_mismatch},
        {"CONNECT missing its fields", {0x80, 0x00, 0x05, 0x10, 0x00}, true, ParseError::truncated},
        {"CONNECT packet size 5",
         {0x80, 0x00, 0x07, 0x10, 0x00, 0x00, 0x05},
         true,
         ParseError::bad_max_packet},
        {"CONNECT packet size 254",
         {0x80, 0x00, 0x07, 0x10, 0x00, 0x00, 0xFE},
         true,
         ParseError::bad_max_packet},
        {"header length 0", {0xA0, 0x00, 0x06, 0x48, 0x00, 0x00}, false, ParseError::bad_header},
        {"header length 2", {0xA0, 0x00, 0x06, 0x48, 0x00, 0x02}, false, ParseError::bad_header},
        {"header past the packet end",
         {0xA0, 0x00, 0x07, 0x48, 0x00, 0x09, 0x41},
         false,
         ParseError::bad_header},
        {"header length cut off", {0xA0, 0x00, 0x05, 0x48, 0x00}, false, ParseError::bad_header},
        {"four-byte header cut off", {0xA0, 0x00, 0x06, 0xCB, 0x00, 0x00}, false, ParseError::bad_header},
        {"one-byte header cut off", {0xA0, 0x00, 0x04, 0x93}, false, ParseError::bad_header},
    };
    for (const auto& c : cases) {
        Packet packet;
        EXPECT_EQ(parse_packet(c.bytes, c.connect_fields, packet), c.expected) << c.what;
    }
}

TEST(PacketParse, ReadsFieldsAndHeaders)
{
    const Bytes bytes = {0xA0, 0x00, 0x11, 0x10, 0x00, 0x20, 0x00, 0xCB, 0x00,
                         0x00, 0x00, 0x07, 0x4A, 0x00, 0x05, 0xAB, 0xCD};
    Packet packet;
    ASSERT_EQ(parse_packet(bytes, true, packet), ParseError::none);
    EXPECT_EQ(packet.code, 0xA0);
    EXPECT_EQ(packet.version, 0x10);
    EXPECT_EQ(packet.max_packet, 0x2000);
    ASSERT_NE(packet.find(header::connection_id), nullptr);
    EXPECT_EQ(packet.find(header::connection_id)->value, 7u);
    ASSERT_NE(packet.find(header::who), nullptr);
    EXPECT_EQ(packet.find(header::who)->bytes, (Bytes{0xAB, 0xCD}));
    EXPECT_EQ(encode_packet(packet), bytes);
}

TEST(PacketEncode, BuildsLengthsAndRefusesOversize)
{
    Packet packet;
    packet.code = opcode::put | final_bit;
    packet.headers.push_back(make_name_header("a"));
    packet.headers.push_back(make_bytes_header(header::end_of_body, Bytes{1, 2}));
    EXPECT_EQ(encode_packet(packet),
              (Bytes{0x82, 0x00, 0x0F, 0x01, 0x00, 0x07, 0x00, 0x61, 0x00, 0x00, 0x49, 0x00, 0x05, 1, 2}));

    packet.headers.push_back(make_bytes_header(header::body, Bytes(0xFFFF)));
    EXPECT_TRUE(encode_packet(packet).empty());
}

TEST(NameText, ConvertsBetweenUtf8AndUtf16be)
{
    struct Case
    {
        std::string text;
        Bytes utf16;
    };
    const Case cases[] = {
        {"", {0, 0}},
        {"/halcyon/pgm/filelist.dat", {0, '/', 0, 'h', 0, 'a', 0, 'l', 0, 'c', 0, 'y', 0, 'o', 0, 'n', 0, '/',
                                       0, 'p', 0, 'g', 0, 'm', 0, '/', 0, 'f', 0, 'i', 0, 'l', 0, 'e', 0, 'l',
                                       0, 'i', 0, 's', 0, 't', 0, '.', 0, 'd', 0, 'a', 0, 't', 0, 0}},
        {"\xC3\xA9", {0x00, 0xE9, 0, 0}},
        {"\xE6\x97\xA5", {0x65, 0xE5, 0, 0}},
        {"\xF0\x9F\x90\x9F", {0xD8, 0x3D, 0xDC, 0x1F, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bytes_to_utf16be(c.text), c.utf16) << c.text;
        EXPECT_EQ(utf16be_to_utf8(c.utf16), c.text) << c.text;
    }
    // Bytes that are not UTF-8 still travel, one character each, rather than being dropped.
    EXPECT_EQ(bytes_to_utf16be("\xE9x"), (Bytes{0x00, 0xE9, 0x00, 'x', 0, 0}));
    // A lone surrogate or an odd trailing byte never reads past the text.
    EXPECT_EQ(utf16be_to_utf8(Bytes{0xD8, 0x00, 0x00}), "\xEF\xBF\xBD");
}
