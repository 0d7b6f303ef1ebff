#include "obex/stream.h"

namespace obex {

IoStatus read_exact(Stream& stream, std::uint8_t* buffer, std::size_t size, Deadline deadline)
{
    std::size_t done = 0;
    while (done < size) {
        std::size_t got = 0;
        const IoStatus status = stream.read_some(buffer + done, size - done, deadline, got);
        if (status != IoStatus::ok)
            return status;
        done += got;
    }
    return IoStatus::ok;
}

} // namespace obex
