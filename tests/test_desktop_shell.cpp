#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"
#include "platform/runtime_error.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

const QString Address = QStringLiteral("https://plivaro.example/");
const QString OpenWith = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

// Answers every request with a chosen code and remembers what it was asked.
class RecordingShell : public DesktopShell {
public:
    int ShellExecute(const QString &operation, const QString &file, const QString &parameters,
                     const QString &directory, int showCommand) override {
        requests.append({operation, file, parameters, directory, QString::number(showCommand)});
        return answer;
    }
    void RunCommandLine(const QString &commandLine, int windowStyle) override {
        commandLines.append({commandLine, QString::number(windowStyle)});
    }
    int answer = Started;
    QList<QStringList> requests;
    QList<QStringList> commandLines;
};

// Plays the user in front of the modal windows that open, one after another: each step waits
// for the window with that object name and then answers it.
class ModalScript : public QObject {
public:
    using Answer = std::function<void(QDialog *)>;
    ModalScript() {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(20);
        clock_.start();
    }
    ModalScript &then(const QString &objectName, Answer answer) {
        steps_.append({objectName, std::move(answer)});
        return *this;
    }
    QStringList seen;

private:
    void poll() {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!modal || modal->objectName() == QLatin1String("frmAbout"))
            return;
        if (!steps_.isEmpty() && modal->objectName() == steps_.first().first) {
            seen.append(modal->objectName());
            steps_.takeFirst().second(modal);
        } else if (clock_.elapsed() > 20000) {
            seen.append(QStringLiteral("unexpected ") + modal->objectName());
            modal->reject();
        }
    }
    QTimer timer_;
    QElapsedTimer clock_;
    QList<QPair<QString, Answer>> steps_;
};

void cancel(QDialog *dialog) {
    dialog->reject();
}

// A home of its own for xdg-open: no desktop detected, a PATH holding only the tools xdg-open
// needs (so no browser of this machine is found), and optionally a stand-in browser registered
// for https addresses. The stand-in writes its argument count and arguments to a file.
class XdgHome {
public:
    XdgHome() {
        const char *names[] = {"HOME",
                               "PATH",
                               "XDG_CONFIG_HOME",
                               "XDG_CONFIG_DIRS",
                               "XDG_DATA_HOME",
                               "XDG_DATA_DIRS",
                               "XDG_CURRENT_DESKTOP",
                               "DISPLAY",
                               "WAYLAND_DISPLAY",
                               "DE",
                               "KDE_FULL_SESSION",
                               "KDE_SESSION_VERSION",
                               "GNOME_DESKTOP_SESSION_ID",
                               "MATE_DESKTOP_SESSION_ID",
                               "LXQT_SESSION_CONFIG",
                               "DESKTOP_SESSION",
                               "BROWSER",
                               "XDG_MENU_PREFIX"};
        for (const char *name : names)
            saved_.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }
    ~XdgHome() {
        for (const auto &[name, wasSet, value] : saved_) {
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }

    // False with a message when a tool xdg-open needs is missing.
    bool setUp(bool withBrowser, QString *problem) {
        const QString root = dir_.path();
        for (const char *sub : {"/config", "/data/applications", "/system", "/bin"})
            QDir().mkpath(root + QLatin1String(sub));
        for (const char *tool : {"xdg-open", "xdg-mime", "which", "sed", "grep", "egrep", "awk",
                                 "cut", "head", "tr", "basename", "readlink", "uname"}) {
            const QString found = QStandardPaths::findExecutable(QLatin1String(tool));
            if (found.isEmpty()) {
                *problem = QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
                return false;
            }
            QFile::link(found, root + QStringLiteral("/bin/") + QLatin1String(tool));
        }
        writeFile(standIn(),
                  QStringLiteral("#!/bin/sh\n{ printf '%s\\n' \"$#\"; printf '%s\\n' \"$@\"; } > "
                                 "'%1.part'\n/bin/mv '%1.part' '%1'\n")
                      .arg(received()));
        QFile::setPermissions(standIn(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (withBrowser) {
            writeFile(root + QStringLiteral("/data/applications/standin.desktop"),
                      QStringLiteral("[Desktop Entry]\nType=Application\nName=Stand-in browser\n"
                                     "Exec=%1 %u\n")
                          .arg(standIn()));
            writeFile(root + QStringLiteral("/config/mimeapps.list"),
                      QStringLiteral("[Default Applications]\n"
                                     "x-scheme-handler/https=standin.desktop\n"));
        }
        for (const auto &[name, wasSet, value] : saved_)
            qunsetenv(name);
        qputenv("HOME", root.toLocal8Bit());
        qputenv("PATH", (root + QStringLiteral("/bin")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", (root + QStringLiteral("/system")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (root + QStringLiteral("/system")).toLocal8Bit());
        // A desktop xdg-open knows by name but treats generically, so it probes nothing else.
        qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
        // xdg-open consults registered handlers only when it believes there is a display.
        qputenv("DISPLAY", ":97");
        return true;
    }

    QString path(const QString &name) const { return dir_.filePath(name); }
    QString standIn() const { return dir_.filePath(QStringLiteral("standin-browser")); }
    QString received() const { return dir_.filePath(QStringLiteral("received")); }
    // What the stand-in was given: the argument count, then each argument.
    QStringList arguments() const {
        QFile file(received());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
        lines.removeLast();
        return lines;
    }

private:
    static void writeFile(const QString &name, const QString &text) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toLocal8Bit());
    }
    QTemporaryDir dir_;
    QList<std::tuple<const char *, bool, QByteArray>> saved_;
};

} // namespace

class TestDesktopShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        ErrorPath::SetReporter([this](const QString &message) { errors.append(message); });
    }
    void cleanup() {
        DesktopShell::SetDefaultForTesting(nullptr);
        QCOMPARE(errors, QStringList());
    }

