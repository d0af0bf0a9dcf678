#include "platform/desktop_shell.h"

#include "platform/app_info.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

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

void reportNotStarted(const QString &program) {
    QMessageBox box(
        QMessageBox::Warning, QString::fromLatin1(AppInfo::Title),
        QApplication::translate("DesktopShell", "The program \"%1\" could not be started.")
            .arg(program),
        QMessageBox::Ok, frontWindow());
    box.setObjectName(QStringLiteral("programNotStarted"));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QApplication::translate(
        "DesktopShell", "Check that the program is installed and that its name is spelled "
                        "correctly, then try again."));
    box.exec();
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

    // Owned by nobody but itself: a browser that outlives the wait must not be killed when the
    // call returns, so the process object stays until xdg-open ends.
    auto *process = new QProcess;
    if (!isUnset(directory)) {
        if (!QFileInfo(directory).isDir()) {
            delete process;
            return PathNotFound;
        }
        process->setWorkingDirectory(directory);
    }
    process->setProgram(QStringLiteral("xdg-open"));
    // xdg-open takes anything starting with '-' for an option of its own.
    process->setArguments({file.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + file : file});
    process->setStandardInputFile(QProcess::nullDevice());
    // No pipes: a chatty browser must never block on output nobody reads.
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    process->start();
    if (!process->waitForStarted(WaitBoundMs)) {
        delete process;
        return HelperNotFound;
    }

    // Waits without taking user input, so the caller's handler still runs to its end before
    // the next click, while the windows go on painting.
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process->state() != QProcess::NotRunning) {
        bound.start(WaitBoundMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (process->state() != QProcess::NotRunning) {
        QObject::disconnect(process, nullptr, &loop, nullptr);
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return Started;
    }
    const int result = resultOfExit(process->exitStatus(), process->exitCode());
    delete process;
    return result;
}

void XdgDesktopShell::RunCommandLine(const QString &commandLine, int windowStyle) {
    Q_UNUSED(windowStyle)
    const QLatin1String openWith(OpenWithCommand);
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
