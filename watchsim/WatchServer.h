// The simulated watch on a TCP port: accepts one client at a time in a thread of its own and
// counts the OBEX requests and the bytes that crossed the wire.
#pragma once

#include "obex/server.h"
#include "obex/transports.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace watchsim {

struct Traffic
{
    std::uint64_t requests = 0;      // OBEX request packets received
    std::uint64_t bytesReceived = 0; // from clients
    std::uint64_t bytesSent = 0;     // to clients
};

class WatchServer
{
public:
    // Port 0 picks a free port. nullptr when the address cannot be bound.
    static std::unique_ptr<WatchServer> Start(obex::Handler& handler, const std::string& host, int port);
    ~WatchServer(); // stops
    WatchServer(const WatchServer&) = delete;
    WatchServer& operator=(const WatchServer&) = delete;

    int port() const { return listener_->port(); }
    void Stop();
    Traffic traffic() const;
    void ResetTraffic();

    // Counters shared with the streams of the sessions.
    struct Counters
    {
        std::atomic<std::uint64_t> requests{0};
        std::atomic<std::uint64_t> received{0};
        std::atomic<std::uint64_t> sent{0};
    };

private:
    WatchServer(obex::Handler& handler, std::unique_ptr<obex::TcpListener> listener);
    void Run();

    obex::Handler& handler_;
    std::unique_ptr<obex::TcpListener> listener_;
    Counters counters_;
    std::atomic<bool> stopping_{false};
    std::mutex currentMutex_;
    obex::Stream* current_ = nullptr;
    std::thread thread_;
};

} // namespace watchsim
