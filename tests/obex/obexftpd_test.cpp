// Our client against an independent server on loopback: obexftpd serving a folder.
#include "obex/client.h"
#include "obex/transports.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace obex;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

const char* const server_binary = "/usr/bin/obexftpd";

// The port obexftpd listens on for network sessions, whatever port it is given.
constexpr int server_port = 650;

// One obexftpd serving dir; it serves one session per start.
class Obexftpd
{
public:
    explicit Obexftpd(const fs::path& dir)
    {
        pid_ = ::fork();
        if (pid_ == 0) {
            // The server is chatty on its standard streams even when not asked to be.
            const int null_fd = ::open("/dev/null", O_WRONLY);
            ::dup2(null_fd, 1);
            ::dup2(null_fd, 2);
            ::execl(server_binary, server_binary, "-c", dir.c_str(), "-n",
                    std::to_string(server_port).c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~Obexftpd()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // Connects once the server listens.
    std::unique_ptr<Stream> connect()
    {
        const auto give_up = Clock::now() + 5s;
        while (Clock::now() < give_up) {
            if (auto s = tcp_connect("127.0.0.1", server_port, deadline_after(1s)))
                return s;
            std::this_thread::sleep_for(50ms);
        }
        return nullptr;
    }

private:
    pid_t pid_ = -1;
};

std::string read_all(Client& client, const std::string& name, Status& status)
{
    std::string out;
    status = client.get_begin(name);
    std::uint8_t buffer[256];
    for (bool end = false; status == Status::ok && !end;) {
        std::size_t got = 0;
        status = client.get_read(buffer, sizeof buffer, got, end);
        out.append(reinterpret_cast<const char*>(buffer), got);
    }
    return out;
}

} // namespace

TEST(Obexftpd, ServesFilesToOurClient)
{
    if (::access(server_binary, X_OK) != 0)
        GTEST_SKIP() << "obexftpd is not installed";
    if (::geteuid() != 0)
        GTEST_SKIP() << "obexftpd always listens on the privileged port 650";
    const fs::path dir = fs::temp_directory_path() / ("kelpset-obexftpd-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string big(100000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>('a' + i % 26);
    std::ofstream(dir / "system.cfg") << "hello";
    std::ofstream(dir / "big.dat") << big;

    {
        Obexftpd server(dir);
        auto stream = server.connect();
        ASSERT_NE(stream, nullptr);
        Client client(std::move(stream), 3s);
        ASSERT_EQ(client.connect(), Status::ok);
        EXPECT_GE(client.packet_size(), 255);
        Status status;
        EXPECT_EQ(read_all(client, "system.cfg", status), "hello");
        EXPECT_EQ(status, Status::ok);
        EXPECT_EQ(read_all(client, "big.dat", status), big);
        EXPECT_EQ(status, Status::ok);
        read_all(client, "missing.dat", status);
        EXPECT_EQ(status, Status::refused);
        const std::string text = "set clock";
        ASSERT_EQ(client.put_begin("command.cmd"), Status::ok);
        ASSERT_EQ(
            client.put_write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())),
            Status::ok);
        EXPECT_EQ(client.put_finish(), Status::ok);
        EXPECT_EQ(client.disconnect(), Status::ok);
    }
    std::ifstream stored(dir / "command.cmd");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stored), {}), "set clock");
    fs::remove_all(dir);
}
