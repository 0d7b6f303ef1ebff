// Stream over a file descriptor (socket or tty), poll-based so every wait has a deadline.
#pragma once

#include "obex/stream.h"

namespace obex {

class FdStream : public Stream
{
public:
    // Takes ownership of fd (made non-blocking here). is_socket selects send() with MSG_NOSIGNAL.
    FdStream(int fd, bool is_socket);
    ~FdStream() override;
    FdStream(const FdStream&) = delete;
    FdStream& operator=(const FdStream&) = delete;

    IoStatus read_some(std::uint8_t* buffer, std::size_t size, Deadline deadline, std::size_t& got) override;
    IoStatus write_all(const std::uint8_t* data, std::size_t size, Deadline deadline) override;
    void interrupt() override;

private:
    // Waits for the event on fd or a wake-up; ok when fd is ready.
    IoStatus wait_for(short events, Deadline deadline);

    int fd_;
    bool is_socket_;
    int wake_read_ = -1;
    int wake_write_ = -1;
};

// Waits on fd and on a wake-up pipe until events, the deadline, or a wake-up.
IoStatus poll_until(int fd, short events, int wake_fd, Deadline deadline);

} // namespace obex
