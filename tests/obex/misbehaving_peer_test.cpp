// Our client against scripted peers that break the protocol: each case must end with the right
// error within the deadline, without a crash or a hang.
#include "obex/client.h"
#include "obex/packet_io.h"
#include "obex/transports.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

using namespace obex;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr auto deadline = 300ms;

const Bytes connect_ok = {0xA0, 0x00, 0x07, 0x10, 0x00, 0xFF, 0xFF};

// Waits for the client's next request; false once the client is gone.
bool next_request(Stream& peer)
{
    Bytes raw;
    return read_packet(peer, deadline_after(5s), 5s, 0xFFFF, raw) == ReadResult::ok;
}

void send(Stream& peer, const Bytes& bytes)
{
    peer.write_all(bytes.data(), bytes.size(), deadline_after(1s));
}

// Answers CONNECT well, then every GET with the given response.
std::function<void(Stream&)> answer_gets_with(Bytes reply)
{
    return [reply](Stream& peer) {
        if (!next_request(peer))
            return;
        send(peer, connect_ok);
        while (next_request(peer))
            send(peer, reply);
    };
}

struct PeerCase
{
    const char* what;
    std::function<void(Stream&)> peer;
    bool fails_at_connect;
    Status expected;
};

} // namespace

TEST(MisbehavingPeer, EndsWithTheRightErrorInTime)
{
    const PeerCase cases[] = {
        {"never answers CONNECT",
         [](Stream& peer) {
             next_request(peer);
             next_request(peer); // waits until the client goes away
         },
         true, Status::timeout},
        {"announces a packet size of 5",
         [](Stream& peer) {
             if (next_request(peer))
                 send(peer, {0xA0, 0x00, 0x07, 0x10, 0x00, 0x00, 0x05});
             next_request(peer);
         },
         true, Status::protocol},
        {"closes in the middle of a GET",
         [](Stream& peer) {
             if (!next_request(peer))
                 return;
             send(peer, connect_ok);
             if (next_request(peer))
                 send(peer, {0x90, 0x00, 0x09, 0x48, 0x00, 0x06, 'a', 'b', 'c'});
             next_request(peer);
         },
         false, Status::closed},
        {"header length of 0", answer_gets_with({0x90, 0x00, 0x06, 0x48, 0x00, 0x00}), false,
         Status::protocol},
        {"header longer than the packet", answer_gets_with({0xA0, 0x00, 0x07, 0x49, 0x01, 0x00, 'x'}), false,
         Status::protocol},
        {"packet length below 3", answer_gets_with({0xA0, 0x00, 0x00}), false, Status::protocol},
        {"announces more bytes than it sends", answer_gets_with({0xA0, 0x01, 0x00, 0x49}), false,
         Status::timeout},
        {"response without the final bit", answer_gets_with({0x10, 0x00, 0x03}), false, Status::protocol},
        {"ends with Body instead of End-of-Body (accepted)",
         answer_gets_with({0xA0, 0x00, 0x08, 0x48, 0x00, 0x05, 'o', 'k'}), false, Status::ok},
        {"sends Continue forever", answer_gets_with({0x90, 0x00, 0x03}), false, Status::timeout},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto [ours, theirs] = stream_pair();
        std::thread peer([&c, stream = std::move(theirs)] { c.peer(*stream); });
        auto client = std::make_unique<Client>(std::move(ours), deadline);
        const auto start = Clock::now();
        Status result = client->connect();
        if (!c.fails_at_connect) {
            ASSERT_EQ(result, Status::ok);
            result = client->get_begin("f");
            std::uint8_t buffer[256];
            std::size_t got = 0;
            bool end = false;
            while (result == Status::ok && !end)
                result = client->get_read(buffer, sizeof buffer, got, end);
        }
        EXPECT_EQ(result, c.expected);
        EXPECT_LT(Clock::now() - start, 3 * deadline);
        // A failed session stays failed rather than falling out of step.
        if (c.expected != Status::ok) {
            EXPECT_NE(client->abort(), Status::ok);
        }
        client.reset();
        peer.join();
    }
}
