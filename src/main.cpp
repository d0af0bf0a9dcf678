#include "app/app_info.h"
#include "app/error_path.h"
#include "app/font_preload.h"
#include "app/translation.h"
#include "form/deferred_icons.h"
#include "form/resource_images.h"
#include "main_window/frm_main.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int NoDisplayExitCode = 2;

// Qt ends the process with abort() when no platform plugin can start, after several lines
// meant for developers, and leaves a core dump. Say it in one line and exit instead. Only
// QApplication's construction runs under this handler.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &) {
    if (type != QtFatalMsg)
        return;
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "%s: cannot open a window: no graphical display is reachable%s%s\n",
                 AppInfo::Title, display.isEmpty() ? "" : " at DISPLAY=", display.constData());
    std::_Exit(NoDisplayExitCode);
}

bool displayConfigured() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int, char *argv[]) {
    if (!displayConfigured()) {
        std::fprintf(stderr,
                     "%s: cannot open a window: no graphical display is reachable "
                     "(neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                     AppInfo::Title);
        return NoDisplayExitCode;
    }
    // Fontconfig loads while the toolkit connects to the display.
    FontPreload fonts;
    const QtMessageHandler previous = qInstallMessageHandler(startupMessageHandler);
    // The program takes no command line: Qt is not shown the arguments either.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    qInstallMessageHandler(previous);
    // The desktop's style, its menu bar's overflow arrow fetched only if it is ever shown.
    UseDeferredIconStyle();

    QApplication::setApplicationName(QString::fromLatin1(AppInfo::Title));
    QApplication::setDesktopFileName(QString::fromLatin1(AppInfo::AppId));
    QApplication::setWindowIcon(ProgramIcon());
    // The desktop's language where the program has a catalogue for it; English otherwise.
    Translation::Install(QLocale::system());

    fonts.Wait(); // before the window measures its first text
    frmMain window;
    // An error during start-up has been reported already; there is no window to show.
    if (ErrorPath::HasFailed())
        return ErrorPath::FailureExitCode;
    window.show();
    const int status = QApplication::exec();
    return ErrorPath::HasFailed() ? ErrorPath::FailureExitCode : status;
}
