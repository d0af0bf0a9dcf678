#pragma once

// Ends a start-up benchmark at the window's first frame: once the first paint of the watched
// widget has been drawn and handed to the screen, prints how long the process took to get
// there and its peak resident memory, then quits.
//
// The time counts from ZF_BENCH_T0, nanoseconds on CLOCK_REALTIME taken by the launcher right
// before it started the process; without it, from the kernel's record of the process's start.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace FirstFrame {

inline double nowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

// From /proc: field 22 of stat is the start in clock ticks after boot; uptime is in seconds.
inline double msSinceKernelStart() {
    QFile statFile(QStringLiteral("/proc/self/stat"));
    QFile uptimeFile(QStringLiteral("/proc/uptime"));
    if (!statFile.open(QIODevice::ReadOnly) || !uptimeFile.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = statFile.readAll();
    // The command name in parentheses may hold spaces: count fields after its closing one.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(22 - 3).toDouble();
    const double uptime = uptimeFile.readAll().split(' ').value(0).toDouble();
    return (uptime - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

inline double msSinceStart() {
    bool ok = false;
    const double t0 = qEnvironmentVariable("ZF_BENCH_T0").toDouble(&ok);
    return ok ? (nowNs(CLOCK_REALTIME) - t0) / 1e6 : msSinceKernelStart();
}

class Probe : public QObject {
public:
    explicit Probe(QWidget *watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued: runs once this paint and the flush of the window's backing store to the
            // screen are done.
            QMetaObject::invokeMethod(this, &Probe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const double ms = msSinceStart();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first_frame_ms=%.3f peak_rss_kib=%ld\n", ms, usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool painted_ = false;
};

} // namespace FirstFrame
