#include "platform/desktop_shell.h"

#include "platform/app_info.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

DesktopShell *testingShell = nullptr;

bool isUnset(const QString &text) {
    return text.isEmpty() || text == QLatin1String("0");
}

// xdg-open's exit statuses, as its manual lists them, turned into the shell's answers.
int resultOfExit(QProcess::ExitStatus status, int exitCode) {
    if (status != QProcess::NormalExit)
        return DesktopShell::AssociationIncomplete;
    switch (exitCode) {
    case 0:
        return DesktopShell::Started;
    case 1: // a syntax error
        return DesktopShell::BadFormat;
    case 2: // a local file that does not exist
        return DesktopShell::FileNotFound;
    case 3: // no program is set up for the target
        return DesktopShell::NoAssociation;
    case 5:
        return DesktopShell::AccessDenied;
    default: // 4: the program that was found failed
        return DesktopShell::AssociationIncomplete;
    }
}

// Whatever window is in front, so that the message stays over the window that asked.
QWidget *frontWindow() {
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString tr(const char *text) {
    return QApplication::translate("DesktopShell", text);
}

void tell(const char *objectName, const QString &text, const QString &advice = {}) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(AppInfo::Title), text,
                    QMessageBox::Ok, frontWindow());
    box.setObjectName(QLatin1String(objectName));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(advice);
    box.exec();
}

void reportNotStarted(const QString &program) {
    tell("programNotStarted", tr("The program \"%1\" could not be started.").arg(program),
         tr("Check that the program is installed and that its name is spelled correctly, "
            "then try again."));
}

// Says in everyday words why target did not open; result is what ShellExecute() answers.
void reportNotOpened(const QString &target, int result) {
    const QString scheme = QUrl(target).scheme();
    const bool webPage =
        scheme.size() > 1 && scheme.compare(QLatin1String("file"), Qt::CaseInsensitive) != 0;
    QString reason;
    switch (result) {
    case DesktopShell::HelperNotFound:
        reason = webPage ? tr("no program for opening web pages was found on this computer.")
                         : tr("no program for opening files was found on this computer.");
        break;
    case DesktopShell::BadFormat:
        reason = tr("the computer did not understand where to find it.");
        break;
    case DesktopShell::FileNotFound:
        reason = tr("it could not be found.");
        break;
    case DesktopShell::AccessDenied:
        reason = tr("you are not allowed to open it.");
        break;
    default:
        reason = webPage ? tr("the web browser ran into a problem.")
                         : tr("the program for it ran into a problem.");
        break;
    }
    tell("notOpened", (webPage ? tr("The web page could not be opened: %1")
                               : tr("The file could not be opened: %1"))
                          .arg(reason));
}

void startDetached(const QString &program, const QStringList &arguments) {
    if (program.isEmpty() || !QProcess::startDetached(program, arguments))
        reportNotStarted(program);
}

} // namespace

DesktopShell &DesktopShell::Default() {
    if (testingShell)
        return *testingShell;
    return XdgDesktopShell::Instance();
}

void DesktopShell::SetDefaultForTesting(DesktopShell *shell) {
    testingShell = shell;
}

XdgDesktopShell &XdgDesktopShell::Instance() {
    static XdgDesktopShell shell;
    return shell;
}

int XdgDesktopShell::ShellExecute(const QString &operation, const QString &file,
                                  const QString &parameters, const QString &directory,
                                  int showCommand) {
    Q_UNUSED(parameters)
    Q_UNUSED(showCommand)
    if (!operation.isEmpty() && operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return AssociationIncomplete;
    if (file.isEmpty())
        return FileNotFound;

    if (!isUnset(directory) && !QFileInfo(directory).isDir())
        return PathNotFound;

    auto process = std::make_unique<QProcess>();
    if (!isUnset(directory))
        process->setWorkingDirectory(directory);
    process->setProgram(QStringLiteral("xdg-open"));
    // xdg-open takes anything starting with '-' for an option of its own.
    process->setArguments({file.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + file : file});
    process->setStandardInputFile(QProcess::nullDevice());
    // No pipes: a chatty browser must never block on output nobody reads.
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    process->start();
    if (!process->waitForStarted(WaitBoundMs)) {
        reportNotOpened(file, HelperNotFound);
        return HelperNotFound;
    }

    // Waits without taking user input, so the caller's handler still runs to its end before
    // the next click, while the windows go on painting.
    if (process->state() != QProcess::NotRunning) {
        QEventLoop loop;
        QTimer bound;
        bound.setSingleShot(true);
        QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
        bound.start(WaitBoundMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (process->state() != QProcess::NotRunning) {
        // The browser is still running: xdg-open must not be killed with it when the call
        // returns, so the process object lets go and deletes itself once xdg-open ends.
        QProcess *running = process.release();
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return Started;
    }
    const int result = resultOfExit(process->exitStatus(), process->exitCode());
    // No program for the target is the caller's to handle, by offering Open with.
    if (result != Started && result != NoAssociation)
        reportNotOpened(file, result);
    return result;
}

void XdgDesktopShell::RunCommandLine(const QString &commandLine, int windowStyle) {
    Q_UNUSED(windowStyle)
    const QLatin1String openWith = OpenWithCommand;
    if (commandLine.startsWith(openWith)) {
        const QString target = commandLine.mid(openWith.size());
        if (!chooseProgram_) {
            reportNotStarted(QApplication::translate("DesktopShell", "Open with"));
            return;
        }
        const QString program = chooseProgram_(target);
        if (!program.isEmpty())
            startDetached(program, {target});
        return;
    }

    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return;
    const QString program = arguments.takeFirst();
    startDetached(program, arguments);
}
