#include "platform/family_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FamilyLock::~FamilyLock()
{
    release();
}

std::string FamilyLock::path()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime && *runtime ? runtime : "/tmp";
    return folder + "/VirudodeRurez2001Family.lock";
}

FamilyLock::Result FamilyLock::acquire()
{
    if (held())
        return Acquired;
    const int fd = ::open(path().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Unavailable;
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? HeldElsewhere : Unavailable;
    }
    fd_ = fd;
    return Acquired;
}

void FamilyLock::release()
{
    if (fd_ < 0)
        return;
    // Closing the descriptor drops the lock; the file stays for the next program.
    ::close(fd_);
    fd_ = -1;
}
