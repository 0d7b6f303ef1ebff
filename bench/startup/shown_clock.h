// The moment a window is on the screen, on the monotonic clock shared by all processes:
// both start-up programs print it once their first window is shown, and the bench compares
// it with the moment it started them.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Once the event loop has handled the window's show and first paint, prints the time and quits.
inline void reportShownAndQuit(QWidget& window)
{
    QTimer::singleShot(0, &window, [] {
        std::printf("%lld\n", monotonicNanoseconds());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
