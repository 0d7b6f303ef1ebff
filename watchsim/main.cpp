// kelpset-watch: the simulated watch as a program of its own.
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchHandler.h"
#include "watchsim/WatchServer.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: kelpset-watch --root DIR --listen HOST:PORT [--sample] [--utc-offset HALFHOURS]\n";

bool ParseInt(const std::string& text, long low, long high, int& out)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

struct Options
{
    std::string root;
    std::string host;
    int port = -1;
    bool sample = false;
    int utcOffset = 0;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--sample") {
            options.sample = true;
        } else if (arg == "--root" && hasValue) {
            options.root = argv[++i];
        } else if (arg == "--listen" && hasValue) {
            const std::string value = argv[++i];
            const size_t colon = value.rfind(':');
            if (colon == std::string::npos || colon == 0 ||
                !ParseInt(value.substr(colon + 1), 0, 65535, options.port))
                return false;
            options.host = value.substr(0, colon);
        } else if (arg == "--utc-offset" && hasValue) {
            if (!ParseInt(argv[++i], -64, 63, options.utcOffset))
                return false;
        } else {
            return false;
        }
    }
    return !options.root.empty() && options.port >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (options.sample && !watchsim::WriteSampleWatch(options.root)) {
        std::cerr << "kelpset-watch: cannot write the sample watch into " << options.root << "\n";
        return 1;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(options.root, ec)) {
        std::cerr << "kelpset-watch: " << options.root << " is not a folder\n";
        return 1;
    }

    // The signals that end the program are taken by sigwait below, not by the server threads.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    watchsim::WatchStore store(options.root);
    watchsim::WatchHandler handler(store, options.utcOffset, &std::cerr);
    auto server = watchsim::WatchServer::Start(handler, options.host, options.port);
    if (!server) {
        std::cerr << "kelpset-watch: cannot listen on " << options.host << ":" << options.port << "\n";
        return 1;
    }
    std::cout << server->port() << std::endl;
    std::cerr << "kelpset-watch: serving " << options.root << " on " << options.host << ":" << server->port()
              << "\n";

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server->Stop();
    return 0;
}
