#include "obex/packet.h"

namespace obex {

namespace {

enum class Kind { text, bytes, one_byte, four_bytes };

Kind kind_of(std::uint8_t id)
{
    switch (id >> 6) {
    case 0:
        return Kind::text;
    case 1:
        return Kind::bytes;
    case 2:
        return Kind::one_byte;
    default:
        return Kind::four_bytes;
    }
}

std::uint16_t be16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

std::uint32_t be32(const std::uint8_t* p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

void put16(std::vector<std::uint8_t>& out, std::size_t v)
{
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void put_utf16(std::vector<std::uint8_t>& out, std::uint32_t unit)
{
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
    out.push_back(static_cast<std::uint8_t>(unit));
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is not valid UTF-8.
std::size_t decode_utf8(const std::string& text, std::size_t i, std::uint32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t n;
    std::uint32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

void append_utf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

const Header* Packet::find(std::uint8_t id) const
{
    for (const auto& h : headers)
        if (h.id == id)
            return &h;
    return nullptr;
}

std::size_t packet_length(std::span<const std::uint8_t> prefix)
{
    return prefix.size() < 3 ? 0 : be16(prefix.data() + 1);
}

ParseError parse_headers(std::span<const std::uint8_t> data, std::vector<Header>& out)
{
    out.clear();
    std::size_t pos = 0;
    while (pos < data.size()) {
        const std::size_t left = data.size() - pos;
        Header h;
        h.id = data[pos];
        switch (kind_of(h.id)) {
        case Kind::text:
        case Kind::bytes: {
            if (left < 3)
                return ParseError::bad_header;
            const std::size_t len = be16(data.data() + pos + 1);
            if (len < 3 || len > left)
                return ParseError::bad_header;
            h.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(pos + 3),
                           data.begin() + static_cast<std::ptrdiff_t>(pos + len));
            pos += len;
            break;
        }
        case Kind::one_byte:
            if (left < 2)
                return ParseError::bad_header;
            h.value = data[pos + 1];
            pos += 2;
            break;
        case Kind::four_bytes:
            if (left < 5)
                return ParseError::bad_header;
            h.value = be32(data.data() + pos + 1);
            pos += 5;
            break;
        }
        out.push_back(std::move(h));
    }
    return ParseError::none;
}

ParseError parse_packet(std::span<const std::uint8_t> data, bool connect_fields, Packet& out)
{
    out = Packet{};
    const std::size_t fixed = connect_fields ? 7 : 3;
    if (data.size() < 3)
        return ParseError::truncated;
    if (packet_length(data) != data.size())
        return ParseError::length_mismatch;
    if (data.size() < fixed)
        return ParseError::truncated;
    out.code = data[0];
    if (connect_fields) {
        out.has_connect_fields = true;
        out.version = data[3];
        out.flags = data[4];
        out.max_packet = be16(data.data() + 5);
        if (out.max_packet < min_packet_size)
            return ParseError::bad_max_packet;
    }
    return parse_headers(data.subspan(fixed), out.headers);
}

std::size_t encoded_size(const Header& h)
{
    switch (kind_of(h.id)) {
    case Kind::text:
    case Kind::bytes:
        return 3 + h.bytes.size();
    case Kind::one_byte:
        return 2;
    default:
        return 5;
    }
}

std::vector<std::uint8_t> encode_packet(const Packet& packet)
{
    std::size_t total = packet.has_connect_fields ? 7 : 3;
    for (const auto& h : packet.headers)
        total += encoded_size(h);
    if (total > 0xFFFF)
        return {};
    std::vector<std::uint8_t> out;
    out.reserve(total);
    out.push_back(packet.code);
    put16(out, total);
    if (packet.has_connect_fields) {
        out.push_back(packet.version);
        out.push_back(packet.flags);
        put16(out, packet.max_packet);
    }
    for (const auto& h : packet.headers) {
        out.push_back(h.id);
        switch (kind_of(h.id)) {
        case Kind::text:
        case Kind::bytes:
            put16(out, 3 + h.bytes.size());
            out.insert(out.end(), h.bytes.begin(), h.bytes.end());
            break;
        case Kind::one_byte:
            out.push_back(static_cast<std::uint8_t>(h.value));
            break;
        case Kind::four_bytes:
            for (int shift = 24; shift >= 0; shift -= 8)
                out.push_back(static_cast<std::uint8_t>(h.value >> shift));
            break;
        }
    }
    return out;
}

Header make_bytes_header(std::uint8_t id, std::span<const std::uint8_t> bytes)
{
    Header h;
    h.id = id;
    h.bytes.assign(bytes.begin(), bytes.end());
    return h;
}

Header make_u32_header(std::uint8_t id, std::uint32_t value)
{
    Header h;
    h.id = id;
    h.value = value;
    return h;
}

Header make_name_header(const std::string& name)
{
    Header h;
    h.id = header::name;
    h.bytes = bytes_to_utf16be(name);
    return h;
}

std::vector<std::uint8_t> bytes_to_utf16be(const std::string& text)
{
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t cp = 0;
        std::size_t n = decode_utf8(text, i, cp);
        if (n == 0) {
            cp = static_cast<unsigned char>(text[i]);
            n = 1;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put_utf16(out, 0xD800 | (cp >> 10));
            put_utf16(out, 0xDC00 | (cp & 0x3FF));
        } else {
            put_utf16(out, cp);
        }
        i += n;
    }
    put_utf16(out, 0);
    return out;
}

std::string utf16be_to_utf8(std::span<const std::uint8_t> text)
{
    std::string out;
    const std::size_t units = text.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t u = be16(text.data() + 2 * i);
        if (u == 0)
            break;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const std::uint32_t low = be16(text.data() + 2 * i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                append_utf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        append_utf8(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u);
    }
    return out;
}

} // namespace obex
