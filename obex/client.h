// Client side of an OBEX session over one stream: connect, GET, PUT, ABORT, disconnect.
// One request at a time; not thread-safe (callers serialise).
#pragma once

#include "obex/packet.h"
#include "obex/stream.h"

#include <chrono>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace obex {

enum class Status {
    ok,
    timeout,  // the request's deadline passed
    closed,   // the peer closed the stream
    protocol, // the peer sent something malformed or out of step
    refused,  // the peer answered with an error response (see Client::last_response())
    state,    // the call does not fit the session's state
};

class Client
{
public:
    explicit Client(std::unique_ptr<Stream> stream,
                    std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

    void set_timeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

    // Negotiates the packet size (we offer 65535) and keeps the Connection ID if any.
    Status connect(std::span<const std::uint8_t> target = {});
    Status disconnect();

    // GET: get_begin sends the request; get_read hands out body bytes as they arrive.
    // got = 0 with ok means nothing arrived yet; end turns true once the whole body was read.
    // A GET whose peer sends no body bytes for longer than the timeout fails with timeout.
    Status get_begin(const std::string& name);
    Status get_read(std::uint8_t* buffer, std::size_t size, std::size_t& got, bool& end);

    // PUT: data is batched up to the negotiated packet size; put_finish sends the final packet
    // and waits for the peer to confirm the object was stored.
    Status put_begin(const std::string& name);
    Status put_write(std::span<const std::uint8_t> data);
    Status put_finish();

    // Abandons the GET or PUT under way and waits for the peer's answer, so the session stays in step.
    Status abort();

    std::uint16_t packet_size() const { return packet_size_; }
    std::uint8_t last_response() const { return last_response_; }

private:
    enum class Op { none, get, put };
    Status exchange(const Packet& request, Packet& response);
    Status send_get_request();
    Status send_put_chunk(bool final_packet);
    // Body bytes that fit in the next PUT packet beside its other headers.
    std::size_t put_capacity() const;
    void add_connection_id(Packet& packet) const;
    // Sends a request of `code` with no headers but the connection id; ok when the peer agrees.
    Status bare_request(std::uint8_t code);
    // A request of `code` with the connection id and, until the peer has had it, the name.
    Packet transfer_request(std::uint8_t code) const;

    std::unique_ptr<Stream> stream_;
    std::chrono::milliseconds timeout_;
    bool connected_ = false;
    Status broken_ = Status::ok; // set once the session fell out of step or closed
    std::uint16_t packet_size_ = min_packet_size;
    bool has_connection_id_ = false;
    std::uint32_t connection_id_ = 0;
    std::uint8_t last_response_ = 0;

    Op op_ = Op::none;
    std::vector<std::uint8_t> name_; // UTF-16BE name of the current object, sent once
    bool name_sent_ = false;
    std::vector<std::uint8_t> buffer_; // GET: received, not yet read; PUT: batched, not yet sent
    std::size_t buffer_pos_ = 0;
    bool get_done_ = false; // the final GET response arrived
    Deadline progress_deadline_{};
};

} // namespace obex
