// Feeds arbitrary bytes to the packet parser (both with and without CONNECT fields) and checks
// that whatever parsed encodes back to the same bytes; then plays the same bytes as a client
// talking to the session server.
#include "obex/packet.h"
#include "obex/server.h"
#include "obex/transports.h"

#include <cstdlib>
#include <span>

namespace {

class SmallStore : public obex::Handler
{
public:
    std::uint8_t on_get(const std::string& name, std::vector<std::uint8_t>& body) override
    {
        if (name.empty())
            return obex::response::not_found;
        body.assign(name.size() * 300, 0x5A);
        return obex::response::success;
    }
    std::uint8_t on_put(const std::string&, const std::vector<std::uint8_t>&) override
    {
        return obex::response::success;
    }
};

void check_parser(std::span<const std::uint8_t> bytes)
{
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
}

void check_server(std::span<const std::uint8_t> bytes)
{
    auto [client, server] = obex::stream_pair();
    if (!client || client->write_all(bytes.data(), bytes.size(),
                                     obex::deadline_after(std::chrono::seconds(1))) != obex::IoStatus::ok)
        return;
    // The server reads what was sent, then sees the client gone.
    client.reset();
    SmallStore store;
    obex::serve_session(*server, store);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    check_parser(bytes);
    if (size <= 4096)
        check_server(bytes);
    return 0;
}
