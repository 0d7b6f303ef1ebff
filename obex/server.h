// Server side of an OBEX session: answers GET by name and accepts PUT of a name with bytes.
#pragma once

#include "obex/stream.h"
#include "obex/transports.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace obex {

class Handler
{
public:
    virtual ~Handler() = default;
    // Fills body and returns a response code: response::success, or an error such as
    // response::not_found or response::forbidden. Names arrive as UTF-8.
    virtual std::uint8_t on_get(const std::string& name, std::vector<std::uint8_t>& body) = 0;
    // Receives the whole object once the final PUT packet arrived.
    virtual std::uint8_t on_put(const std::string& name, const std::vector<std::uint8_t>& body) = 0;
};

struct ServerOptions
{
    // Longest wait for the rest of a packet once its first byte arrived. Waiting for the next
    // request has no limit (the session may idle); interrupt the stream to stop.
    std::chrono::milliseconds packet_timeout{10000};
    std::uint16_t max_packet = 0xFFFF;
};

// Serves one session on the stream until DISCONNECT, the peer closes, or a malformed packet.
// Returns true after a clean DISCONNECT.
bool serve_session(Stream& stream, Handler& handler, const ServerOptions& options = {});

// Accepts connections on a TCP port in a thread of its own and serves them one after the other.
class TcpServer
{
public:
    // Port 0 picks a free port. nullptr when the address cannot be bound.
    static std::unique_ptr<TcpServer> start(Handler& handler, const std::string& host, int port,
                                            const ServerOptions& options = {});
    ~TcpServer(); // stops
    int port() const { return listener_->port(); }
    void stop();

private:
    TcpServer(Handler& handler, std::unique_ptr<TcpListener> listener, const ServerOptions& options);
    void run();

    Handler& handler_;
    std::unique_ptr<TcpListener> listener_;
    ServerOptions options_;
    std::atomic<bool> stopping_{false};
    std::mutex current_mutex_;
    Stream* current_ = nullptr;
    std::thread thread_;
};

// Serves one session on one stream in a thread of its own (for tests over stream_pair()).
class StreamServer
{
public:
    StreamServer(Handler& handler, std::unique_ptr<Stream> stream, const ServerOptions& options = {});
    ~StreamServer(); // interrupts the stream and joins
    // Waits for the session to end; true after a clean DISCONNECT.
    bool wait();

private:
    std::unique_ptr<Stream> stream_;
    std::atomic<bool> clean_{false};
    std::thread thread_;
};

} // namespace obex
