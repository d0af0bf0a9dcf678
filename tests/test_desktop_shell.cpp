#include "about_window/frm_about.h"
#include "platform/error_path.h"
#include "platform/maker.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestDesktopShell : public QObject {
    Q_OBJECT
    const QString Address = QString::fromUtf8(Maker::WebAddress);
    QWidget owner;

    static void write(const QString &name, const QString &script) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\n" + script + "\n").toLocal8Bit());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private Q_SLOTS:
    void initTestCase() {
        ErrorPath::SetReporter([](const QString &message) { QFAIL(qPrintable(message)); });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }

    // Two requests, two answers, on every desktop: the target reaches the program whole and runs
    // nothing; no program means Open with; faults are told. The window takes input at once.
    void link_data() {
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("xdgOpen"); // a stand-in's script, "none", or the real one
        QTest::addColumn<QString>("target");  // empty: click the link
        QTest::addColumn<QString>("met");     // the window the user meets at each answer
        const QString bare = "X-Generic", real, openWith = "OpenWithDialog",
                      web = "notOpened The web page could not be opened: ";
        for (const char *session : {"X-Generic", "GNOME", "KDE", "XFCE"}) {
            QTest::addRow("%s, registered browser", session) << session << real << real << real;
            QTest::addRow("%s, no browser", session) << session << real << real << openWith;
        }
        const QString shellCharacters = Address + "?q=1; touch %1 $(touch %1) `touch %1`";
        QTest::newRow("shell characters") << bare << real << shellCharacters << real;
        QTest::newRow("shell characters, no browser")
            << bare << real << shellCharacters << openWith;
        QTest::newRow("no xdg-open")
            << bare << "none" << real
            << web + "no program for opening web pages was found on this computer.";
        QTest::newRow("xdg-open hangs, then its program fails")
            << bare << "while [ ! -e \"$HOME/release\" ]; do sleep 0.05; done; exit 4" << real
            << web + "the web browser ran into a problem.";
    }
    void link() {
        QFETCH(QString, session);
        QFETCH(QString, xdgOpen);
        QFETCH(QString, target);
        QFETCH(QString, met);
        // A desktop in a temporary home: the session's opener, real or a stand-in, and as browser
        // only a stand-in noting its arguments, the default unless the user is to meet Open with.
        static const QString systemPath = qEnvironmentVariable("PATH");
        QTemporaryDir home;
        const auto path = [&](const QString &name) { return home.filePath(name); };
        QDir().mkpath(path("data/applications")), QDir().mkpath(path("bin"));
        const QString standIn = path("standin-browser");
        write(standIn, "printf '%s\\n' \"$#\" \"$@\" >>'" + path("received") + "'");
        write(path("data/applications/standin.desktop"),
              "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" + standIn + " %u");
        if (met != "OpenWithDialog")
            write(path("mimeapps.list"),
                  "[Default Applications]\nx-scheme-handler/https=standin.desktop");
        for (const QString opener : {"gio", "kde-open5", "exo-open"})
            if (QStandardPaths::findExecutable(opener, systemPath.split(':')).isEmpty())
                write(path("bin/" + opener),
                      "case \"$1\" in help|--help) exit 0;; open) shift;; esac\n"
                      "[ -e \"$HOME/mimeapps.list\" ] || exit 2; exec '" +
                          standIn + "' \"$1\"");
        if (!xdgOpen.isEmpty() && xdgOpen != "none")
            write(path("bin/xdg-open"), xdgOpen);
        // BROWSER: none, so xdg-open tries none of the well-known browsers of this machine.
        const QString environment = "PATH=%1 HOME=%2 XDG_CONFIG_HOME=%2 XDG_DATA_HOME=%2/data "
                                    "XDG_CONFIG_DIRS=%2/none XDG_DATA_DIRS=%2/none DISPLAY=:97 "
                                    "XDG_CURRENT_DESKTOP=%3 KDE_SESSION_VERSION=5 BROWSER=:";
        for (const QString &pair :
             environment
                 .arg(path("bin") + (xdgOpen == "none" ? "" : ":" + systemPath), home.path(),
                      session)
                 .split(' '))
            qputenv(pair.section('=', 0, 0).toLatin1(), QFile::encodeName(pair.section('=', 1)));

        target = target.isEmpty() ? Address : target.arg(path("injected"));
        frmAbout about(&owner);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // The user names the stand-in in the Open with dialog and closes every message.
        QStringList seen;
        QTimer user;
        user.callOnTimeout([&] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || modal == &about)
                return;
            seen << (modal->objectName() + ' ' + modal->property("text").toString()).trimmed();
            if (auto *program = modal->findChild<QLineEdit *>())
                program->setText(standIn);
            modal->accept();
        });
        user.start(20);
        const auto click = [&](const char *name) {
            QTest::mouseClick(about.findChild<QWidget *>(name), Qt::LeftButton);
        };
        const QDeadlineTimer soon(500);
        for (int twice = 0; twice < 2; ++twice)
            target == Address ? click("lblURL") : about.RunShellExecute("Open", target, 0, 0, 1);
        if (xdgOpen.contains("release")) {
            click("cmdOK");
            QVERIFY(!about.isVisible());
            QFile(path("release")).open(QIODevice::WriteOnly);
        }
        QVERIFY(!soon.hasExpired());
        QTRY_COMPARE(seen, (met.isEmpty() ? QStringList() : QStringList{met, met}));
        const auto received = [&] {
            QFile file(path("received"));
            return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : "";
        };
        if (!met.startsWith("notOpened"))
            QTRY_COMPARE(received(), QString("1\n%1\n1\n%1\n").arg(target));
        QVERIFY(!QFile::exists(path("injected")));
    }
};

QTEST_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
