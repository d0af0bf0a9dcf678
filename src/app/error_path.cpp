#include "app/error_path.h"

#include "app/app_info.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace ErrorPath {
namespace {

bool failed = false;

// For whoever started the program from a terminal, or reads its log.
void print(const QString &message) {
    std::fprintf(stderr, "%s: %s\n", AppInfo::Title, qUtf8Printable(message));
}

void showAndQuit(const QString &message) {
    print(message);
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(AppInfo::Title),
                        message + QStringLiteral("\n\n") +
                            QCoreApplication::translate("ErrorPath", "The program will now close."),
                        QMessageBox::Ok);
        box.exec();
        // Nothing else of the program may run: close every window, leave every event loop.
        for (QWidget *w : QApplication::topLevelWidgets())
            w->hide();
    }
    // Leaves every running event loop, modal ones included; main() checks HasFailed() for
    // an error raised before the loop started.
    QCoreApplication::exit(FailureExitCode);
}

Reporter &reporter() {
    static Reporter r = showAndQuit;
    return r;
}

} // namespace

void SetReporter(Reporter r) {
    reporter() = std::move(r);
}
void ResetReporter() {
    reporter() = showAndQuit;
}

void Fail(const QString &message) {
    failed = true;
    try {
        reporter()(message);
    } catch (...) {
        // A reporter that fails itself still must not let anything escape.
        print(message);
        QCoreApplication::exit(FailureExitCode);
    }
}

bool HasFailed() {
    return failed;
}

} // namespace ErrorPath
