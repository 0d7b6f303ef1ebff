#include "obex/client.h"

#include "obex/packet_io.h"

#include <algorithm>
#include <cstring>

namespace obex {

namespace {

// Largest packet we accept; offered to the peer at CONNECT.
constexpr std::uint16_t our_max_packet = 0xFFFF;

void append_body(const Packet& packet, std::vector<std::uint8_t>& out)
{
    for (const auto& h : packet.headers)
        if (h.id == header::body || h.id == header::end_of_body)
            out.insert(out.end(), h.bytes.begin(), h.bytes.end());
}

} // namespace

Client::Client(std::unique_ptr<Stream> stream, std::chrono::milliseconds timeout)
    : stream_(std::move(stream)), timeout_(timeout)
{
}

Status Client::exchange(const Packet& request, Packet& response)
{
    if (broken_ != Status::ok)
        return broken_;
    const std::vector<std::uint8_t> bytes = encode_packet(request);
    if (bytes.empty() || bytes.size() > packet_size_)
        return Status::state;
    const Deadline deadline = deadline_after(timeout_);
    Status failure = Status::ok;
    const IoStatus written = stream_->write_all(bytes.data(), bytes.size(), deadline);
    if (written != IoStatus::ok) {
        failure = written == IoStatus::timeout ? Status::timeout : Status::closed;
    } else {
        std::vector<std::uint8_t> raw;
        switch (read_packet(*stream_, deadline, timeout_, our_max_packet, raw)) {
        case ReadResult::ok:
            if (parse_packet(raw, request.code == opcode::connect, response) != ParseError::none ||
                (response.code & final_bit) == 0)
                failure = Status::protocol;
            break;
        case ReadResult::timeout:
            failure = Status::timeout;
            break;
        case ReadResult::protocol:
            failure = Status::protocol;
            break;
        default:
            failure = Status::closed;
            break;
        }
    }
    if (failure != Status::ok) {
        // The session is out of step (or gone): every later request fails the same way.
        broken_ = failure;
        op_ = Op::none;
        return failure;
    }
    last_response_ = response.code;
    return Status::ok;
}

void Client::add_connection_id(Packet& packet) const
{
    if (has_connection_id_)
        packet.headers.push_back(make_u32_header(header::connection_id, connection_id_));
}

Status Client::connect(std::span<const std::uint8_t> target)
{
    if (connected_)
        return Status::state;
    Packet request;
    request.code = opcode::connect;
    request.has_connect_fields = true;
    request.max_packet = our_max_packet;
    if (!target.empty())
        request.headers.push_back(make_bytes_header(header::target, target));
    // Until the peer answers, only the protocol minimum is safe.
    packet_size_ = min_packet_size;
    Packet response;
    if (const Status s = exchange(request, response); s != Status::ok)
        return s;
    if (response.code != response::success)
        return Status::refused;
    packet_size_ = std::min(our_max_packet, response.max_packet);
    if (const Header* id = response.find(header::connection_id)) {
        has_connection_id_ = true;
        connection_id_ = id->value;
    }
    connected_ = true;
    return Status::ok;
}

Status Client::bare_request(std::uint8_t code)
{
    Packet request;
    request.code = code;
    add_connection_id(request);
    Packet response;
    if (const Status s = exchange(request, response); s != Status::ok)
        return s;
    return response.code == response::success ? Status::ok : Status::refused;
}

Status Client::disconnect()
{
    if (!connected_)
        return Status::state;
    if (op_ != Op::none)
        abort();
    connected_ = false;
    return bare_request(opcode::disconnect);
}

Status Client::get_begin(const std::string& name)
{
    if (!connected_ || op_ != Op::none)
        return broken_ != Status::ok ? broken_ : Status::state;
    op_ = Op::get;
    name_ = bytes_to_utf16be(name);
    name_sent_ = false;
    buffer_.clear();
    buffer_pos_ = 0;
    get_done_ = false;
    progress_deadline_ = deadline_after(timeout_);
    const Status s = send_get_request();
    if (s != Status::ok)
        op_ = Op::none;
    return s;
}

Packet Client::transfer_request(std::uint8_t code) const
{
    Packet request;
    request.code = code;
    add_connection_id(request);
    if (!name_sent_) {
        Header name;
        name.id = header::name;
        name.bytes = name_;
        request.headers.push_back(std::move(name));
    }
    return request;
}

Status Client::send_get_request()
{
    Packet request = transfer_request(opcode::get | final_bit);
    Packet response;
    if (const Status s = exchange(request, response); s != Status::ok)
        return s;
    name_sent_ = true;
    if (response.code != response::continue_ && response.code != response::success) {
        op_ = Op::none;
        return Status::refused;
    }
    const std::size_t before = buffer_.size();
    append_body(response, buffer_);
    if (buffer_.size() > before)
        progress_deadline_ = deadline_after(timeout_);
    get_done_ = response.code == response::success;
    return Status::ok;
}

Status Client::get_read(std::uint8_t* buffer, std::size_t size, std::size_t& got, bool& end)
{
    got = 0;
    end = false;
    if (op_ != Op::get)
        return broken_ != Status::ok ? broken_ : Status::state;
    if (buffer_pos_ == buffer_.size()) {
        if (get_done_) {
            op_ = Op::none;
            end = true;
            return Status::ok;
        }
        if (Clock::now() >= progress_deadline_) {
            // A peer that keeps answering without sending anything must not stall us forever.
            broken_ = Status::timeout;
            op_ = Op::none;
            return Status::timeout;
        }
        buffer_.clear();
        buffer_pos_ = 0;
        if (const Status s = send_get_request(); s != Status::ok)
            return s;
    }
    got = std::min(size, buffer_.size() - buffer_pos_);
    if (got > 0)
        std::memcpy(buffer, buffer_.data() + buffer_pos_, got);
    buffer_pos_ += got;
    return Status::ok;
}

Status Client::put_begin(const std::string& name)
{
    if (!connected_ || op_ != Op::none)
        return broken_ != Status::ok ? broken_ : Status::state;
    name_ = bytes_to_utf16be(name);
    name_sent_ = false;
    buffer_.clear();
    op_ = Op::put;
    if (put_capacity() == 0) {
        op_ = Op::none;
        return Status::state;
    }
    return Status::ok;
}

std::size_t Client::put_capacity() const
{
    std::size_t overhead = 3 + 3 + (has_connection_id_ ? 5 : 0);
    if (!name_sent_)
        overhead += 3 + name_.size();
    return packet_size_ > overhead ? packet_size_ - overhead : 0;
}

Status Client::send_put_chunk(bool final_packet)
{
    const std::size_t chunk = std::min(put_capacity(), buffer_.size());
    Packet request = transfer_request(final_packet ? (opcode::put | final_bit) : opcode::put);
    request.headers.push_back(make_bytes_header(final_packet ? header::end_of_body : header::body,
                                                std::span(buffer_.data(), chunk)));
    Packet response;
    if (const Status s = exchange(request, response); s != Status::ok)
        return s;
    name_sent_ = true;
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(chunk));
    const std::uint8_t expected = final_packet ? response::success : response::continue_;
    if (response.code != expected) {
        op_ = Op::none;
        return Status::refused;
    }
    return Status::ok;
}

Status Client::put_write(std::span<const std::uint8_t> data)
{
    if (op_ != Op::put)
        return broken_ != Status::ok ? broken_ : Status::state;
    buffer_.insert(buffer_.end(), data.begin(), data.end());
    // Keep at least one byte back so the final packet always carries the end of the body.
    while (buffer_.size() > put_capacity())
        if (const Status s = send_put_chunk(false); s != Status::ok)
            return s;
    return Status::ok;
}

Status Client::put_finish()
{
    if (op_ != Op::put)
        return broken_ != Status::ok ? broken_ : Status::state;
    while (buffer_.size() > put_capacity())
        if (const Status s = send_put_chunk(false); s != Status::ok)
            return s;
    const Status s = send_put_chunk(true);
    op_ = Op::none;
    return s;
}

Status Client::abort()
{
    if (broken_ != Status::ok) {
        op_ = Op::none;
        return broken_;
    }
    const bool peer_knows = (op_ == Op::get && !get_done_) || (op_ == Op::put && name_sent_);
    op_ = Op::none;
    buffer_.clear();
    buffer_pos_ = 0;
    if (!peer_knows)
        return Status::ok;
    return bare_request(opcode::abort);
}

} // namespace obex