    void requestAndFallback_data() {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<QVariant>("parameters");
        QTest::addColumn<QVariant>("directory");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("request");
        QTest::addColumn<QString>("fallback");
        const QStringList link{"Open", Address, "0", "0", "1"};
        QTest::newRow("no program (31)")
            << QVariant(Address) << QVariant(0) << QVariant(0) << 31 << link << OpenWith + Address;
        const QString blanks = QStringLiteral("/home/pupil/My Cards/times table.txt");
        QTest::newRow("target with blanks, unquoted (31)")
            << QVariant(blanks) << QVariant(0) << QVariant(0) << 31
            << QStringList{"Open", blanks, "0", "0", "1"} << OpenWith + blanks;
        const QString odd = QStringLiteral("a \"b\"; c");
        QTest::newRow("target with quotes, unchanged (31)")
            << QVariant(odd) << QVariant(0) << QVariant(0) << 31
            << QStringList{"Open", odd, "0", "0", "1"} << OpenWith + odd;
        QTest::newRow("started (42)")
            << QVariant(Address) << QVariant(0) << QVariant(0) << 42 << link << QString();
        QTest::newRow("out of resources (0)")
            << QVariant(Address) << QVariant(0) << QVariant(0) << 0 << link << QString();
        QTest::newRow("file not found (2)")
            << QVariant(Address) << QVariant(0) << QVariant(0) << 2 << link << QString();
        QTest::newRow("just below (30)")
            << QVariant(Address) << QVariant(0) << QVariant(0) << 30 << link << QString();
        QTest::newRow("just above (32)")
            << QVariant(Address) << QVariant(0) << QVariant(0) << 32 << link << QString();
        QTest::newRow("numbers and texts as text")
            << QVariant(7) << QVariant(QStringLiteral("-v")) << QVariant(QStringLiteral("/tmp"))
            << 42 << QStringList{"Open", "7", "-v", "/tmp", "1"} << QString();
    }
    void requestAndFallback() {
        QFETCH(QVariant, file);
        QFETCH(QVariant, parameters);
        QFETCH(QVariant, directory);
        QFETCH(int, answer);
        QFETCH(QStringList, request);
        QFETCH(QString, fallback);
        RecordingShell shell;
        shell.answer = answer;
        frmAbout about(nullptr, &shell);
        about.RunShellExecute(QStringLiteral("Open"), file, parameters, directory, 1);
        QCOMPARE(shell.requests, QList<QStringList>{request});
        QList<QStringList> commands;
        if (!fallback.isEmpty())
            commands.append(QStringList{fallback, QStringLiteral("1")});
        QCOMPARE(shell.commandLines, commands);
    }

