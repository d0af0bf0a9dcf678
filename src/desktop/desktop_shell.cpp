#include "desktop/desktop_shell.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

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

// Answers from the event loop, as a request handed on would, never from within the request.
void answerLater(const DesktopShell::Answer &answer, int result) {
    QTimer::singleShot(0, QCoreApplication::instance(), [answer, result] { answer(result); });
}

// xdg-open failed with result for a web address of scheme. When the desktop has no default
// program for the scheme, its own opener (gio, kde-open, exo-open) had none to start, whatever
// status it chose to say so with: that is NoAssociation.
void askDefaultProgram(const QString &scheme, const DesktopShell::Answer &answer, int result) {
    auto *query = new QProcess;
    query->setProgram(QStringLiteral("xdg-mime"));
    query->setArguments(
        {QStringLiteral("query"), QStringLiteral("default"), "x-scheme-handler/" + scheme});
    query->setStandardInputFile(QProcess::nullDevice());
    query->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(query, &QProcess::errorOccurred, query,
                     [query, answer, result](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         answerLater(answer, result);
                         query->deleteLater();
                     });
    QObject::connect(query, &QProcess::finished, query, [query, answer, result] {
        const bool none = query->readAllStandardOutput().trimmed().isEmpty();
        answer(none ? int(DesktopShell::NoAssociation) : result);
        query->deleteLater();
    });
    query->start();
}

} // namespace

QString DesktopShell::WebScheme(const QString &target) {
    const QString scheme = QUrl(target).scheme().toLower();
    return scheme.size() > 1 && scheme != QLatin1String("file") ? scheme : QString();
}

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

void XdgDesktopShell::ShellExecute(const QString &operation, const QString &file,
                                   const QString &parameters, const QString &directory,
                                   int showCommand, Answer answer) {
    Q_UNUSED(parameters)
    Q_UNUSED(showCommand)
    if (!operation.isEmpty() && operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return answerLater(answer, AssociationIncomplete);
    if (file.isEmpty())
        return answerLater(answer, FileNotFound);
    if (!isUnset(directory) && !QFileInfo(directory).isDir())
        return answerLater(answer, PathNotFound);

    // Lives until xdg-open ends, even past the window that asked. A program that quits first
    // leaves xdg-open, and the browser it waits for, running.
    auto *process = new QProcess;
    if (!isUnset(directory))
        process->setWorkingDirectory(directory);
    process->setProgram(QStringLiteral("xdg-open"));
    // xdg-open takes anything starting with '-' for an option of its own.
    process->setArguments({file.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + file : file});
    process->setStandardInputFile(QProcess::nullDevice());
    // No pipes: a chatty browser must never block on output nobody reads.
    process->setProcessChannelMode(QProcess::ForwardedChannels);

    // Either xdg-open cannot be started, or it ends: one answer either way. The process goes
    // once the answer is dealt with, which may hold a dialog of its own.
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, answer](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         // Qt may say so from within start(); the answer still
                         // comes from the event loop.
                         answerLater(answer, HelperNotFound);
                         process->deleteLater();
                     });
    const QString scheme = WebScheme(file);
    QObject::connect(process, &QProcess::finished, process,
                     [process, answer, scheme](int exitCode, QProcess::ExitStatus status) {
                         const int result = resultOfExit(status, exitCode);
                         if (result == Started || result == NoAssociation || scheme.isEmpty())
                             answer(result);
                         else
                             askDefaultProgram(scheme, answer, result);
                         process->deleteLater();
                     });
    process->start();
}

QString XdgDesktopShell::RunCommandLine(const QString &commandLine, int windowStyle) {
    Q_UNUSED(windowStyle)
    QString program;
    QStringList arguments;
    const QLatin1String openWith = OpenWithCommand;
    if (commandLine.startsWith(openWith)) {
        const QString target = commandLine.mid(openWith.size());
        if (!chooseProgram_)
            return QCoreApplication::translate("DesktopShell", "Open with");
        // A copy: the dialog may run while another answer hands in a chooser of its own.
        const ProgramChooser choose = chooseProgram_;
        program = choose(target);
        if (program.isEmpty())
            return {};
        arguments = QStringList{target};
    } else {
        arguments = QProcess::splitCommand(commandLine);
        if (arguments.isEmpty())
            return {};
        program = arguments.takeFirst();
    }
    if (!QProcess::startDetached(program, arguments))
        return program;
    return {};
}
