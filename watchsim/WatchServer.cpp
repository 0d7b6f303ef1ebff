#include "watchsim/WatchServer.h"

#include "obex/packet.h"

#include <chrono>

namespace watchsim {

namespace {

// Passes a session's bytes through and counts them; every packet that starts in the incoming
// bytes is one request (its length comes from its first three bytes).
class CountingStream : public obex::Stream
{
public:
    CountingStream(std::unique_ptr<obex::Stream> inner, WatchServer::Counters& counters)
        : inner_(std::move(inner)), counters_(counters)
    {
    }

    obex::IoStatus read_some(std::uint8_t* buffer, std::size_t size, obex::Deadline deadline,
                             std::size_t& got) override
    {
        const obex::IoStatus status = inner_->read_some(buffer, size, deadline, got);
        if (status == obex::IoStatus::ok) {
            counters_.received += got;
            for (std::size_t i = 0; i < got; ++i)
                Track(buffer[i]);
        }
        return status;
    }

    obex::IoStatus write_all(const std::uint8_t* data, std::size_t size, obex::Deadline deadline) override
    {
        const obex::IoStatus status = inner_->write_all(data, size, deadline);
        if (status == obex::IoStatus::ok)
            counters_.sent += size;
        return status;
    }

    void interrupt() override { inner_->interrupt(); }

private:
    void Track(std::uint8_t byte)
    {
        if (headerSeen_ < 3) {
            if (headerSeen_ == 0)
                ++counters_.requests;
            header_[headerSeen_++] = byte;
            if (headerSeen_ == 3) {
                const std::size_t length = obex::packet_length(header_);
                remaining_ = length > 3 ? length - 3 : 0;
                if (remaining_ == 0)
                    headerSeen_ = 0;
            }
            return;
        }
        if (--remaining_ == 0)
            headerSeen_ = 0;
    }

    std::unique_ptr<obex::Stream> inner_;
    WatchServer::Counters& counters_;
    std::uint8_t header_[3] = {};
    std::size_t headerSeen_ = 0;
    std::size_t remaining_ = 0;
};

} // namespace

std::unique_ptr<WatchServer> WatchServer::Start(obex::Handler& handler, const std::string& host, int port)
{
    auto listener = obex::TcpListener::listen(host, port);
    if (!listener)
        return nullptr;
    std::unique_ptr<WatchServer> server(new WatchServer(handler, std::move(listener)));
    server->thread_ = std::thread([s = server.get()] { s->Run(); });
    return server;
}

WatchServer::WatchServer(obex::Handler& handler, std::unique_ptr<obex::TcpListener> listener)
    : handler_(handler), listener_(std::move(listener))
{
}

WatchServer::~WatchServer()
{
    Stop();
}

void WatchServer::Stop()
{
    stopping_ = true;
    listener_->interrupt();
    {
        std::lock_guard lock(currentMutex_);
        if (current_ != nullptr)
            current_->interrupt();
    }
    if (thread_.joinable())
        thread_.join();
}

Traffic WatchServer::traffic() const
{
    return {counters_.requests.load(), counters_.received.load(), counters_.sent.load()};
}

void WatchServer::ResetTraffic()
{
    counters_.requests = 0;
    counters_.received = 0;
    counters_.sent = 0;
}

void WatchServer::Run()
{
    while (!stopping_) {
        auto accepted = listener_->accept(obex::deadline_after(std::chrono::milliseconds(500)));
        if (!accepted)
            continue;
        CountingStream stream(std::move(accepted), counters_);
        {
            std::lock_guard lock(currentMutex_);
            if (stopping_)
                break;
            current_ = &stream;
        }
        obex::serve_session(stream, handler_);
        std::lock_guard lock(currentMutex_);
        current_ = nullptr;
    }
}

} // namespace watchsim
