// The obx_* contract over the engine: a thread-safe table of connections, each with at most one
// transfer open at a time.
#include "obex/obx.h"

#include "obex/client.h"
#include "obex/transports.h"
#include "platform/profile.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#define OBX_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Connection
{
    explicit Connection(std::unique_ptr<obex::Stream> stream, std::chrono::milliseconds timeout)
        : client(std::move(stream), timeout)
    {
    }
    std::mutex mutex;
    obex::Client client;
    int transfer = 0;
    int direction = 0;
    bool ended = false; // the fetch under way reached its end
};

std::mutex table_mutex;
std::map<int, std::shared_ptr<Connection>> table;
int next_handle = 0;
std::atomic<int> timeout_ms{10000};

// Nonzero, positive, not in use. Caller holds table_mutex.
int new_handle()
{
    do {
        next_handle = next_handle == 0x7FFFFFFF ? 1 : next_handle + 1;
    } while (table.count(next_handle) != 0);
    return next_handle;
}

int next_transfer()
{
    static std::atomic<int> counter{0};
    int id;
    do {
        id = (counter.fetch_add(1) & 0x7FFFFFFF);
    } while (id == 0);
    return id;
}

std::shared_ptr<Connection> find(int handle)
{
    std::lock_guard lock(table_mutex);
    const auto it = table.find(handle);
    return it == table.end() ? nullptr : it->second;
}

// A connection held locked for one call on one of its transfers.
struct LockedTransfer
{
    std::shared_ptr<Connection> connection;
    std::unique_lock<std::mutex> lock; // declared after connection: unlocks before it is released
    Connection* operator->() const { return connection.get(); }
    explicit operator bool() const { return connection != nullptr; }
};

// The connection, locked, when it is known and `transfer` is the one it has open; empty otherwise.
LockedTransfer lock_transfer(int handle, int transfer)
{
    auto c = find(handle);
    if (!c)
        return {};
    std::unique_lock lock(c->mutex);
    if (transfer == 0 || c->transfer != transfer)
        return {};
    return {std::move(c), std::move(lock)};
}

std::string endpoint_of(unsigned char code)
{
    char value[512] = {};
    platform::profile_read_string("Interface", std::to_string(code).c_str(), "", value, sizeof value,
                                  "OBEX.INI");
    return value;
}

} // namespace

OBX_EXPORT int obx_set_timeout(int milliseconds)
{
    if (milliseconds <= 0)
        return -1;
    return timeout_ms.exchange(milliseconds);
}

OBX_EXPORT int obx_connect(unsigned char interface_code)
{
    const std::string endpoint = endpoint_of(interface_code);
    if (endpoint.empty())
        return 0;
    const std::chrono::milliseconds timeout(timeout_ms.load());
    auto stream = obex::open_endpoint(endpoint, obex::deadline_after(timeout));
    if (!stream)
        return 0;
    auto connection = std::make_shared<Connection>(std::move(stream), timeout);
    if (connection->client.connect() != obex::Status::ok)
        return 0;
    std::lock_guard lock(table_mutex);
    const int handle = new_handle();
    table.emplace(handle, std::move(connection));
    return handle;
}

OBX_EXPORT int obx_disconnect(int connection)
{
    std::shared_ptr<Connection> c;
    {
        std::lock_guard lock(table_mutex);
        const auto it = table.find(connection);
        if (it == table.end())
            return -1;
        c = std::move(it->second);
        table.erase(it);
    }
    std::lock_guard lock(c->mutex);
    return c->client.disconnect() == obex::Status::ok ? 0 : -1;
}

OBX_EXPORT int obx_open(int connection, const char* remote_name, int direction)
{
    const auto c = find(connection);
    if (!c || !remote_name || (direction != OBX_FETCH && direction != OBX_PUT))
        return 0;
    std::lock_guard lock(c->mutex);
    if (c->transfer != 0)
        return 0;
    const obex::Status s =
        direction == OBX_FETCH ? c->client.get_begin(remote_name) : c->client.put_begin(remote_name);
    if (s != obex::Status::ok)
        return 0;
    c->transfer = next_transfer();
    c->direction = direction;
    c->ended = false;
    return c->transfer;
}

OBX_EXPORT int obx_get(int connection, int transfer, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return -1;
    const auto c = lock_transfer(connection, transfer);
    if (!c || c->direction != OBX_FETCH)
        return -1;
    if (c->ended)
        return -2;
    std::size_t got = 0;
    bool end = false;
    if (c->client.get_read(reinterpret_cast<std::uint8_t*>(buffer), static_cast<std::size_t>(size), got,
                           end) != obex::Status::ok)
        return -1;
    if (end) {
        c->ended = true;
        return -2;
    }
    return static_cast<int>(got);
}

OBX_EXPORT int obx_put(int connection, int transfer, const char* data, int length)
{
    if (length < 0 || (length > 0 && !data))
        return -1;
    const auto c = lock_transfer(connection, transfer);
    if (!c || c->direction != OBX_PUT)
        return -1;
    if (length == 0)
        return 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data);
    if (c->client.put_write(std::span(bytes, static_cast<std::size_t>(length))) != obex::Status::ok)
        return -1;
    return length;
}

OBX_EXPORT int obx_close(int connection, int transfer)
{
    const auto c = lock_transfer(connection, transfer);
    if (!c)
        return -1;
    obex::Status s;
    if (c->direction == OBX_PUT)
        s = c->client.put_finish();
    else
        s = c->ended ? obex::Status::ok : c->client.abort();
    if (s != obex::Status::ok)
        return -1;
    c->transfer = 0;
    return 0;
}

OBX_EXPORT int obx_abort(int connection, int transfer)
{
    const auto c = lock_transfer(connection, transfer);
    if (!c)
        return -1;
    c->transfer = 0;
    return c->client.abort() == obex::Status::ok ? 0 : -1;
}
