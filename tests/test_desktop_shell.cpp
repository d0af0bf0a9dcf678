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
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QString Address = QString::fromUtf8(Maker::WebAddress);

// The user in front of the modal windows: names `program` in the Open with dialog and closes
// every message, noting each window met.
struct ModalUser {
    explicit ModalUser(const QString &program) {
        timer.callOnTimeout(&timer, [this, program] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || modal->inherits("frmAbout"))
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            met << modal->objectName() + (box ? ": " + box->text() : QString());
            if (box)
                return modal->reject();
            modal->findChild<QLineEdit *>(QStringLiteral("txtProgram"))->setText(program);
            modal->accept();
        });
        timer.start(20);
    }
    QStringList met;
    QTimer timer;
};

// A desktop in a temporary home for the real xdg-open (or a stand-in running `xdgOpen`): the
// session's own opener, real or a stand-in, and as browser only a stand-in that notes its
// arguments and exits with `browser`, registered unless browser is NoBrowser.
class Desktop {
public:
    enum : int { NoBrowser = -1 };

    explicit Desktop(int browser, const QString &session = {}, const QString &xdgOpen = {}) {
        static const QString systemPath = qEnvironmentVariable("PATH");
        QDir().mkpath(path("data/applications")), QDir().mkpath(path("bin"));
        write(standIn(), QStringLiteral("printf '%s\\n' \"$#\" \"$@\" >>'%1'; exit %2")
                             .arg(path("received"))
                             .arg(std::max(browser, 0)));
        if (browser != NoBrowser) {
            write(path("data/applications/standin.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" + standIn() + " %u");
            write(path("mimeapps.list"),
                  "[Default Applications]\nx-scheme-handler/https=standin.desktop");
        }
        const QString opener = session == "GNOME" ? "gio"
                               : session == "KDE" ? "kde-open5"
                                                  : "exo-open";
        if (!session.isEmpty() && QStandardPaths::findExecutable(opener).isEmpty())
            write(path("bin/" + opener),
                  "case \"$1\" in help|--help) exit 0;; open) shift;; esac\n"
                  "app=$(xdg-mime query default \"x-scheme-handler/${1%%:*}\")\n[ -n \"$app\" ] || "
                  "exit 2\n"
                  "exec $(sed -n 's/^Exec=\\(.*\\) %u/\\1/p' \"$XDG_DATA_HOME/applications/$app\") "
                  "\"$1\"");
        if (!xdgOpen.isEmpty() && xdgOpen != "none")
            write(path("bin/xdg-open"), xdgOpen);
        // BROWSER: none, so xdg-open tries none of the well-known browsers of this machine.
        const QString environment = "PATH=%1 HOME=%2 XDG_CONFIG_HOME=%2 XDG_DATA_HOME=%2/data "
                                    "XDG_CONFIG_DIRS=%2/none XDG_DATA_DIRS=%2/none DISPLAY=:97 "
                                    "XDG_CURRENT_DESKTOP=%3 KDE_SESSION_VERSION=5 BROWSER=:";
        for (const QString &pair :
             environment
                 .arg(path("bin") + (xdgOpen == "none" ? "" : ":" + systemPath), path(""),
                      session.isEmpty() ? "X-Generic" : session)
                 .split(' '))
            qputenv(pair.section('=', 0, 0).toLatin1(), QFile::encodeName(pair.section('=', 1)));
    }

    QString path(const QString &name) const { return dir_.filePath(name); }
    QString standIn() const { return path("standin-browser"); }
    // What the stand-in browser was given, run after run: the argument count, then each one.
    QStringList received() const {
        QFile file(path("received"));
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts)
                   : QStringList();
    }

private:
    void write(const QString &name, const QString &script) const {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\n" + script + "\n").toLocal8Bit());
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
        owner.setObjectName(QStringLiteral("owner"));
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }

    // Two clicks, two answers, on every desktop: the target reaches the program whole and runs
    // nothing; no program means Open with; faults are told. The window takes input at once.
    void link_data() {
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("xdgOpen"); // a stand-in's script, "none", or the real one
        QTest::addColumn<int>("browser");
        QTest::addColumn<QString>("target"); // empty: click the link
        QTest::addColumn<QStringList>("met");
        const QStringList openWith{"OpenWithDialog"};
        for (const QString session : {"", "GNOME", "KDE", "XFCE"}) {
            const QByteArray name = session.isEmpty() ? "bare" : session.toLatin1();
            QTest::addRow("%s, registered browser", name.data())
                << session << QString() << 0 << QString() << QStringList();
            QTest::addRow("%s, no browser", name.data())
                << session << QString() << int(Desktop::NoBrowser) << QString() << openWith;
        }
        const QString shellCharacters = Address + "?q=1; touch %1 $(touch %1) `touch %1`";
        QTest::newRow("shell characters")
            << QString() << QString() << 0 << shellCharacters << QStringList();
        QTest::newRow("shell characters, Open with")
            << QString() << QString() << int(Desktop::NoBrowser) << shellCharacters << openWith;
        const QString web = "notOpened: The web page could not be opened: ";
        QTest::newRow("no xdg-open")
            << QString() << "none" << 0 << QString()
            << QStringList{web + "no program for opening web pages was found on this computer."};
        const QStringList problem{web + "the web browser ran into a problem."};
        QTest::newRow("browser exits with 1")
            << QString() << QString() << 1 << QString() << problem;
        QTest::newRow("xdg-open hangs")
            << QString() << "while [ ! -e \"$HOME/release\" ]; do sleep 0.05; done; exit 4" << 0
            << QString() << problem;
    }
    void link() {
        QFETCH(QString, session);
        QFETCH(QString, xdgOpen);
        QFETCH(int, browser);
        QFETCH(QString, target);
        QFETCH(QStringList, met);
        Desktop desktop(browser, session, xdgOpen);
        ModalUser user(desktop.standIn());
        const QString marker = desktop.path("injected");
        target = target.isEmpty() ? Address : target.arg(marker);
        frmAbout about(&owner);
        about.setWindowModality(Qt::ApplicationModal);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto centre = [&](const char *name) {
            return about.findChild<QWidget *>(name)->pos() + QPoint(5, 5);
        };
        QElapsedTimer clock;
        clock.start();
        for (int click = 0; click < 2; ++click) {
            if (target == Address)
                QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, centre("lblURL"));
            else
                about.RunShellExecute(QStringLiteral("Open"), target, 0, 0, 1);
        }
        if (xdgOpen.contains("release")) {
            QTest::mouseClick(about.windowHandle(), Qt::LeftButton, {}, centre("cmdOK"));
            QVERIFY(!about.isVisible());
            QFile(desktop.path("release")).open(QIODevice::WriteOnly);
        }
        QVERIFY(clock.elapsed() < 500);
        // The second answer may come while the first is still being dealt with.
        met += met;
        QTRY_COMPARE(user.met.size(), met.size());
        user.met.sort();
        QCOMPARE(user.met, met);
        if (met.filter("notOpened").isEmpty())
            QTRY_COMPARE(desktop.received(), (QStringList{"1", target, "1", target}));
        QVERIFY(!QFile::exists(marker));
    }

private:
    QWidget owner;
};

QTEST_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
