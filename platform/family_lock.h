// The single-instance lock of the program family: a lock file held with flock for the
// whole run, so that at most one program of the family runs at a time.
#pragma once

#include <string>

class FamilyLock
{
public:
    FamilyLock() = default;
    ~FamilyLock();
    FamilyLock(const FamilyLock&) = delete;
    FamilyLock& operator=(const FamilyLock&) = delete;

    enum Result {
        Acquired,
        HeldElsewhere, // another process (or another FamilyLock of this one) holds it
        Unavailable,   // the lock file cannot be opened, so nobody can hold it either
    };
    // Takes the lock without waiting.
    Result acquire();
    void release();
    bool held() const { return fd_ >= 0; }

    // $XDG_RUNTIME_DIR (or /tmp) joined with the family's lock file name.
    static std::string path();

private:
    int fd_ = -1;
};
