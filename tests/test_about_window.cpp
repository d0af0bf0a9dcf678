#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"
#include "platform/maker.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

// Notes each call, its arguments joined by '|', and keeps the answer for the test to give.
struct RecordingShell : DesktopShell {
    void ShellExecute(const QString &operation, const QString &file, const QString &parameters,
                      const QString &directory, int showCommand, Answer given) override {
        calls << QStringList{operation, file, parameters, directory, QString::number(showCommand)}
                     .join('|');
        answer = given;
    }
    QString RunCommandLine(const QString &commandLine, int windowStyle) override {
        calls << commandLine + '|' + QString::number(windowStyle);
        return QStringLiteral("zf"); // the program that could not be started
    }
    QStringList calls;
    Answer answer;
};

class TestAboutWindow : public QObject {
    Q_OBJECT
    const QString Address = QString::fromUtf8(Maker::WebAddress);
    RecordingShell shell;
    QWidget owner;

private Q_SLOTS:
    void initTestCase() {
        ErrorPath::SetReporter([](const QString &message) { QFAIL(qPrintable(message)); });
        DesktopShell::SetDefaultForTesting(&shell);
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
        frmAbout about(&owner);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QWindow *window = about.windowHandle();
        auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
        const auto text = [&](const char *name) { return about.findChild<QLabel *>(name)->text(); };
        QCOMPARE((QStringList{about.windowTitle(), text("lblTitle"), text("lblDescription"),
                              link->text(), link->toolTip()}),
                 (QStringList{"About...", "Zembrofact v1.0", Maker::Notice, Maker::WebAddressShort,
                              Address}));
        QVERIFY(!link->cursor().pixmap().isNull()); // the hand, drawn
        const auto look = [link] {
            return std::pair(link->palette().color(QPalette::WindowText), link->font().underline());
        };
        const auto normal = std::pair(QApplication::palette().color(QPalette::ButtonText), false);
        QCOMPARE(look(), normal);
        QEvent leave(QEvent::Leave);
        const QString walk =
            "lblURL surface lblURL lblTitle picIcon lblDescription cmdOK Line1 lblURL out";
        for (const QString &place : walk.split(' ')) {
            const auto *control = about.findChild<QWidget *>(place);
            if (place == "out")
                QCoreApplication::sendEvent(&about, &leave);
            else
                QTest::mouseMove(window, control ? control->geometry().center() : QPoint(300, 20));
            const bool lit = place != "surface" && place != "Line1";
            QCOMPARE(look(), lit ? std::pair(QColor(0, 0, 128), true) : normal);
        }
        QTest::mousePress(window, Qt::LeftButton, {}, link->geometry().center());
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(shell.calls, QStringList());
        QAccessible::queryAccessibleInterface(link)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(shell.calls, QStringList{"Open|" + Address + "|0|0|1"});
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        key ? QTest::keyClick(window, Qt::Key(key))
            : QTest::mouseClick(about.findChild<QWidget *>("cmdOK"), Qt::LeftButton);
        QVERIFY(about.isHidden() && about.result() == QDialog::Accepted);
    }

    // 31 runs the fallback, target appended as it is; a failure is told over the window (its
    // owner once it is gone); success is silent.
    void answers_data() {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected"); // calls after the request, then messages
        const QString blanks = QStringLiteral("/home/pupil/My Cards/times \"table\".txt");
        const QString openWith = DesktopShell::OpenWithCommand;
        const QString notStarted = "programNotStarted: The program \"zf\" could not be started. @";
        QTest::newRow("blanks, unquoted (31)")
            << QVariant(blanks) << 31
            << QStringList{openWith + blanks + "|1", notStarted + "frmAbout"};
        QTest::newRow("number as its digits, window gone (31)")
            << QVariant(7) << 31 << QStringList{openWith + "7|1", notStarted + "owner"};
        QTest::newRow("handed on (42)") << QVariant(Address) << 42 << QStringList();
        QTest::newRow("file not found (2)")
            << QVariant(blanks) << 2
            << QStringList{
                   "notOpened: The file could not be opened: it could not be found. @frmAbout"};
    }
    void answers() {
        QFETCH(QVariant, file);
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        QScopedPointer<frmAbout> about(new frmAbout(&owner));
        about->RunShellExecute(QStringLiteral("Open"), file, QVariant(0), QVariant(0), 1);
        if (QString(QTest::currentDataTag()).contains("gone"))
            about.reset();
        shell.answer(answer);
        for (auto *box : owner.findChildren<QMessageBox *>()) {
            shell.calls << box->objectName() + ": " + box->text() + " @" +
                               box->parentWidget()->objectName();
            delete box;
        }
        QCOMPARE(shell.calls.mid(1), expected);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
