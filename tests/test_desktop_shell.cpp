#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"
#include "platform/maker.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QString Address = QString::fromUtf8(Maker::WebAddress);

// The user in front of the modal windows: names `program` in the Open with dialog (or cancels
// it when there is none) and closes every message, noting each window met.
struct ModalUser {
    explicit ModalUser(const QString &program = {}) {
        timer.callOnTimeout(&timer, [this, program] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || modal->inherits("frmAbout"))
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

// A desktop of its own for the real xdg-open: a home in a temporary folder, the session's
// desktop, and no browser of this machine: only a stand-in that notes its arguments and exits
// with `browser`, registered for web addresses unless browser is NoBrowser. The desktop's own
// opener is the real one where this machine has it, else a stand-in that starts the registered
// program. A stand-in xdg-open running `xdgOpen` may take the place of the real one.
class Desktop {
public:
    enum : int { NoBrowser = -1 };

    explicit Desktop(int browser, const QString &session = {}, const QString &xdgOpen = {}) {
        static const QByteArray systemPath = qgetenv("PATH");
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
        const QString opener = session == "GNOME" ? "gio"
                               : session == "KDE" ? "kde-open5"
                                                  : "exo-open";
        if (!session.isEmpty() && QStandardPaths::findExecutable(opener).isEmpty())
            write(path("bin/" + opener),
                  "#!/bin/sh\ncase \"$1\" in help|--help) exit 0;; open) shift;; esac\n"
                  "app=$(xdg-mime query default \"x-scheme-handler/${1%%:*}\")\n"
                  "[ -n \"$app\" ] || exit 2\n"
                  "exec $(sed -n 's/^Exec=\\(.*\\) %u/\\1/p' \"$XDG_DATA_HOME/applications/$app\")"
                  " \"$1\"\n");
        if (!xdgOpen.isEmpty() && xdgOpen != "none")
            write(path("bin/xdg-open"), "#!/bin/sh\n" + xdgOpen + "\n");
        qputenv("PATH", QFile::encodeName(path("bin")) +
                            (xdgOpen == "none" ? QByteArray() : ":" + systemPath));
        qputenv("HOME", QFile::encodeName(dir_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(path("none")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(path("none")));
        qputenv("XDG_CURRENT_DESKTOP", session.isEmpty() ? "X-Generic" : session.toLatin1());
        qputenv("KDE_SESSION_VERSION", "5");
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
        ErrorPath::SetReporter([](const QString &message) { QFAIL(qPrintable(message)); });
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
    }
    void cleanup() { QVERIFY(about.isVisible()); }

    // On every desktop the registered program gets the target whole as its one argument, and
    // nothing of it runs as a command. Without one, the shell answers 31 and the user is
    // offered Open with, whose program gets the target the same way.
    void sessions_data() {
        QTest::addColumn<QString>("session");
        QTest::addColumn<int>("browser");
        QTest::addColumn<QString>("target"); // empty: click the link
        for (const QString session : {"", "GNOME", "KDE", "XFCE"}) {
            const QByteArray name = session.isEmpty() ? "bare" : session.toLatin1();
            QTest::addRow("%s, registered browser", name.data()) << session << 0 << QString();
            QTest::addRow("%s, no browser", name.data())
                << session << int(Desktop::NoBrowser) << QString();
        }
        const QString shellCharacters = Address + "?q=1; touch %1 $(touch %1) `touch %1`";
        QTest::newRow("shell characters, registered") << "" << 0 << shellCharacters;
        QTest::newRow("shell characters, Open with")
            << "" << int(Desktop::NoBrowser) << shellCharacters;
    }
    void sessions() {
        QFETCH(QString, session);
        QFETCH(int, browser);
        QFETCH(QString, target);
        Desktop desktop(browser, session);
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
        int answer = -1;
        XdgDesktopShell::Instance().ShellExecute("Open", Address, "0", "0", 1,
                                                 [&](int result) { answer = result; });
        QTRY_COMPARE(answer, browser == Desktop::NoBrowser ? 31 : 42);
        QVERIFY(!QFile::exists(marker));
    }

    // Each fault is told in plain words, once per click, and the link goes on working.
    void faults_data() {
        QTest::addColumn<QString>("xdgOpen");
        QTest::addColumn<int>("browser");
        QTest::addColumn<QString>("program"); // named in Open with
        QTest::addColumn<QString>("message");
        const QString web = "notOpened: The web page could not be opened: ";
        QTest::newRow("no xdg-open")
            << "none" << 0 << QString()
            << web + "no program for opening web pages was found on this computer.";
        QTest::newRow("xdg-open: syntax error (1)")
            << "exit 1" << 0 << QString()
            << web + "the computer did not understand where to find it.";
        QTest::newRow("xdg-open: not found (2)")
            << "exit 2" << 0 << QString() << web + "it could not be found.";
        QTest::newRow("xdg-open: action failed (4)")
            << "exit 4" << 0 << QString() << web + "the web browser ran into a problem.";
        QTest::newRow("browser exits with 1")
            << QString() << 1 << QString() << web + "the web browser ran into a problem.";
        for (const QString program : {"/nonexistent/zf-browser", "zf-no-such-browser"})
            QTest::addRow("Open with %s", qPrintable(program))
                << QString() << int(Desktop::NoBrowser) << program
                << "programNotStarted: The program \"" + program + "\" could not be started.";
    }
    void faults() {
        QFETCH(QString, xdgOpen);
        QFETCH(int, browser);
        QFETCH(QString, program);
        QFETCH(QString, message);
        Desktop desktop(browser, {}, xdgOpen);
        ModalUser user(program);
        const QPoint link = about.findChild<QWidget *>("lblURL")->geometry().center();
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, link);
        // The second answer may come while the first is still being dealt with.
        QStringList met{message, message};
        if (!program.isEmpty())
            met << "OpenWithDialog" << "OpenWithDialog";
        QTRY_COMPARE(user.met.size(), met.size());
        user.met.sort();
        met.sort();
        QCOMPARE(user.met, met);
    }

    // xdg-open may wait for the browser as long as it runs: the window takes input at once,
    // and the answer still comes, after the window is gone.
    void xdgOpenThatHangs() {
        Desktop desktop(0, {}, "while [ ! -e \"$HOME/release\" ]; do sleep 0.05; done; exit 4");
        ModalUser user;
        QElapsedTimer clock;
        {
            frmAbout window(&about);
            QTimer::singleShot(0, &window, [&] {
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                clock.start();
                const QPoint link = window.findChild<QWidget *>("lblURL")->geometry().center();
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, link);
                auto *ok = window.findChild<QPushButton *>(QStringLiteral("cmdOK"));
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                                  ok->geometry().center());
            });
            QCOMPARE(window.exec(), int(QDialog::Accepted));
        }
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QFile(desktop.path("release")).open(QIODevice::WriteOnly);
        QTRY_COMPARE(user.met, QStringList{"notOpened: The web page could not be opened: "
                                           "the web browser ran into a problem."});
    }

private:
    frmAbout about;
};

QTEST_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
