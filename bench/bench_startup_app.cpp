// The program's start, as main() does it, up to the first frame of the main window.

#include "first_frame.h"
#include "main_window/frm_main.h"
#include "app/app_info.h"
#include "form/resource_images.h"

#include <QApplication>

int main(int, char *argv[]) {
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QString::fromLatin1(AppInfo::Title));
    QApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));
    QApplication::setDesktopFileName(QStringLiteral("zembrofact"));
    QApplication::setWindowIcon(ProgramIcon());

    frmMain window;
    FirstFrame::Probe probe(window.centralWidget());
    window.show();
    return QApplication::exec();
}
