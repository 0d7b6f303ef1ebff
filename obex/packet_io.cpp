#include "obex/packet_io.h"

#include <algorithm>

namespace obex {

namespace {

ReadResult to_result(IoStatus status)
{
    switch (status) {
    case IoStatus::ok:
        return ReadResult::ok;
    case IoStatus::timeout:
        return ReadResult::timeout;
    case IoStatus::closed:
        return ReadResult::closed;
    default:
        return ReadResult::error;
    }
}

} // namespace

ReadResult read_packet(Stream& stream, Deadline first_byte, std::chrono::milliseconds rest_timeout,
                       std::size_t max_size, std::vector<std::uint8_t>& raw)
{
    raw.assign(3, 0);
    std::size_t got = 0;
    IoStatus status;
    do {
        status = stream.read_some(raw.data(), 1, first_byte, got);
    } while (status == IoStatus::ok && got == 0);
    if (status != IoStatus::ok)
        return to_result(status);
    Deadline rest = Clock::now() + rest_timeout;
    if (first_byte != Deadline::max())
        rest = std::min(rest, first_byte);
    status = read_exact(stream, raw.data() + 1, 2, rest);
    if (status != IoStatus::ok)
        return to_result(status);
    const std::size_t length = packet_length(raw);
    if (length < 3 || length > max_size)
        return ReadResult::protocol;
    raw.resize(length);
    return to_result(read_exact(stream, raw.data() + 3, length - 3, rest));
}

IoStatus write_packet(Stream& stream, const Packet& packet, Deadline deadline)
{
    const std::vector<std::uint8_t> bytes = encode_packet(packet);
    if (bytes.empty())
        return IoStatus::error;
    return stream.write_all(bytes.data(), bytes.size(), deadline);
}

} // namespace obex
