// Receives the largest watch image (settings, file list, world time, a daily series of 366
// pictures and 366 anniversary pictures) from the simulated watch over loopback through
// TObexUnit, and prints the OBEX requests the watch saw, the wire bytes per payload byte and
// the time taken.
#include "app/CommonData.h"
#include "app/ProgramFile.h"
#include "transfer/ObexLog.h"
#include "transfer/TObexUnit.h"
#include "watchsim/SampleWatch.h"
#include "watchsim/WatchHandler.h"
#include "watchsim/WatchServer.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SilentLog : public ObexLog
{
public:
    void AddLine(const QString&) override {}
    void RewriteLastLine(const QString&) override {}
};

bool WriteMaximalWatch(const fs::path& root)
{
    fs::create_directories(root);
    bool ok = watchsim::WriteFileBytes(root / "system.cfg", watchsim::SampleSettings()) &&
              watchsim::WriteFileBytes(root / "world.ini", watchsim::SampleWorld());
    std::vector<uint8_t> series;
    for (int n = 0; n < 366; ++n) {
        const auto picture = watchsim::PackPicture(watchsim::SeriesPicture(n));
        series.insert(series.end(), picture.begin(), picture.end());
    }
    ok = ok && watchsim::WriteFileBytes(root / "dailybmp.krx", watchsim::KrxFile(series, 366));
    static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int n = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= kDays[month - 1]; ++day) {
            const auto picture = watchsim::PackPicture(watchsim::SeriesPicture(n++));
            ok = ok && watchsim::WriteFileBytes(root / watchsim::AnniversaryName(month, day),
                                                watchsim::KrxFile(picture, 1));
        }
    return ok;
}

struct Listed
{
    std::string name;
    int size;
};

// The entries of filelist.dat; a cut entry ends the list.
std::vector<Listed> ReadFileList(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Listed> list;
    size_t at = 0;
    while (at + 16 <= data.size() && at + 16 + data[at + 15] <= data.size()) {
        const uint32_t size =
            data[at + 11] | data[at + 12] << 8 | data[at + 13] << 16 | uint32_t(data[at + 14]) << 24;
        list.push_back(
            {std::string(data.begin() + long(at + 16), data.begin() + long(at + 16 + data[at + 15])),
             static_cast<int>(size)});
        at += 16 + data[at + 15];
    }
    return list;
}

bool Fetched(const Listed& file)
{
    const size_t dot = file.name.find('.');
    return file.size > 0 && dot != std::string::npos &&
           (file.name.substr(dot) == ".krx" || file.name == "world.ini");
}

} // namespace

int main(int argc, char** argv)
{
    const fs::path base = fs::temp_directory_path() / ("obex-receive-bench-" + std::to_string(getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "seaglass");
    fs::create_directories(base / "pc");
    fs::permissions(base, fs::perms::owner_all); // a runtime folder is private to its user
    setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", base.c_str(), 1);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program folder lies in the scratch folder, with a help folder so that no notice asks
    // for a person.
    fs::create_directories(base / "program" / "help");
    setProgramFileOverride((base / "program" / "kelpset").string());
    ReefCommonData = new CommonData(11);

    if (!WriteMaximalWatch(base / "watch")) {
        std::fprintf(stderr, "cannot write the watch image\n");
        return 1;
    }
    watchsim::WatchStore store(base / "watch");
    watchsim::WatchHandler handler(store, 18, nullptr);
    auto server = watchsim::WatchServer::Start(handler, "127.0.0.1", 0);
    if (!server) {
        std::fprintf(stderr, "cannot start the simulated watch\n");
        return 1;
    }
    std::ofstream(base / "seaglass" / "OBEX.INI", std::ios::binary)
        << "[Interface]\r\n0=tcp:127.0.0.1:" << server->port() << "\r\n";

    const fs::path pc = base / "pc";
    SilentLog log;
    int files = 0;
    uint64_t payload = 0;
    int result = 0;
    const auto start = std::chrono::steady_clock::now();
    {
        TObexUnit unit(0, log);
        result = unit.Connect();
        if (result == 0)
            result = unit.GetFile((pc / "system.cfg").c_str(), "system.cfg", -1);
        if (result == 0)
            result = unit.GetFile((pc / "filelist.dat").c_str(), "/halcyon/pgm/filelist.dat", -1);
        files = 2;
        payload = fs::file_size(pc / "system.cfg") + fs::file_size(pc / "filelist.dat");
        for (const Listed& file : ReadFileList(pc / "filelist.dat")) {
            if (result != 0 || !Fetched(file))
                continue;
            result = unit.GetFile((pc / file.name).c_str(), file.name.c_str(), file.size);
            ++files;
            payload += static_cast<uint64_t>(file.size);
        }
        if (result == 0)
            unit.Disconnect();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    server->Stop();
    const watchsim::Traffic traffic = server->traffic();
    fs::remove_all(base);
    if (result != 0) {
        std::fprintf(stderr, "receive failed with %d\n", result);
        return 1;
    }

    const uint64_t wire = traffic.bytesReceived + traffic.bytesSent;
    std::printf("files received         %d\n", files);
    std::printf("payload bytes          %llu\n", static_cast<unsigned long long>(payload));
    std::printf("OBEX requests          %llu (%.2f per file; goal <= 2 per file + 2 = %d)\n",
                static_cast<unsigned long long>(traffic.requests), double(traffic.requests) / files,
                2 * files + 2);
    std::printf("wire bytes             %llu (to watch %llu, from watch %llu)\n",
                static_cast<unsigned long long>(wire), static_cast<unsigned long long>(traffic.bytesReceived),
                static_cast<unsigned long long>(traffic.bytesSent));
    std::printf("wire bytes per payload %.4f (goal <= 1.05)\n", double(wire) / double(payload));
    std::printf("from watch per payload %.4f (responses alone)\n",
                double(traffic.bytesSent) / double(payload));
    std::printf("time                   %.3f s\n", seconds);
    return 0;
}
