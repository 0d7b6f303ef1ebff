// OBEX packets and headers as pure functions over bytes (no I/O).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace obex {

inline constexpr std::uint16_t min_packet_size = 255;
inline constexpr std::uint8_t final_bit = 0x80;

namespace opcode {
inline constexpr std::uint8_t connect = 0x80;
inline constexpr std::uint8_t disconnect = 0x81;
inline constexpr std::uint8_t put = 0x02;
inline constexpr std::uint8_t get = 0x03;
inline constexpr std::uint8_t abort = 0xFF;
} // namespace opcode

namespace response {
inline constexpr std::uint8_t continue_ = 0x90;
inline constexpr std::uint8_t success = 0xA0;
inline constexpr std::uint8_t bad_request = 0xC0;
inline constexpr std::uint8_t forbidden = 0xC3;
inline constexpr std::uint8_t not_found = 0xC4;
inline constexpr std::uint8_t internal_error = 0xD0;
inline constexpr std::uint8_t not_implemented = 0xD1;
} // namespace response

namespace header {
inline constexpr std::uint8_t name = 0x01;
inline constexpr std::uint8_t length = 0xC3;
inline constexpr std::uint8_t body = 0x48;
inline constexpr std::uint8_t end_of_body = 0x49;
inline constexpr std::uint8_t connection_id = 0xCB;
inline constexpr std::uint8_t target = 0x46;
inline constexpr std::uint8_t who = 0x4A;
} // namespace header

struct Header
{
    std::uint8_t id = 0;
    std::vector<std::uint8_t> bytes; // text (UTF-16BE with its NUL) and byte-sequence headers
    std::uint32_t value = 0;         // one-byte and four-byte headers
};

struct Packet
{
    std::uint8_t code = 0; // opcode of a request or code of a response, final bit included
    // Present in CONNECT requests and their responses only.
    bool has_connect_fields = false;
    std::uint8_t version = 0x10;
    std::uint8_t flags = 0;
    std::uint16_t max_packet = 0;
    std::vector<Header> headers;

    const Header* find(std::uint8_t id) const;
};

enum class ParseError {
    none,
    truncated,       // fewer bytes than the fixed fields need
    length_mismatch, // the packet length field disagrees with the bytes given
    bad_header,      // a header length of zero, too short, or past the packet end
    bad_max_packet,  // a CONNECT maximum packet size below the protocol minimum
};

// The packet length field of the first three bytes (0 when fewer than three are given).
std::size_t packet_length(std::span<const std::uint8_t> prefix);

// Parses one whole packet. connect_fields says whether the fixed CONNECT fields follow the
// length (CONNECT requests, and the response to one).
ParseError parse_packet(std::span<const std::uint8_t> data, bool connect_fields, Packet& out);

// Parses a header area; every length is checked against the area.
ParseError parse_headers(std::span<const std::uint8_t> data, std::vector<Header>& out);

// Serialises a packet; the length field is filled in. Returns an empty vector when the packet
// would exceed 65535 bytes.
std::vector<std::uint8_t> encode_packet(const Packet& packet);

// Size of a header once encoded.
std::size_t encoded_size(const Header& h);

Header make_bytes_header(std::uint8_t id, std::span<const std::uint8_t> bytes);
Header make_u32_header(std::uint8_t id, std::uint32_t value);
// A Name header from a byte string: UTF-8 decoded when valid, else each byte taken as one character.
Header make_name_header(const std::string& name);

// UTF-16BE (with or without the closing NUL) to UTF-8; lone surrogates become U+FFFD.
std::string utf16be_to_utf8(std::span<const std::uint8_t> text);
// The inverse of the above, with the closing NUL; invalid UTF-8 bytes are taken as Latin-1.
std::vector<std::uint8_t> bytes_to_utf16be(const std::string& text);

} // namespace obex
