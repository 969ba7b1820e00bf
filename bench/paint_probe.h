#pragma once

// Reports, once the window has been shown and painted for the first time, the moment in
// CLOCK_MONOTONIC nanoseconds and the resident memory in kilobytes, then ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <unistd.h>

class PaintProbe : public QObject {
public:
    explicit PaintProbe(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so that it runs once the whole window, children included, is painted.
            QMetaObject::invokeMethod(this, &PaintProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::ifstream statm("/proc/self/statm");
        long pages = 0, resident = 0;
        statm >> pages >> resident;
        std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    resident * sysconf(_SC_PAGESIZE) / 1024);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};
