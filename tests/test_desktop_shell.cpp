#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QString Address = QStringLiteral("https://plivaro.example/");

// The user in front of the modal windows the shell opens: names `program` in the Open with
// dialog (or cancels it when there is none) and closes every message, noting each window met.
// It closes whatever it meets, so no test waits forever.
struct ModalUser {
    explicit ModalUser(const QString &program = {}) {
        timer.callOnTimeout(&timer, [this, program] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal)
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            met << modal->objectName() + (box ? ": " + box->text() : QString());
            if (box || program.isEmpty())
                return modal->reject();
            modal->findChild<QLineEdit *>(QStringLiteral("txtProgram"))->setText(program);
            modal->accept();
        });
        timer.start(20);
    }
    QStringList met;
    QTimer timer;
};

// A desktop of its own for the real xdg-open: a home in a temporary folder, no desktop it
// knows, a display it believes in, and no browser of this machine: only a stand-in that notes
// its arguments and exits with browser's status, registered for web addresses unless browser
// is NoBrowser. A stand-in xdg-open exiting with xdgOpen's status, or none, may take the place
// of the real one.
class Desktop {
public:
    enum : int { RealXdgOpen = -1, NoXdgOpen = -2, NoBrowser = -1 };

    explicit Desktop(int browser, int xdgOpen = RealXdgOpen) {
        static const QString systemPath = QString::fromLocal8Bit(qgetenv("PATH"));
        for (const char *sub : {"bin", "config", "data/applications"})
            QDir().mkpath(path(sub));
        write(standIn(), QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" >'%1.part'\n"
                                        "/bin/mv '%1.part' '%1'\nexit %2\n")
                             .arg(path("received"))
                             .arg(std::max(browser, 0)));
        if (browser != NoBrowser) {
            write(path("data/applications/standin.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" + standIn() + " %u\n");
            write(path("config/mimeapps.list"),
                  "[Default Applications]\nx-scheme-handler/https=standin.desktop\n");
        }
        if (xdgOpen >= 0)
            write(path("bin/xdg-open"), QStringLiteral("#!/bin/sh\nexit %1\n").arg(xdgOpen));
        const QString bin = xdgOpen == NoXdgOpen ? path("bin") : path("bin:") + systemPath;
        qputenv("PATH", QFile::encodeName(bin));
        qputenv("HOME", QFile::encodeName(dir_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(path("none")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(path("none")));
        qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
        qputenv("DISPLAY", ":97");
        qputenv("BROWSER", ":"); // no browser, so xdg-open tries none of the well-known ones
    }

    QString path(const QString &name) const { return dir_.filePath(name); }
    QString standIn() const { return path("standin-browser"); }
    // What the stand-in browser was given: the argument count, then each argument.
    QStringList received() const {
        QFile file(path("received"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    static void write(const QString &name, const QString &text) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toLocal8Bit());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QTemporaryDir dir_;
};

} // namespace

class TestDesktopShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        ErrorPath::SetReporter([this](const QString &message) { errors.append(message); });
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
    }
    void cleanup() {
        QCOMPARE(errors, QStringList());
        QVERIFY(about.isVisible());
    }

    // The program that opens the target gets it whole as its one argument, and nothing of it
    // runs as a command. Without a registered program, the shell answers 31 and the user is
    // offered Open with.
    void targetReachesTheProgram_data() {
        QTest::addColumn<int>("browser");
        QTest::addColumn<QString>("target"); // empty: click the link
        const QString shellCharacters = Address + "?q=1; touch %1 $(touch %1) `touch %1`";
        QTest::newRow("link, registered browser") << 0 << QString();
        QTest::newRow("link, no browser: Open with") << int(Desktop::NoBrowser) << QString();
        QTest::newRow("shell characters, registered browser") << 0 << shellCharacters;
        QTest::newRow("shell characters, Open with") << int(Desktop::NoBrowser) << shellCharacters;
    }
    void targetReachesTheProgram() {
        QFETCH(int, browser);
        QFETCH(QString, target);
        Desktop desktop(browser);
        ModalUser user(desktop.standIn());
        const QString marker = desktop.path("injected");
        if (target.isEmpty()) {
            target = Address;
            const QPoint link = about.findChild<QWidget *>("lblURL")->geometry().center();
            QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        } else {
            target = target.arg(marker);
            about.RunShellExecute(QStringLiteral("Open"), target, 0, 0, 1);
        }
        QTRY_COMPARE(desktop.received(), (QStringList{"1", target}));
        QCOMPARE(user.met,
                 browser == Desktop::NoBrowser ? QStringList{"OpenWithDialog"} : QStringList());
        QCOMPARE(XdgDesktopShell::Instance().ShellExecute("Open", Address, "0", "0", 1),
                 browser == Desktop::NoBrowser ? 31 : 42);
        QVERIFY(!QFile::exists(marker));
    }

    // Each fault is told in plain words, and the link goes on working.
    void faultRuns_data() {
        QTest::addColumn<int>("xdgOpen");
        QTest::addColumn<int>("browser");
        QTest::addColumn<QString>("program"); // named in Open with
        QTest::addColumn<QString>("message");
        const QString web = "notOpened: The web page could not be opened: ";
        QTest::newRow("no xdg-open")
            << int(Desktop::NoXdgOpen) << 0 << QString()
            << web + "no program for opening web pages was found on this computer.";
        QTest::newRow("xdg-open: syntax error (1)")
            << 1 << 0 << QString() << web + "the computer did not understand where to find it.";
        QTest::newRow("xdg-open: not found (2)")
            << 2 << 0 << QString() << web + "it could not be found.";
        QTest::newRow("xdg-open: action failed (4)")
            << 4 << 0 << QString() << web + "the web browser ran into a problem.";
        QTest::newRow("browser exits with 1") << int(Desktop::RealXdgOpen) << 1 << QString()
                                              << web + "the web browser ran into a problem.";
        for (const QString program : {"/nonexistent/zf-browser", "zf-no-such-browser"})
            QTest::addRow("Open with %s", qPrintable(program))
                << int(Desktop::RealXdgOpen) << int(Desktop::NoBrowser) << program
                << "programNotStarted: The program \"" + program + "\" could not be started.";
    }
    void faultRuns() {
        QFETCH(int, xdgOpen);
        QFETCH(int, browser);
        QFETCH(QString, program);
        QFETCH(QString, message);
        Desktop desktop(browser, xdgOpen);
        ModalUser user(program);
        const QPoint link = about.findChild<QWidget *>("lblURL")->geometry().center();
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        const QStringList met =
            program.isEmpty() ? QStringList{message} : QStringList{"OpenWithDialog", message};
        QCOMPARE(user.met, met + met);
    }

private:
    frmAbout about;
    QStringList errors;
};

QTEST_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
