#include "obex/server.h"

#include "obex/packet.h"
#include "obex/packet_io.h"

#include <algorithm>

namespace obex {

namespace {

// Largest object a client may PUT; more is refused rather than held in memory.
constexpr std::size_t max_put_size = 64u << 20;
constexpr std::uint8_t entity_too_large = 0xCD;

class Session
{
public:
    Session(Stream& stream, Handler& handler, const ServerOptions& options)
        : stream_(stream), handler_(handler), options_(options)
    {
    }

    bool run()
    {
        std::vector<std::uint8_t> raw;
        for (;;) {
            if (read_packet(stream_, Deadline::max(), options_.packet_timeout, options_.max_packet, raw) !=
                ReadResult::ok)
                return false;
            Packet request;
            const std::uint8_t code = raw[0];
            if (parse_packet(raw, code == opcode::connect, request) != ParseError::none) {
                reset();
                if (!reply(response::bad_request))
                    return false;
                continue;
            }
            if (code == opcode::disconnect) {
                reply(response::success);
                return true;
            }
            if (!dispatch(request))
                return false;
        }
    }

private:
    bool dispatch(const Packet& request)
    {
        switch (request.code) {
        case opcode::connect:
            return on_connect(request);
        case opcode::abort:
            reset();
            return reply(response::success);
        case opcode::get:
        case opcode::get | final_bit:
            return on_get(request);
        case opcode::put:
        case opcode::put | final_bit:
            return on_put(request);
        default:
            reset();
            return reply(response::not_implemented);
        }
    }

    void reset()
    {
        getting_ = putting_ = false;
        body_.clear();
        body_pos_ = 0;
    }

    bool send(Packet& packet)
    {
        return write_packet(stream_, packet, deadline_after(options_.packet_timeout)) == IoStatus::ok;
    }

    bool reply(std::uint8_t code)
    {
        Packet packet;
        packet.code = code;
        return send(packet);
    }

    static std::string name_of(const Packet& request)
    {
        const Header* name = request.find(header::name);
        return name ? utf16be_to_utf8(name->bytes) : std::string();
    }

    bool on_connect(const Packet& request)
    {
        reset();
        packet_size_ = std::min(options_.max_packet, request.max_packet);
        Packet packet;
        packet.code = response::success;
        packet.has_connect_fields = true;
        packet.max_packet = options_.max_packet;
        if (const Header* target = request.find(header::target)) {
            packet.headers.push_back(make_u32_header(header::connection_id, 1));
            packet.headers.push_back(make_bytes_header(header::who, target->bytes));
        }
        return send(packet);
    }

    bool on_get(const Packet& request)
    {
        if (!getting_) {
            reset();
            const std::uint8_t code = handler_.on_get(name_of(request), body_);
            if (code != response::success) {
                body_.clear();
                return reply(code);
            }
            getting_ = true;
            length_sent_ = false;
        }
        Packet packet;
        std::size_t room = packet_size_ - 3 - 3;
        if (!length_sent_ && body_.size() <= 0xFFFFFFFFu) {
            packet.headers.push_back(
                make_u32_header(header::length, static_cast<std::uint32_t>(body_.size())));
            room -= 5;
            length_sent_ = true;
        }
        const std::size_t left = body_.size() - body_pos_;
        const bool last = left <= room;
        const std::size_t chunk = std::min(left, room);
        packet.code = last ? response::success : response::continue_;
        packet.headers.push_back(make_bytes_header(last ? header::end_of_body : header::body,
                                                   std::span(body_.data() + body_pos_, chunk)));
        body_pos_ += chunk;
        if (last)
            reset();
        return send(packet);
    }

    bool on_put(const Packet& request)
    {
        if (!putting_) {
            reset();
            putting_ = true;
            put_name_ = name_of(request);
        }
        for (const auto& h : request.headers) {
            if (h.id != header::body && h.id != header::end_of_body)
                continue;
            if (body_.size() + h.bytes.size() > max_put_size) {
                reset();
                return reply(entity_too_large);
            }
            body_.insert(body_.end(), h.bytes.begin(), h.bytes.end());
        }
        if ((request.code & final_bit) == 0)
            return reply(response::continue_);
        const std::uint8_t code = handler_.on_put(put_name_, body_);
        reset();
        return reply(code);
    }

    Stream& stream_;
    Handler& handler_;
    const ServerOptions& options_;
    std::uint16_t packet_size_ = min_packet_size;
    bool getting_ = false;
    bool length_sent_ = false;
    bool putting_ = false;
    std::string put_name_;
    std::vector<std::uint8_t> body_;
    std::size_t body_pos_ = 0;
};

} // namespace

bool serve_session(Stream& stream, Handler& handler, const ServerOptions& options)
{
    ServerOptions checked = options;
    checked.max_packet = std::max(checked.max_packet, min_packet_size);
    return Session(stream, handler, checked).run();
}

std::unique_ptr<TcpServer> TcpServer::start(Handler& handler, const std::string& host, int port,
                                            const ServerOptions& options)
{
    auto listener = TcpListener::listen(host, port);
    if (!listener)
        return nullptr;
    return std::unique_ptr<TcpServer>(new TcpServer(handler, std::move(listener), options));
}

TcpServer::TcpServer(Handler& handler, std::unique_ptr<TcpListener> listener, const ServerOptions& options)
    : handler_(handler), listener_(std::move(listener)), options_(options), thread_([this] { run(); })
{
}

TcpServer::~TcpServer()
{
    stop();
}

void TcpServer::run()
{
    while (!stopping_) {
        std::unique_ptr<Stream> stream = listener_->accept(Deadline::max());
        if (!stream) {
            if (stopping_)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        {
            std::lock_guard lock(current_mutex_);
            if (stopping_)
                return;
            current_ = stream.get();
        }
        serve_session(*stream, handler_, options_);
        std::lock_guard lock(current_mutex_);
        current_ = nullptr;
    }
}

void TcpServer::stop()
{
    stopping_ = true;
    listener_->interrupt();
    {
        std::lock_guard lock(current_mutex_);
        if (current_)
            current_->interrupt();
    }
    if (thread_.joinable())
        thread_.join();
}

StreamServer::StreamServer(Handler& handler, std::unique_ptr<Stream> stream, const ServerOptions& options)
    : stream_(std::move(stream)),
      thread_([this, &handler, options] { clean_ = serve_session(*stream_, handler, options); })
{
}

StreamServer::~StreamServer()
{
    stream_->interrupt();
    wait();
}

bool StreamServer::wait()
{
    if (thread_.joinable())
        thread_.join();
    return clean_;
}

} // namespace obex
