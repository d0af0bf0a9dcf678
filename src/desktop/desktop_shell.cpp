#include "desktop/desktop_shell.h"

#include "desktop/open_with_dialog.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace {

using Outcome = DesktopShell::Outcome;

// xdg-open's exit statuses, as its manual lists them.
Outcome outcomeOfExit(QProcess::ExitStatus status, int exitCode) {
    if (status != QProcess::NormalExit)
        return Outcome::Failed;
    switch (exitCode) {
    case 0:
        return Outcome::Opened;
    case 1: // a syntax error
        return Outcome::NotUnderstood;
    case 2: // a local file that does not exist
        return Outcome::NotFound;
    case 3: // no program is set up for the target
        return Outcome::NoProgram;
    case 5:
        return Outcome::Refused;
    default: // 4: the program that was found failed
        return Outcome::Failed;
    }
}

// Answers from the event loop, as a request handed on would, never from within the request.
void answerLater(const DesktopShell::Answer &answer, Outcome outcome) {
    QTimer::singleShot(0, QCoreApplication::instance(), [answer, outcome] { answer(outcome); });
}

// xdg-open failed with outcome for a web address of scheme. When the desktop has no default
// program for the scheme, its own opener (gio, kde-open, exo-open) had none to start, whatever
// status it chose to say so with: that is NoProgram.
void askDefaultProgram(const QString &scheme, const DesktopShell::Answer &answer, Outcome outcome) {
    auto *query = new QProcess;
    query->setProgram(QStringLiteral("xdg-mime"));
    query->setArguments(
        {QStringLiteral("query"), QStringLiteral("default"), "x-scheme-handler/" + scheme});
    query->setStandardInputFile(QProcess::nullDevice());
    query->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(query, &QProcess::errorOccurred, query,
                     [query, answer, outcome](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         answerLater(answer, outcome);
                         query->deleteLater();
                     });
    QObject::connect(query, &QProcess::finished, query, [query, answer, outcome] {
        const bool none = query->readAllStandardOutput().trimmed().isEmpty();
        answer(none ? Outcome::NoProgram : outcome);
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
    static XdgDesktopShell shell;
    return shell;
}

void XdgDesktopShell::Open(const QString &target, Answer answer) {
    if (target.isEmpty())
        return answerLater(answer, Outcome::NotFound);

    // Lives until xdg-open ends, even past the window that asked. A program that quits first
    // leaves xdg-open, and the browser it waits for, running.
    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    // xdg-open takes anything starting with '-' for an option of its own.
    process->setArguments(
        {target.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + target : target});
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
                         answerLater(answer, Outcome::NoOpener);
                         process->deleteLater();
                     });
    const QString scheme = WebScheme(target);
    QObject::connect(process, &QProcess::finished, process,
                     [process, answer, scheme](int exitCode, QProcess::ExitStatus status) {
                         const Outcome outcome = outcomeOfExit(status, exitCode);
                         if (outcome == Outcome::Opened || outcome == Outcome::NoProgram ||
                             scheme.isEmpty())
                             answer(outcome);
                         else
                             askDefaultProgram(scheme, answer, outcome);
                         process->deleteLater();
                     });
    process->start();
}

QString XdgDesktopShell::OpenWith(const QString &target, QWidget *over) {
    QString program = OpenWithDialog::ChooseProgram(target, over);
    if (program.isEmpty())
        return {};
    // On its own, with nothing to read: this program's input may be a pipe or a terminal.
    QProcess chosen;
    chosen.setProgram(program);
    chosen.setArguments({target});
    chosen.setStandardInputFile(QProcess::nullDevice());
    return chosen.startDetached() ? QString() : program;
}
