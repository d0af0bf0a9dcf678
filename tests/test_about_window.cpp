#include "about_window/frm_about.h"
#include "app/error_path.h"
#include "app/maker.h"
#include "desktop/desktop_shell.h"
#include "desktop/open_with_dialog.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <malloc.h>
#include <mutex>
#include <unistd.h>
#include <unordered_set>
#include <utility>

// Notes every target it is asked to open.
struct RecordingShell : DesktopShell {
    void Open(const QString &target, Answer) override { calls << target; }
    QString OpenWith(const QString &, QWidget *) override { return {}; }
    QStringList calls;
};

// QtCore calls the functions in entries 3 and 4 of this table as each object is made and as it
// is destroyed, for tools that follow a program's objects.
extern Q_DECL_IMPORT quintptr qtHookData[];

namespace {
qint64 residentBytes(qint64 pid) {
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE)
               : -1;
}
// Every object alive, to find what a request leaves behind.
std::mutex liveLock;
std::unordered_set<QObject *> live;
int liveProcesses() {
    const std::lock_guard hold(liveLock);
    return int(std::count_if(live.begin(), live.end(),
                             [](QObject *o) { return qobject_cast<QProcess *>(o); }));
}
} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT
    const QString Address = QString::fromUtf8(Maker::WebAddress);
    RecordingShell shell;
    QWidget owner;

