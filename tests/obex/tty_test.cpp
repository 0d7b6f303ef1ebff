// The serial transport carries a session byte for byte: a pseudo-terminal stands in for the port.
#include "memory_handler.h"
#include "obex/client.h"
#include "obex/fd_stream.h"
#include "obex/transports.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>

using namespace obex;
using namespace std::chrono_literals;

TEST(SerialTransport, CarriesEveryByteValueInRawMode)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string device = ::ptsname(master);

    // Opened by path, the way an OBEX.INI endpoint names a device.
    auto port = open_endpoint(device, deadline_after(1s));
    ASSERT_NE(port, nullptr);
    MemoryHandler handler;
    // Control characters, XON/XOFF and CR/LF must all arrive unchanged.
    handler.files["all"] = pattern(5000);
    StreamServer server(handler, std::make_unique<FdStream>(master, false));

    Client client(std::move(port), 2s);
    ASSERT_EQ(client.connect(), Status::ok);
    ASSERT_EQ(client.get_begin("all"), Status::ok);
    std::vector<std::uint8_t> got_all;
    std::uint8_t buffer[256];
    for (bool end = false; !end;) {
        std::size_t got = 0;
        ASSERT_EQ(client.get_read(buffer, sizeof buffer, got, end), Status::ok);
        got_all.insert(got_all.end(), buffer, buffer + got);
    }
    EXPECT_EQ(got_all, pattern(5000));
    ASSERT_EQ(client.put_begin("back"), Status::ok);
    ASSERT_EQ(client.put_write(got_all), Status::ok);
    ASSERT_EQ(client.put_finish(), Status::ok);
    EXPECT_EQ(handler.files["back"], pattern(5000));
    EXPECT_EQ(client.disconnect(), Status::ok);
    EXPECT_TRUE(server.wait());
}

TEST(SerialTransport, MissingDeviceIsNoStream)
{
    EXPECT_EQ(serial_open("/nonexistent/ttyX"), nullptr);
    EXPECT_EQ(open_endpoint("", deadline_after(1s)), nullptr);
}