    void linkGoesToTheDefaultShell() {
        RecordingShell shell;
        shell.answer = DesktopShell::NoAssociation;
        DesktopShell::SetDefaultForTesting(&shell);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {},
                          about.findChild<QWidget *>("lblURL")->geometry().center());
        QCOMPARE(shell.requests, (QList<QStringList>{{"Open", Address, "0", "0", "1"}}));
        QCOMPARE(shell.commandLines, (QList<QStringList>{{OpenWith + Address, "1"}}));
    }

    void valueWithoutTextForm_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("file") << 0;
        QTest::newRow("parameters") << 1;
        QTest::newRow("directory") << 2;
    }
    void valueWithoutTextForm() {
        QFETCH(int, which);
        RecordingShell shell;
        frmAbout about(nullptr, &shell);
        QVariant values[] = {QVariant(Address), QVariant(0), QVariant(0)};
        values[which] = QVariant(QRect(1, 2, 3, 4));
        QVERIFY_THROWS_EXCEPTION(
            RuntimeError,
            about.RunShellExecute(QStringLiteral("Open"), values[0], values[1], values[2], 1));
        QCOMPARE(shell.requests, QList<QStringList>());
    }

    // The desktop's own shell, through the real xdg-open.
    void realShellAnswers_data() {
        QTest::addColumn<bool>("browser");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<int>("expected");
        QTest::newRow("registered browser") << true << "Open" << Address << "0" << 42;
        QTest::newRow("verb in other case") << true << "open" << Address << "" << 42;
        QTest::newRow("no program at all") << false << "Open" << Address << "0" << 31;
        QTest::newRow("local file that does not exist") << false << "Open"
                                                        << "/nonexistent/zf/cards.txt"
                                                        << "0" << 2;
        QTest::newRow("directory that does not exist")
            << true << "Open" << Address << "/nonexistent/zf-dir" << 3;
        QTest::newRow("verb xdg-open cannot do") << true << "Print" << Address << "0" << 27;
    }
    void realShellAnswers() {
        QFETCH(bool, browser);
        QFETCH(QString, operation);
        QFETCH(QString, file);
        QFETCH(QString, directory);
        QFETCH(int, expected);
        XdgHome home;
        QString problem;
        QVERIFY2(home.setUp(browser, &problem), qPrintable(problem));
        ModalScript script;
        QCOMPARE(XdgDesktopShell::Instance().ShellExecute(operation, file, QStringLiteral("0"),
                                                          directory, 1),
                 expected);
        QCOMPARE(script.seen, QStringList());
        if (expected == DesktopShell::Started)
            QCOMPARE(home.arguments(), (QStringList{"1", file}));
    }

    void linkOpensRegisteredBrowser() {
        XdgHome home;
        QString problem;
        QVERIFY2(home.setUp(true, &problem), qPrintable(problem));
        ModalScript script;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {},
                          about.findChild<QWidget *>("lblURL")->geometry().center());
        QTRY_COMPARE(home.arguments(), (QStringList{"1", Address}));
        QCOMPARE(script.seen, QStringList());
        QVERIFY(about.isVisible());
    }

    void linkWithoutBrowserOffersOpenWith() {
        XdgHome home;
        QString problem;
        QVERIFY2(home.setUp(false, &problem), qPrintable(problem));
        QString shownTarget;
        ModalScript script;
        script.then("OpenWithDialog", [&](QDialog *dialog) {
            shownTarget = dialog->findChild<QLabel *>("lblTarget")->text();
            dialog->reject();
        });
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {},
                          about.findChild<QWidget *>("lblURL")->geometry().center());
        QCOMPARE(script.seen, QStringList{"OpenWithDialog"});
        QCOMPARE(shownTarget, Address);
        QVERIFY(about.isVisible());
    }

    // Whatever the target holds reaches the program as one argument and runs nothing.
    void shellCharactersAreNotInterpreted_data() {
        QTest::addColumn<QString>("route");
        QTest::newRow("xdg-open to the browser") << "xdg-open";
        QTest::newRow("program chosen in Open with") << "open with";
    }
    void shellCharactersAreNotInterpreted() {
        QFETCH(QString, route);
        XdgHome home;
        QString problem;
        QVERIFY2(home.setUp(route == QLatin1String("xdg-open"), &problem), qPrintable(problem));
        const QString marker = home.path(QStringLiteral("injected"));
        const QString target =
            Address + QStringLiteral("?q=1; touch %1 $(touch %1) `touch %1`").arg(marker);
        ModalScript script;
        script.then("OpenWithDialog", [&](QDialog *dialog) {
            dialog->findChild<QLineEdit *>("txtProgram")->setText(home.standIn());
            dialog->accept();
        });
        if (route == QLatin1String("xdg-open")) {
            QCOMPARE(XdgDesktopShell::Instance().ShellExecute("Open", target, "0", "0", 1), 42);
        } else {
            frmAbout about; // hands the shell its Open with dialog
            XdgDesktopShell::Instance().RunCommandLine(OpenWith + target, 1);
            QCOMPARE(script.seen, QStringList{"OpenWithDialog"});
        }
        QTRY_COMPARE(home.arguments(), (QStringList{"1", target}));
        QVERIFY(!QFile::exists(marker));
    }

    void commandLineIsSplitWithoutShell() {
        XdgHome home;
        QString problem;
        QVERIFY2(home.setUp(false, &problem), qPrintable(problem));
        const QString marker = home.path(QStringLiteral("injected"));
        XdgDesktopShell::Instance().RunCommandLine(
            home.standIn() + QStringLiteral(" \"two words\" x;touch %1").arg(marker), 1);
        QTRY_COMPARE(home.arguments(), (QStringList{"3", "two words", "x;touch", marker}));
        QVERIFY(!QFile::exists(marker));
    }

    // The program the user picks may not start; they are told so and the About window
    // goes on working.
    void programThatCannotStart_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("no such file") << "/nonexistent/zf/browser";
        QTest::newRow("a directory") << "/tmp";
        QTest::newRow("not on the PATH") << "zf-no-such-browser";
    }
    void programThatCannotStart() {
        QFETCH(QString, program);
        XdgHome home;
        QString problem;
        QVERIFY2(home.setUp(false, &problem), qPrintable(problem));
        ModalScript script;
        script
            .then("OpenWithDialog",
                  [&](QDialog *dialog) {
                      dialog->findChild<QLineEdit *>("txtProgram")->setText(program);
                      dialog->accept();
                  })
            .then("programNotStarted", cancel)
            .then("OpenWithDialog", cancel);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint link = about.findChild<QWidget *>("lblURL")->geometry().center();
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        QVERIFY(about.isVisible());
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        QCOMPARE(script.seen,
                 (QStringList{"OpenWithDialog", "programNotStarted", "OpenWithDialog"}));
        QVERIFY(about.isVisible());
    }

    void commandThatCannotStart() {
        ModalScript script;
        script.then("programNotStarted", cancel);
        XdgDesktopShell::Instance().RunCommandLine(QStringLiteral("zf-no-such-program --help"), 1);
        QCOMPARE(script.seen, QStringList{"programNotStarted"});
    }

private:
    QStringList errors;
};

QTEST_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
