// The watch's answers to OBEX requests: generated files, the deletion command and the store.
#pragma once

#include "obex/server.h"
#include "watchsim/WatchStore.h"

#include <ctime>
#include <functional>
#include <mutex>
#include <ostream>

namespace watchsim {

// timesync.wsy for the watch's local time (`utc` plus the difference) and its difference in
// half hours (-64..63). Empty when the clock lies outside the years the file can hold.
std::vector<uint8_t> TimeSyncFile(std::time_t utc, int utcOffsetHalfHours);

class WatchHandler : public obex::Handler
{
public:
    using Clock = std::function<std::time_t()>;

    // `log` receives one line per request; nullptr logs nothing.
    WatchHandler(WatchStore& store, int utcOffsetHalfHours, std::ostream* log, Clock clock = nullptr);

    std::uint8_t on_get(const std::string& name, std::vector<std::uint8_t>& body) override;
    std::uint8_t on_put(const std::string& name, const std::vector<std::uint8_t>& body) override;

private:
    void Log(const char* verb, const std::string& name, size_t bytes, std::uint8_t code);

    WatchStore& store_;
    int utcOffset_;
    std::ostream* log_;
    Clock clock_;
    std::mutex logMutex_;
};

} // namespace watchsim
