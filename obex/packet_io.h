// Reading and writing whole packets on a stream.
#pragma once

#include "obex/packet.h"
#include "obex/stream.h"

#include <chrono>
#include <vector>

namespace obex {

enum class ReadResult { ok, timeout, closed, error, protocol };

// Reads one packet's bytes. The first byte must arrive by first_byte; the rest within
// rest_timeout after it (and never after first_byte, unless that is Deadline::max()).
// A length field below 3 or above max_size is a protocol error; the excess is not read.
ReadResult read_packet(Stream& stream, Deadline first_byte, std::chrono::milliseconds rest_timeout,
                       std::size_t max_size, std::vector<std::uint8_t>& raw);

IoStatus write_packet(Stream& stream, const Packet& packet, Deadline deadline);

} // namespace obex
