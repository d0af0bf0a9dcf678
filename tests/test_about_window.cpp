#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"
#include "platform/maker.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {

const QString Address = QString::fromUtf8(Maker::WebAddress);
const QString OpenWith = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

// Notes each call, its arguments joined by '|'; the test gives the answers.
class RecordingShell : public DesktopShell {
public:
    void ShellExecute(const QString &operation, const QString &file, const QString &parameters,
                      const QString &directory, int showCommand, Answer answer) override {
        calls << QStringList{operation, file, parameters, directory, QString::number(showCommand)}
                     .join('|');
        answers << answer;
    }
    QString RunCommandLine(const QString &commandLine, int windowStyle) override {
        calls << commandLine + '|' + QString::number(windowStyle);
        return notStarted;
    }
    QStringList calls;
    QList<Answer> answers;
    QString notStarted;
};

QPoint centreOf(QWidget &about, const char *name) {
    return about.findChild<QWidget *>(name)->geometry().center();
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        ErrorPath::SetReporter([](const QString &message) { QFAIL(qPrintable(message)); });
        DesktopShell::SetDefaultForTesting(&shell);
        owner.setObjectName(QStringLiteral("owner"));
        owner.setGeometry(100, 80, 640, 480);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }
    void init() { shell = RecordingShell(); }

    // Each opening is loaded afresh, its link reads as the address it opens, one hand pointer.
    void loaded() {
        frmAbout about, again;
        QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
        auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Zembrofact v1.0"));
        QCOMPARE(about.findChild<QLabel *>("lblDescription")->text(), Maker::Notice);
        QCOMPARE(link->text(), Maker::WebAddressShort);
        QCOMPARE(link->toolTip(), Address);
        QCOMPARE(again.findChild<QLabel *>("lblURL")->cursor().pixmap().cacheKey(),
                 link->cursor().pixmap().cacheKey());
    }

    // An assistive tool's Press on the link opens the address, as a click does.
    void linkPressedByAssistiveTool() {
        frmAbout about;
        auto *link = QAccessible::queryAccessibleInterface(about.findChild<QLabel *>("lblURL"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(shell.calls, QStringList{"Open|" + Address + "|0|0|1"});
    }

    // A showing as the user meets it: OK has the focus, and OK, Enter or Escape closes it.
    void showing_data() {
        QTest::addColumn<int>("key"); // or ClickOK
        QTest::newRow("OK clicked") << int(ClickOK);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void showing() {
        QFETCH(int, key);
        frmAbout about(&owner);
        QTimer::singleShot(0, &about, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QWindow *window = about.windowHandle();
            // A press on the link released off it is no click.
            QTest::mousePress(window, Qt::LeftButton, {}, centreOf(about, "lblURL"));
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 20));
            QCOMPARE(shell.calls, QStringList());
            about.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QCOMPARE(QApplication::focusWidget(), about.findChild<QPushButton *>());
            if (key == ClickOK)
                QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(about, "cmdOK"));
            else
                QTest::keyClick(window, Qt::Key(key));
        });
        QTimer::singleShot(10000, &about, [&] { about.done(-1); });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
    }

    // Only the link highlights it; only the bare surface (Line1 included) puts it back.
    void hover() {
        const std::pair<const char *, bool> walk[] = {{"lblURL", true},  {"surface", false},
                                                      {"lblURL", true},  {"lblTitle", true},
                                                      {"picIcon", true}, {"lblDescription", true},
                                                      {"cmdOK", true},   {"Line1", false},
                                                      {"lblURL", true},  {"out", true}};
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
        const auto look = [link] {
            return std::pair(link->palette().color(QPalette::WindowText), link->font().underline());
        };
        const auto normal =
            std::pair(QGuiApplication::palette().color(QPalette::ButtonText), false);
        QCOMPARE(look(), normal);
        QEvent leave(QEvent::Leave);
        for (const auto &[place, highlighted] : walk) {
            if (auto *control = about.findChild<QWidget *>(place))
                QTest::mouseMove(about.windowHandle(), control->geometry().center());
            else if (place == QLatin1String("out"))
                QCoreApplication::sendEvent(&about, &leave);
            else
                QTest::mouseMove(about.windowHandle(), QPoint(300, 20));
            QCOMPARE(look(), highlighted ? std::pair(QColor(0, 0, 128), true) : normal);
        }
    }

    // 31 runs the fallback, target appended as it is; a failure is told over the window (its
    // owner once it is gone); success is silent.
    void answers_data() {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("notStarted");   // by the fallback
        QTest::addColumn<QStringList>("expected"); // calls after the request, then messages
        const QString blanks = QStringLiteral("/home/pupil/My Cards/times \"table\".txt");
        QTest::newRow("blanks, unquoted (31)")
            << QVariant(blanks) << 31 << "" << QStringList{OpenWith + blanks + "|1"};
        QTest::newRow("number as its digits, window gone (31)")
            << QVariant(7) << 31 << "zf-x"
            << QStringList{OpenWith + "7|1",
                           "programNotStarted: The program \"zf-x\" could not be started. @owner"};
        QTest::newRow("handed on (42)") << QVariant(Address) << 42 << "" << QStringList();
        QTest::newRow("file not found, window gone (2)")
            << QVariant(blanks) << 2 << ""
            << QStringList{
                   "notOpened: The file could not be opened: it could not be found. @owner"};
    }
    void answers() {
        QFETCH(QVariant, file);
        QFETCH(int, answer);
        QFETCH(QString, notStarted);
        QFETCH(QStringList, expected);
        shell.notStarted = notStarted;
        auto about = std::make_unique<frmAbout>(&owner);
        about->RunShellExecute(QStringLiteral("Open"), file, QVariant(0), QVariant(0), 1);
        QCOMPARE(shell.calls, QStringList{"Open|" + file.toString() + "|0|0|1"});
        if (QString(QTest::currentDataTag()).contains("gone"))
            about.reset();
        shell.calls.clear();
        shell.answers.value(0)(answer);
        for (auto *box : owner.findChildren<QMessageBox *>()) {
            shell.calls << box->objectName() + ": " + box->text() + " @" +
                               box->parentWidget()->objectName();
            delete box;
        }
        QCOMPARE(shell.calls, expected);
    }

private:
    enum : int { ClickOK = -1 };
    RecordingShell shell;
    QWidget owner;
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
