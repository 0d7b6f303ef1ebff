// Feeds arbitrary bytes to the packet parser (both with and without CONNECT fields), then checks
// that whatever parsed encodes back to the same bytes and decodes its names without fault.
#include "obex/packet.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    for (const bool connect_fields : {false, true}) {
        obex::Packet packet;
        if (obex::parse_packet(bytes, connect_fields, packet) != obex::ParseError::none)
            continue;
        for (const auto& h : packet.headers)
            if (h.id == obex::header::name)
                (void)obex::bytes_to_utf16be(obex::utf16be_to_utf8(h.bytes));
        if (obex::encode_packet(packet) != std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
            std::abort();
    }
    return 0;
}
