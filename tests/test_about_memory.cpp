// What each opening of the About window leaves behind on a real X display, against a bare
// dialog of the same size and kind opened the same way in the same run. Starts its own Xvfb,
// so it runs the same from ctest and by hand; the xcb platform is the one users have.
//
//   test_about_memory [OPENINGS]      (default 1000 of each)
//
// Prints the growth per opening of our resident memory and of the X server's, and fails when
// the About window leaves more per opening than the bare dialog, beyond a small margin for
// the allocator's noise.

#include "about_window/frm_about.h"
#include "app/error_path.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

// Margin per opening, in bytes: the allocator and Qt's caches move by a few pages in a run.
constexpr double MarginBytes = 256;

qint64 residentBytes(qint64 pid) {
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

struct Growth {
    double client = 0, server = 0; // bytes
};

// Opens a window made by make() modally over owner, as Help > About... does, moves the pointer
// over the link's place (the hand pointer is made for the display then), and closes it.
void openOnce(QWidget &owner, const std::function<std::unique_ptr<QDialog>(QWidget *)> &make) {
    std::unique_ptr<QDialog> dialog = make(&owner);
    QTimer::singleShot(0, dialog.get(), [&dialog] {
        if (QTest::qWaitForWindowExposed(dialog.get()))
            QTest::mouseMove(dialog->windowHandle(), QPoint(60, 68));
        QCoreApplication::processEvents();
        dialog->accept();
    });
    dialog->exec();
    dialog.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[]) {
    const int openings = argc > 1 ? std::atoi(argv[1]) : 1000;

    // An X server of our own on the first free display; it prints the number it took.
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp")});
    if (!xvfb.waitForStarted() || !xvfb.waitForReadyRead(20000)) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 2;
    }
    qputenv("DISPLAY", ":" + xvfb.readAllStandardOutput().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "1");

    int status = 0;
    {
        QApplication app(argc, argv);
        ErrorPath::SetReporter([](const QString &message) {
            std::fprintf(stderr, "unexpected error: %s\n", qPrintable(message));
            std::exit(3);
        });
        QWidget owner;
        owner.setGeometry(100, 100, 640, 480);
        owner.show();
        if (!QTest::qWaitForWindowExposed(&owner))
            return 2;

        const auto about = [](QWidget *over) -> std::unique_ptr<QDialog> {
            return std::make_unique<frmAbout>(over);
        };
        const auto bare = [](QWidget *over) {
            auto dialog = std::make_unique<QDialog>(over);
            dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint);
            dialog->setFixedSize(382, 209);
            return dialog;
        };

        // Caches that fill once (fonts, styles, the first window of each kind) fill here.
        for (int i = 0; i < 50; ++i) {
            openOnce(owner, about);
            openOnce(owner, bare);
        }
        // Alternating blocks, so that neither kind alone meets a heap that has grown.
        Growth growth[2];
        constexpr int Blocks = 4;
        for (int block = 0; block < Blocks; ++block) {
            for (int kind = 0; kind < 2; ++kind) {
                malloc_trim(0);
                const qint64 client = residentBytes(getpid()),
                             server = residentBytes(xvfb.processId());
                for (int i = 0; i < openings / Blocks; ++i)
                    openOnce(owner, kind == 0 ? about : bare);
                malloc_trim(0);
                growth[kind].client += residentBytes(getpid()) - client;
                growth[kind].server += residentBytes(xvfb.processId()) - server;
            }
        }
        const int done = openings / Blocks * Blocks;
        for (Growth &g : growth) {
            g.client /= done;
            g.server /= done;
        }
        std::printf("per opening, over %d openings each (bytes)\n", done);
        std::printf("%-14s %10s %10s\n", "", "program", "X server");
        std::printf("%-14s %10.1f %10.1f\n", "About window", growth[0].client, growth[0].server);
        std::printf("%-14s %10.1f %10.1f\n", "bare dialog", growth[1].client, growth[1].server);
        if (growth[0].client > growth[1].client + MarginBytes ||
            growth[0].server > growth[1].server + MarginBytes) {
            std::printf("FAIL: the About window leaves more behind than the bare dialog\n");
            status = 1;
        }
    }
    xvfb.terminate();
    xvfb.waitForFinished();
    return status;
}
