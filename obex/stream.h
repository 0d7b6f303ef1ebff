// A byte stream with explicit deadlines: the one interface every transport offers.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace obex {

using Clock = std::chrono::steady_clock;
using Deadline = Clock::time_point;

inline Deadline deadline_after(std::chrono::milliseconds timeout)
{
    return Clock::now() + timeout;
}

enum class IoStatus {
    ok,
    timeout, // the deadline passed first
    closed,  // the peer closed the stream (or it was interrupted)
    error,   // any other failure of the transport
};

class Stream
{
public:
    virtual ~Stream() = default;

    // Waits until some bytes arrive or the deadline passes; got receives how many (at most size).
    virtual IoStatus read_some(std::uint8_t* buffer, std::size_t size, Deadline deadline,
                               std::size_t& got) = 0;

    // Writes all bytes or fails; never raises SIGPIPE.
    virtual IoStatus write_all(const std::uint8_t* data, std::size_t size, Deadline deadline) = 0;

    // Wakes any blocked read or write (they report closed) and stops further traffic.
    // Safe to call from another thread.
    virtual void interrupt() = 0;
};

// Reads exactly size bytes or reports why not.
IoStatus read_exact(Stream& stream, std::uint8_t* buffer, std::size_t size, Deadline deadline);

} // namespace obex