private Q_SLOTS:
    void initTestCase() {
        // Started as some launchers start programs: input from a pipe nobody writes to, which a
        // program started from here must not inherit (see the stand-in browser).
        int input[2];
        QVERIFY(pipe(input) == 0 && dup2(input[0], STDIN_FILENO) == STDIN_FILENO);
        ErrorPath::SetReporter([](const QString &message) { QFAIL(qPrintable(message)); });
        qtHookData[3] = reinterpret_cast<quintptr>(+[](QObject *o) {
            const std::lock_guard hold(liveLock);
            live.insert(o);
        });
        qtHookData[4] = reinterpret_cast<quintptr>(+[](QObject *o) {
            const std::lock_guard hold(liveLock);
            live.erase(o);
        });
        owner.setObjectName(QStringLiteral("owner"));
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }
    void init() { shell = RecordingShell(); }

    // As met: loaded, with a hand pointer, the link reading as what it opens; only the
    // link highlights it, only the bare surface (Line1 included) restores it; a press released
    // off the link is no click, an assistive tool's Press is one; OK, Enter or Escape closes.
    void shown_data() {
        QTest::addColumn<int>("key"); // 0: click OK
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void shown() {
        QFETCH(int, key);
        frmAbout about(&owner, TwipsPerPixel, &shell);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QWindow *window = about.windowHandle();
        auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
        const auto text = [&](const char *name) { return about.findChild<QLabel *>(name)->text(); };
        QCOMPARE((QStringList{about.windowTitle(), text("lblTitle"), text("lblDescription"),
                              link->text(), link->toolTip()}),
                 (QStringList{"About...", "Zembrofact v1.0", Maker::Notice, Maker::WebAddressShort,
                              Address}));
        // Its own icon in the title bar, drawn for both sizes title bars take.
        QCOMPARE(about.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        const QFont title = about.findChild<QLabel *>("lblTitle")->font();
        QVERIFY(title.pointSize() == 12 && title.bold());
        const auto look = [link] {
            return std::pair(link->palette().color(QPalette::WindowText), link->font().underline());
        };
        const auto normal = std::pair(QApplication::palette().color(QPalette::ButtonText), false);
        QCOMPARE(look(), normal);
        QEvent leave(QEvent::Leave);
        const QString walk =
            "lblURL surface lblURL lblTitle drag picIcon lblDescription cmdOK Line1 lblURL out";
        const QPoint onTitle = about.findChild<QWidget *>("lblTitle")->geometry().center();
        for (const QString &place : walk.split(' ')) {
            const auto *control = about.findChild<QWidget *>(place);
            if (place == "out") {
                QCoreApplication::sendEvent(&about, &leave);
            } else if (place == "drag") { // across the title, a button held
                QTest::mousePress(window, Qt::LeftButton, {}, onTitle);
                QTest::mouseMove(window, onTitle + QPoint(4, 0));
                QTest::mouseRelease(window, Qt::LeftButton, {}, onTitle + QPoint(4, 0));
            } else {
                QTest::mouseMove(window, control ? control->geometry().center() : QPoint(300, 20));
            }
            const bool lit = place != "surface" && place != "Line1";
            QCOMPARE(look(), lit ? std::pair(QColor(0, 0, 128), true) : normal);
        }
        QTest::mousePress(window, Qt::LeftButton, {}, link->geometry().center());
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(shell.calls, QStringList());
        QAccessible::queryAccessibleInterface(link)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(shell.calls, QStringList{Address});
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        // By keyboard: Tab moves between OK and the link, Space or Enter on the link opens it.
        // A screen reader reads the title line as words.
        QWidget *ok = about.findChild<QWidget *>("cmdOK");
        QCOMPARE(QApplication::focusWidget(), ok);
        const QImage unfocused = link->grab().toImage();
        int inked = 0; // the address is drawn, in the link's colour
        for (int y = 0; y < unfocused.height(); ++y)
            for (int x = 0; x < unfocused.width(); ++x)
                inked += unfocused.pixelColor(x, y) == look().first;
        QVERIFY(inked > 20);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        // Drawn in the desktop's focus frame, which runs along its top edge.
        const QImage focused = link->grab().toImage();
        int framed = 0;
        for (int x = 0; x < focused.width(); ++x)
            framed += focused.pixel(x, 0) != unfocused.pixel(x, 0);
        QVERIFY(framed > focused.width() / 2);
        QTest::keyClick(window, Qt::Key_Space);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(shell.calls, (QStringList{Address, Address, Address}));
        QVERIFY(about.isVisible());
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok);
        // An assistive tool's other actions on the link are carried out too.
        QAccessible::queryAccessibleInterface(link)->actionInterface()->doAction(
            QAccessibleActionInterface::setFocusAction());
        QCOMPARE(QApplication::focusWidget(), link);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QAccessible::queryAccessibleInterface(about.findChild<QLabel *>("lblTitle"))
                     ->text(QAccessible::Name),
                 "Zembrofact version 1.0");
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // later: an announcement, see test_screen_reader
        QCOMPARE(about.accessibleDescription(),
                 QString(Maker::WebAddressShort) +
                     ": Opens the maker's web site in your web browser");
#endif
        if (key == Qt::Key_Escape) // wherever the focus is, the link included
            link->setFocus();
        key ? QTest::keyClick(window, Qt::Key(key)) : QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(about.isHidden() && about.result() == QDialog::Accepted);
    }

    // Two requests, two answers, on every desktop: the target reaches the program whole and runs
    // nothing; no program means Open with; faults are told over the window, or over its owner
    // once it is gone. The window takes input at once.
    void link_data() {
        QTest::addColumn<QString>("session");
        // The real one, "none", one that "hangs" until released, or one that "fails" (or
        // "refuses": no permission) alone.
        // Or the real one, and the user "cancels" Open with.
        QTest::addColumn<QString>("xdgOpen");
        QTest::addColumn<QString>("target");  // empty: click the link
        QTest::addColumn<QStringList>("met"); // the windows the user meets at each answer
        const QString bare = "X-Generic", real, over = " @frmAbout",
                      web = "notOpened The web page could not be opened: ";
        const QStringList reached, openWith{"OpenWithDialog" + over};
        for (const char *session : {"X-Generic", "GNOME", "KDE", "XFCE"}) {
            QTest::addRow("%s, registered browser", session) << session << real << real << reached;
            QTest::addRow("%s, no browser", session) << session << real << real << openWith;
        }
        const QString shellCharacters = Address + "?q=1; touch %1 $(touch %1) `touch %1`";
        QTest::newRow("shell characters") << bare << real << shellCharacters << reached;
        QTest::newRow("shell characters, no browser")
            << bare << real << shellCharacters << openWith;
        QTest::newRow("no browser, Open with cancelled") << bare << "cancels" << real << openWith;
        QTest::newRow("no browser, chosen program not started")
            << bare << real << real
            << openWith + QStringList{"programNotStarted The program \"no-such-<b>browser\" could "
                                      "not be started." +
                                      over};
        QTest::newRow("file not found")
            << bare << real << "/home/pupil/My Cards/times \"table\".txt"
            << QStringList{"notOpened The file could not be opened: it could not be found." + over};
        QTest::newRow("no xdg-open")
            << bare << "none" << real
            << QStringList{web + "no program for opening web pages was found on this computer." +
                           over};
        QTest::newRow("no xdg-open, a file with a drive letter")
            << bare << "none"
            << "c:/Cards/times.txt"
            << QStringList{"notOpened The file could not be opened: no program for opening files "
                           "was found on this computer." +
                           over};
        QTest::newRow("xdg-open fails, nothing else of xdg-utils there")
            << bare << "fails" << real
            << QStringList{web + "the web browser ran into a problem." + over};
        QTest::newRow("xdg-open refuses, nothing else of xdg-utils there")
            << bare << "refuses" << real
            << QStringList{web + "you are not allowed to open it." + over};
        QTest::newRow("xdg-open hangs, then its program fails, the window gone")
            << bare << "hangs" << real
            << QStringList{web + "the web browser ran into a problem. @owner"};
    }
    void link() {
        QFETCH(QString, session);
        QFETCH(QString, xdgOpen);
        QFETCH(QString, target);
        QFETCH(QStringList, met);
        // A desktop in a temporary home (tests/desktop): the session's opener, real or a stand-in,
        // and as browser only a stand-in noting its arguments, the default unless the user is to
        // meet Open with.
        static const QString systemPath = qEnvironmentVariable("PATH");
        QTemporaryDir home;
        const auto path = [&](const QString &name) { return home.filePath(name); };
        const QString fixture = qEnvironmentVariable("ZF_SOURCE_DIR") + "/tests/desktop/.";
        const QString cp = QStandardPaths::findExecutable("cp", systemPath.split(':'));
        QCOMPARE(QProcess::execute(cp, {"-a", fixture, home.path()}), 0);
        if (met.value(0).startsWith("OpenWithDialog"))
            QVERIFY(QFile::remove(path("mimeapps.list")));
        // BROWSER: none, so xdg-open tries none of the well-known browsers of this machine. The
        // stand-in xdg-open ends with ZF_XDG_OPEN_EXIT.
        const bool alone = xdgOpen == "fails" || xdgOpen == "refuses";
        const QString environment =
            "PATH=%1 HOME=%2 XDG_CONFIG_HOME=%2 XDG_DATA_HOME=%2/data "
            "XDG_CONFIG_DIRS=%2/none XDG_DATA_DIRS=%2/none DISPLAY=:97 "
            "XDG_CURRENT_DESKTOP=%3 KDE_SESSION_VERSION=5 BROWSER=: ZF_XDG_OPEN_EXIT=%4";
        for (const QString &pair :
             environment
                 .arg((xdgOpen == "hangs" || alone ? path("hang") + ":" : "") + path("bin") +
                          (xdgOpen == "none" || alone ? "" : ":" + systemPath) + ":" +
                          path("openers"),
                      home.path(), session, xdgOpen == "refuses" ? "5" : "4")
                 .split(' '))
            qputenv(pair.section('=', 0, 0).toLatin1(), QFile::encodeName(pair.section('=', 1)));

        if (alone)
            QFile(path("release")).open(QIODevice::WriteOnly);
        target = target.isEmpty() ? Address : target.replace("%1", path("injected"));
        auto about = std::make_unique<frmAbout>(&owner);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
        // The user names the stand-in in the Open with dialog and closes every message.
        QStringList seen;
        QTimer user;
        user.callOnTimeout(&user, [&] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || modal == about.get())
                return;
            // What the user typed is shown as typed, never read as markup.
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                QCOMPARE(box->textFormat(), Qt::PlainText);
            seen << (modal->objectName() + ' ' + modal->property("text").toString()).trimmed() +
                        " @" + modal->parentWidget()->objectName();
            if (auto *program = modal->findChild<QLineEdit *>()) {
                // Open with: blank is no program, as it opens too; its rows stand one below the
                // other, Browse beside a field wide enough for a program's path; fixed size, as
                // wide for a long address (wrapped) as for a short one.
                QWidget *ok = modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
                QVERIFY(!ok->isEnabled() && modal->focusWidget() == program);
                program->setText(" ");
                QVERIFY(!ok->isEnabled());
                int y = -1;
                for (const char *row : {"lblPrompt", "lblTarget", "txtProgram", "buttons"}) {
                    const QRect box = modal->findChild<QWidget *>(row)->geometry();
                    QVERIFY2(std::exchange(y, box.bottom()) < box.top(), row);
                }
                // The label before the field and Browse after it, on its row.
                const QWidget *browse = modal->findChild<QWidget *>("cmdBrowse"),
                              *label = modal->findChild<QWidget *>("lblProgram");
                const int row = program->geometry().center().y();
                static const int width = modal->width();
                QVERIFY(program->width() >= 260 && browse->x() > program->geometry().right() &&
                        label->geometry().right() < program->x() &&
                        browse->geometry().contains(browse->x(), row) &&
                        label->geometry().contains(label->x(), row) &&
                        modal->findChild<QWidget *>("buttons")->geometry().right() ==
                            browse->geometry().right() &&
                        modal->findChild<QWidget *>("lblTarget")->width() ==
                            modal->findChild<QWidget *>("lblPrompt")->width() &&
                        modal->width() == width);
                // The address can be selected, to copy it.
                QVERIFY(modal->findChild<QLabel *>("lblTarget")->textInteractionFlags() &
                        Qt::TextSelectableByMouse);
                QCOMPARE(modal->minimumSize(), modal->maximumSize());
                program->setText(met.size() > 1 ? "no-such-<b>browser"
                                                : path("bin/standin-browser"));
                QVERIFY(ok->isEnabled());
                if (xdgOpen == "cancels")
                    return QTest::mouseClick(
                        modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                        Qt::LeftButton);
                return QTest::keyClick(program, Qt::Key_Return); // Enter in the field is OK
            }
            modal->accept();
        });
        user.start(20);
        const auto click = [&](const char *name) {
            QTest::mouseClick(about->findChild<QWidget *>(name), Qt::LeftButton);
        };
        const QDeadlineTimer soon(500);
        for (int twice = 0; twice < 2; ++twice)
            target == Address ? click("lblURL") : about->RunShellExecute(target);
        if (xdgOpen == "hangs") { // the user closes the window meanwhile
            click("cmdOK");
            about.reset();
            QFile(path("release")).open(QIODevice::WriteOnly);
        }
        QVERIFY(!soon.hasExpired());
        const auto sorted = [](QStringList list) { return list.sort(), list; }; // answers may cross
        QTRY_COMPARE(sorted(seen), sorted(met + met));
        const auto received = [&] {
            QFile file(path("received"));
            return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : "";
        };
        if (met.isEmpty() || met == QStringList{"OpenWithDialog @frmAbout"})
            QTRY_COMPARE(received(),
                         xdgOpen == "cancels" ? QString() : QString("1\n%1\n1\n%1\n").arg(target));
        QVERIFY(!QFile::exists(path("injected")));
        about.reset(); // every request over, nothing of it stays
        QTRY_COMPARE(liveProcesses(), 0);
    }

    // Screen readers read the field by its label, without the access key's marker. Browse
    // starts among the programs; the one chosen there is named in the field, and cancelling
    // leaves what was typed.
    void browse_data() {
        QTest::addColumn<QString>("chosen"); // empty: the user cancels
        QTest::newRow("chosen") << "/usr/bin/env";
        QTest::newRow("cancelled") << QString();
    }
    void browse() {
        QFETCH(QString, chosen);
        OpenWithDialog dialog(Address, &owner);
        auto *program = dialog.findChild<QLineEdit *>("txtProgram");
        program->setText("firefox");
        for (QObject *named :
             {static_cast<QObject *>(program), dialog.findChild<QObject *>("lblProgram")})
            QCOMPARE(QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name),
                     "Program:");
        dialog.show();
        QString met;
        QTimer user;
        user.callOnTimeout(&user, [&] {
            if (auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                met = files->windowTitle() + " in " + files->directory().path();
                if (chosen.isEmpty())
                    return files->reject();
                auto *name = files->findChild<QLineEdit *>("fileNameEdit");
                name->setText(chosen);
                QTest::keyClick(name, Qt::Key_Return);
            }
        });
        user.start(20);
        QTest::mouseClick(dialog.findChild<QWidget *>("cmdBrowse"), Qt::LeftButton);
        QCOMPARE(met, "Choose a program in /usr/bin");
        QCOMPARE(program->text(), chosen.isEmpty() ? "firefox" : chosen);
    }

    // On a bare X server (ctest's test_about_memory): what each opening, with the pointer over
    // the link, leaves behind in the program and in the X server, against a bare dialog of the
    // same size and kind opened the same way, in alternating blocks after the caches have filled.
    void openingsLeaveNothingBehind() {
#ifdef __SANITIZE_ADDRESS__ // whose allocator keeps what is freed
        QSKIP("the figures mean nothing under AddressSanitizer");
#endif
        const qint64 server = qEnvironmentVariableIntValue("ZF_XSERVER_PID");
        if (!server)
            QSKIP("needs an X server of its own: ctest runs it as test_about_memory");
        const auto about = [this] { return std::make_unique<frmAbout>(&owner); };
        const auto bare = [this] {
            auto dialog = std::make_unique<QDialog>(&owner);
            dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint);
            dialog->setFixedSize(382, 209);
            return dialog;
        };
        const auto open = [](std::unique_ptr<QDialog> dialog) {
            QTimer::singleShot(0, dialog.get(), [&dialog] {
                if (QTest::qWaitForWindowExposed(dialog.get()))
                    QTest::mouseMove(dialog->windowHandle(), QPoint(60, 68));
                dialog->accept();
            });
            dialog->exec();
            dialog.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        };
        for (int i = 0; i < 50; ++i)
            open(about()), open(bare());
        // Each kind's growth per opening is the median of its blocks': what is left behind by
        // every opening shows in every block, while the X server's memory also moves by one-off
        // steps of a few hundred KiB that land in one block or another.
        constexpr int Blocks = 5, EachBlock = 200;
        qint64 growth[2][2][Blocks] = {}; // [about, bare][program, X server][block], bytes
        for (int block = 0; block < Blocks; ++block)
            for (int kind = 0; kind < 2; ++kind) {
                malloc_trim(0);
                const qint64 before[2] = {residentBytes(getpid()), residentBytes(server)};
                for (int i = 0; i < EachBlock; ++i)
                    open(kind ? bare() : std::unique_ptr<QDialog>(about()));
                malloc_trim(0);
                growth[kind][0][block] = residentBytes(getpid()) - before[0];
                growth[kind][1][block] = residentBytes(server) - before[1];
            }
        const auto perOpening = [&](int kind, int where) {
            qint64 *blocks = growth[kind][where];
            std::nth_element(blocks, blocks + Blocks / 2, blocks + Blocks);
            return blocks[Blocks / 2] / EachBlock;
        };
        const qint64 ours[2] = {perOpening(0, 0), perOpening(0, 1)},
                     dialog[2] = {perOpening(1, 0), perOpening(1, 1)};
        qInfo("bytes per opening: About %lld (X server %lld), bare dialog %lld (%lld)", ours[0],
              ours[1], dialog[0], dialog[1]);
        // A margin for the allocator's noise: a dozen pages a block.
        constexpr qint64 Margin = 256;
        QVERIFY(ours[0] <= dialog[0] + Margin && ours[1] <= dialog[1] + Margin);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
