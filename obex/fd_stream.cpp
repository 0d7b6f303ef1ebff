#include "obex/fd_stream.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace obex {

IoStatus poll_until(int fd, short events, int wake_fd, Deadline deadline)
{
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return IoStatus::timeout;
        pollfd fds[2] = {{fd, events, 0}, {wake_fd, POLLIN, 0}};
        // Round up so we never spin on a sub-millisecond remainder.
        const int wait_ms = static_cast<int>(std::min<long long>(left + 1, INT_MAX));
        const int n = ::poll(fds, wake_fd >= 0 ? 2 : 1, wait_ms);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return IoStatus::error;
        }
        if (n == 0)
            continue;
        if (wake_fd >= 0 && fds[1].revents != 0)
            return IoStatus::closed;
        if (fds[0].revents & (events | POLLHUP | POLLERR))
            return IoStatus::ok;
        if (fds[0].revents & POLLNVAL)
            return IoStatus::error;
    }
}

FdStream::FdStream(int fd, bool is_socket) : fd_(fd), is_socket_(is_socket)
{
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    int pipe_fds[2];
    if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wake_read_ = pipe_fds[0];
        wake_write_ = pipe_fds[1];
    }
}

FdStream::~FdStream()
{
    ::close(fd_);
    if (wake_read_ >= 0) {
        ::close(wake_read_);
        ::close(wake_write_);
    }
}

IoStatus FdStream::wait_for(short events, Deadline deadline)
{
    return poll_until(fd_, events, wake_read_, deadline);
}

IoStatus FdStream::read_some(std::uint8_t* buffer, std::size_t size, Deadline deadline, std::size_t& got)
{
    got = 0;
    if (size == 0)
        return IoStatus::ok;
    for (;;) {
        const IoStatus ready = wait_for(POLLIN, deadline);
        if (ready != IoStatus::ok)
            return ready;
        const ssize_t n = ::read(fd_, buffer, size);
        if (n > 0) {
            got = static_cast<std::size_t>(n);
            return IoStatus::ok;
        }
        if (n == 0)
            return IoStatus::closed;
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            continue;
        return (errno == ECONNRESET || errno == EIO) ? IoStatus::closed : IoStatus::error;
    }
}

IoStatus FdStream::write_all(const std::uint8_t* data, std::size_t size, Deadline deadline)
{
    std::size_t done = 0;
    while (done < size) {
        const IoStatus ready = wait_for(POLLOUT, deadline);
        if (ready != IoStatus::ok)
            return ready;
        const ssize_t n = is_socket_ ? ::send(fd_, data + done, size - done, MSG_NOSIGNAL)
                                     : ::write(fd_, data + done, size - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            continue;
        return (errno == EPIPE || errno == ECONNRESET || errno == EIO) ? IoStatus::closed : IoStatus::error;
    }
    return IoStatus::ok;
}

void FdStream::interrupt()
{
    if (wake_write_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake_write_, &byte, 1);
    }
    if (is_socket_)
        ::shutdown(fd_, SHUT_RDWR);
}

} // namespace obex
