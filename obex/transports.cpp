#include "obex/transports.h"

#include "obex/fd_stream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace obex {

namespace {

// Splits "HOST:PORT" (the port after the last colon); false when malformed.
bool split_host_port(const std::string& text, std::string& host, int& port)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size())
        return false;
    host = text.substr(0, colon);
    const std::string digits = text.substr(colon + 1);
    if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(digits);
    return port > 0 && port <= 65535;
}

int connect_one(const addrinfo* ai, Deadline deadline)
{
    const int fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai->ai_protocol);
    if (fd < 0)
        return -1;
    if (::connect(fd, ai->ai_addr, ai->ai_addrlen) == 0)
        return fd;
    if (errno == EINPROGRESS && poll_until(fd, POLLOUT, -1, deadline) == IoStatus::ok) {
        int err = 0;
        socklen_t len = sizeof err;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0)
            return fd;
    }
    ::close(fd);
    return -1;
}

} // namespace

std::unique_ptr<Stream> tcp_connect(const std::string& host, int port, Deadline deadline)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0)
        return nullptr;
    int fd = -1;
    for (const addrinfo* ai = list; ai && fd < 0; ai = ai->ai_next)
        fd = connect_one(ai, deadline);
    ::freeaddrinfo(list);
    if (fd < 0)
        return nullptr;
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return std::make_unique<FdStream>(fd, true);
}

std::unique_ptr<Stream> serial_open(const std::string& device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return nullptr;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::close(fd);
        return nullptr;
    }
    ::tcflush(fd, TCIOFLUSH);
    return std::make_unique<FdStream>(fd, false);
}

std::unique_ptr<Stream> open_endpoint(const std::string& endpoint, Deadline deadline)
{
    if (endpoint.rfind("tcp:", 0) == 0) {
        std::string host;
        int port = 0;
        if (!split_host_port(endpoint.substr(4), host, port))
            return nullptr;
        return tcp_connect(host, port, deadline);
    }
    if (endpoint.empty())
        return nullptr;
    return serial_open(endpoint);
}

std::pair<std::unique_ptr<Stream>, std::unique_ptr<Stream>> stream_pair()
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return {};
    return {std::make_unique<FdStream>(fds[0], true), std::make_unique<FdStream>(fds[1], true)};
}

std::unique_ptr<TcpListener> TcpListener::listen(const std::string& host, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* list = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0)
        return nullptr;
    int fd = -1;
    for (const addrinfo* ai = list; ai && fd < 0; ai = ai->ai_next) {
        fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai->ai_protocol);
        if (fd < 0)
            continue;
        const int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        if (::bind(fd, ai->ai_addr, ai->ai_addrlen) != 0 || ::listen(fd, 8) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(list);
    if (fd < 0)
        return nullptr;
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    const int bound = addr.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port)
                                                 : ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
    int pipe_fds[2];
    if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<TcpListener>(new TcpListener(fd, bound, pipe_fds[0], pipe_fds[1]));
}

TcpListener::TcpListener(int fd, int port, int wake_read, int wake_write)
    : fd_(fd), port_(port), wake_read_(wake_read), wake_write_(wake_write)
{
}

TcpListener::~TcpListener()
{
    ::close(fd_);
    ::close(wake_read_);
    ::close(wake_write_);
}

std::unique_ptr<Stream> TcpListener::accept(Deadline deadline)
{
    for (;;) {
        if (poll_until(fd_, POLLIN, wake_read_, deadline) != IoStatus::ok)
            return nullptr;
        const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0) {
            const int one = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            return std::make_unique<FdStream>(fd, true);
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED)
            return nullptr;
    }
}

void TcpListener::interrupt()
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wake_write_, &byte, 1);
}

} // namespace obex
