// Our client against our server over an in-process stream pair.
#include "memory_handler.h"
#include "obex/client.h"
#include "obex/transports.h"

#include <gtest/gtest.h>

using namespace obex;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Counts the packets the client writes, to show how data is batched.
class CountingStream : public Stream
{
public:
    explicit CountingStream(std::unique_ptr<Stream> inner) : inner_(std::move(inner)) {}
    IoStatus read_some(std::uint8_t* b, std::size_t n, Deadline d, std::size_t& got) override
    {
        return inner_->read_some(b, n, d, got);
    }
    IoStatus write_all(const std::uint8_t* b, std::size_t n, Deadline d) override
    {
        ++writes;
        return inner_->write_all(b, n, d);
    }
    void interrupt() override { inner_->interrupt(); }
    int writes = 0;

private:
    std::unique_ptr<Stream> inner_;
};

class Session : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto [a, b] = stream_pair();
        auto counting = std::make_unique<CountingStream>(std::move(a));
        counter = counting.get();
        client = std::make_unique<Client>(std::move(counting), 2000ms);
        server = std::make_unique<StreamServer>(handler, std::move(b));
        ASSERT_EQ(client->connect(), Status::ok);
    }

    Bytes fetch(const std::string& name, std::size_t block = 256)
    {
        Bytes out;
        EXPECT_EQ(client->get_begin(name), Status::ok);
        std::vector<std::uint8_t> buffer(block);
        for (int guard = 0; guard < 100000; ++guard) {
            std::size_t got = 0;
            bool end = false;
            EXPECT_EQ(client->get_read(buffer.data(), buffer.size(), got, end), Status::ok);
            if (end)
                return out;
            EXPECT_LE(got, block);
            out.insert(out.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got));
        }
        ADD_FAILURE() << "no end";
        return out;
    }

    Status store(const std::string& name, const Bytes& data, std::size_t block = 256)
    {
        if (const Status s = client->put_begin(name); s != Status::ok)
            return s;
        for (std::size_t pos = 0; pos < data.size(); pos += block) {
            const std::size_t n = std::min(block, data.size() - pos);
            if (const Status s = client->put_write(std::span(data.data() + pos, n)); s != Status::ok)
                return s;
        }
        return client->put_finish();
    }

    MemoryHandler handler;
    CountingStream* counter = nullptr;
    std::unique_ptr<Client> client;
    std::unique_ptr<StreamServer> server;
};

} // namespace

TEST_F(Session, NegotiatesTheLargestPacketAndEndsCleanly)
{
    EXPECT_EQ(client->packet_size(), 0xFFFF);
    EXPECT_EQ(client->disconnect(), Status::ok);
    EXPECT_TRUE(server->wait());
}

TEST_F(Session, GetsFilesOfEverySizeInFewPackets)
{
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{300}, std::size_t{65535}, std::size_t{200000}}) {
        handler.files["/halcyon/f.bin"] = pattern(size);
        const int before = counter->writes;
        EXPECT_EQ(fetch("/halcyon/f.bin"), pattern(size)) << size;
        // 256-byte reads must not become 256-byte round trips.
        EXPECT_LE(counter->writes - before, static_cast<int>(size / 60000 + 1)) << size;
    }
}

TEST_F(Session, PutsBatchedDataAndStoresOnlyAtTheEnd)
{
    const Bytes data = pattern(150000);
    const int before = counter->writes;
    ASSERT_EQ(client->put_begin("big.dat"), Status::ok);
    for (std::size_t pos = 0; pos < data.size(); pos += 256)
        ASSERT_EQ(
            client->put_write(std::span(data.data() + pos, std::min<std::size_t>(256, data.size() - pos))),
            Status::ok);
    EXPECT_EQ(handler.files.count("big.dat"), 0u);
    ASSERT_EQ(client->put_finish(), Status::ok);
    EXPECT_EQ(handler.files["big.dat"], data);
    EXPECT_LE(counter->writes - before, 3);

    // An empty put creates an empty file.
    ASSERT_EQ(store("empty.cmd", {}), Status::ok);
    ASSERT_EQ(handler.files.count("empty.cmd"), 1u);
    EXPECT_TRUE(handler.files["empty.cmd"].empty());
}

TEST_F(Session, ErrorAnswersAreRefusalsAndTheSessionGoesOn)
{
    EXPECT_EQ(client->get_begin("missing"), Status::refused);
    EXPECT_EQ(client->last_response(), response::not_found);
    EXPECT_EQ(store("readonly", pattern(10)), Status::refused);
    EXPECT_EQ(client->last_response(), response::forbidden);

    handler.files["x"] = pattern(5);
    EXPECT_EQ(fetch("x"), pattern(5));
}

TEST_F(Session, AbortKeepsTheSessionInStep)
{
    handler.files["big"] = pattern(300000);
    handler.files["small"] = pattern(700);
    ASSERT_EQ(client->get_begin("big"), Status::ok);
    std::uint8_t buffer[256];
    std::size_t got = 0;
    bool end = false;
    ASSERT_EQ(client->get_read(buffer, sizeof buffer, got, end), Status::ok);
    EXPECT_EQ(client->abort(), Status::ok);
    EXPECT_EQ(fetch("small"), pattern(700));

    // An aborted put stores nothing, even after data reached the server.
    const Bytes data = pattern(100000);
    ASSERT_EQ(client->put_begin("partial"), Status::ok);
    ASSERT_EQ(client->put_write(data), Status::ok);
    EXPECT_EQ(client->abort(), Status::ok);
    EXPECT_EQ(handler.files.count("partial"), 0u);
    EXPECT_EQ(store("whole", data), Status::ok);
    EXPECT_EQ(handler.files["whole"], data);
}

TEST_F(Session, CallsThatCannotBeSentAreStateErrors)
{
    // A name longer than a packet is refused locally and leaves the session usable.
    const std::string huge(40000, 'n');
    EXPECT_EQ(client->get_begin(huge), Status::state);
    EXPECT_EQ(client->put_begin(huge), Status::state);
    handler.files["ok"] = pattern(2);
    EXPECT_EQ(fetch("ok"), pattern(2));

    std::uint8_t buffer[4];
    std::size_t got = 0;
    bool end = false;
    EXPECT_EQ(client->get_read(buffer, sizeof buffer, got, end), Status::state);
    EXPECT_EQ(client->put_finish(), Status::state);
    handler.files["a"] = pattern(3);
    ASSERT_EQ(client->get_begin("a"), Status::ok);
    EXPECT_EQ(client->put_begin("b"), Status::state);
    EXPECT_EQ(client->connect(), Status::state);
}

TEST(SessionServer, AMalformedClientEndsOnlyItsOwnSession)
{
    MemoryHandler handler;
    handler.files["a"] = pattern(3);
    auto [a, b] = stream_pair();
    StreamServer server(handler, std::move(b));
    // A header that claims more than its packet is answered with Bad Request, not a crash.
    const Bytes bad = {0x83, 0x00, 0x07, 0x01, 0x00, 0x40, 0x00};
    ASSERT_EQ(a->write_all(bad.data(), bad.size(), deadline_after(1s)), IoStatus::ok);
    std::uint8_t reply[3];
    ASSERT_EQ(read_exact(*a, reply, 3, deadline_after(2s)), IoStatus::ok);
    EXPECT_EQ(reply[0], response::bad_request);
    // A packet length below the minimum ends the session.
    const Bytes tiny = {0x83, 0x00, 0x01};
    ASSERT_EQ(a->write_all(tiny.data(), tiny.size(), deadline_after(1s)), IoStatus::ok);
    EXPECT_FALSE(server.wait());
}
