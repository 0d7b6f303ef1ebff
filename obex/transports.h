// The transports behind Stream: TCP, serial tty and a local pair for tests.
#pragma once

#include "obex/stream.h"

#include <memory>
#include <string>
#include <utility>

namespace obex {

// Connects to HOST:PORT; nullptr when it cannot be reached before the deadline.
std::unique_ptr<Stream> tcp_connect(const std::string& host, int port, Deadline deadline);

// Opens a serial device in raw mode (8N1, no flow control); nullptr on failure.
std::unique_ptr<Stream> serial_open(const std::string& device);

// Opens an endpoint text: "tcp:HOST:PORT" or a device path. nullptr on failure.
std::unique_ptr<Stream> open_endpoint(const std::string& endpoint, Deadline deadline);

// Two streams joined to each other inside this process (no network).
std::pair<std::unique_ptr<Stream>, std::unique_ptr<Stream>> stream_pair();

// A listening TCP socket.
class TcpListener
{
public:
    // Port 0 picks a free port; nullptr when the address cannot be bound.
    static std::unique_ptr<TcpListener> listen(const std::string& host, int port);
    ~TcpListener();
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    int port() const { return port_; }
    // The next connection, or nullptr at the deadline or after interrupt().
    std::unique_ptr<Stream> accept(Deadline deadline);
    // Wakes a blocked accept(); later accepts fail at once. Thread-safe.
    void interrupt();

private:
    TcpListener(int fd, int port, int wake_read, int wake_write);
    int fd_;
    int port_;
    int wake_read_;
    int wake_write_;
};

} // namespace obex
