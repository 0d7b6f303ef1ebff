#include "watchsim/WatchHandler.h"

#include "clockfit/clockfit.h"
#include "obex/packet.h"

namespace watchsim {

namespace {

const std::string kFileList = "halcyon/pgm/filelist.dat";
const std::string kDeleteCommand = "halcyon/pgm/ffs_delete.cmd";
const std::string kTimeSync = "watch/timesync.wsy";

// Generated names are matched with or without their leading '/'.
bool Names(const std::string& name, const std::string& generated)
{
    return name == generated || (name.size() == generated.size() + 1 && name[0] == '/' &&
                                 name.compare(1, std::string::npos, generated) == 0);
}

std::uint8_t ResponseFor(Outcome outcome)
{
    switch (outcome) {
    case Outcome::ok:
        return obex::response::success;
    case Outcome::not_found:
        return obex::response::not_found;
    case Outcome::forbidden:
        return obex::response::forbidden;
    case Outcome::bad_request:
        return obex::response::bad_request;
    case Outcome::failed:
        break;
    }
    return obex::response::internal_error;
}

} // namespace

std::vector<uint8_t> TimeSyncFile(std::time_t utc, int utcOffsetHalfHours)
{
    if (utcOffsetHalfHours < -64 || utcOffsetHalfHours > 63)
        return {};
    const std::time_t local = utc + static_cast<std::time_t>(utcOffsetHalfHours) * 1800;
    std::tm fields{};
    if (gmtime_r(&local, &fields) == nullptr)
        return {};
    std::vector<uint8_t> file(CLOCKFIT_FILE_SIZE);
    const int size = rez_clockfit_encode(
        fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_wday, fields.tm_hour,
        fields.tm_min, fields.tm_sec, utcOffsetHalfHours & 0x7F, file.data(), static_cast<int>(file.size()));
    if (size != CLOCKFIT_FILE_SIZE)
        return {};
    return file;
}

WatchHandler::WatchHandler(WatchStore& store, int utcOffsetHalfHours, std::ostream* log, Clock clock)
    : store_(store), utcOffset_(utcOffsetHalfHours), log_(log),
      clock_(clock ? std::move(clock) : Clock([] { return std::time(nullptr); }))
{
}

void WatchHandler::Log(const char* verb, const std::string& name, size_t bytes, std::uint8_t code)
{
    if (log_ == nullptr)
        return;
    std::lock_guard lock(logMutex_);
    char status[8];
    std::snprintf(status, sizeof status, "0x%02X", code);
    *log_ << verb << ' ' << name << ' ' << bytes << " bytes -> " << status << std::endl;
}

std::uint8_t WatchHandler::on_get(const std::string& name, std::vector<std::uint8_t>& body)
{
    std::uint8_t code;
    if (Names(name, kFileList)) {
        body = store_.FileList();
        code = obex::response::success;
    } else if (Names(name, kTimeSync)) {
        body = TimeSyncFile(clock_(), utcOffset_);
        code = body.empty() ? obex::response::internal_error : obex::response::success;
    } else if (Names(name, kDeleteCommand)) {
        code = obex::response::not_found;
    } else {
        code = ResponseFor(store_.Read(name, body));
    }
    if (code != obex::response::success)
        body.clear();
    Log("GET", name, body.size(), code);
    return code;
}

std::uint8_t WatchHandler::on_put(const std::string& name, const std::vector<std::uint8_t>& body)
{
    std::uint8_t code;
    if (Names(name, kDeleteCommand))
        code = ResponseFor(store_.ExecuteDeleteCommand(body));
    else if (Names(name, kFileList) || Names(name, kTimeSync))
        code = obex::response::forbidden;
    else
        code = ResponseFor(store_.Write(name, body));
    Log("PUT", name, body.size(), code);
    return code;
}

} // namespace watchsim
