#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"
#include "platform/maker.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

namespace {

const QString Address = QString::fromUtf8(Maker::WebAddress);
const QString OpenWith = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

// Notes each call, its arguments joined by '|', and keeps the answers for the test to give.
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

// Runs about.exec() and calls drive() once the window shows; false if drive() left it open.
bool execDriven(frmAbout &about, const std::function<void()> &drive) {
    QTimer::singleShot(0, &about, [&] {
        if (QTest::qWaitForWindowExposed(&about))
            drive();
    });
    QTimer::singleShot(10000, &about, [&] { about.done(-1); });
    return about.exec() != -1;
}

QString linkLook(QWidget &about) {
    auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
    const QColor colour = link->palette().color(QPalette::WindowText);
    const bool underlined = link->font().underline();
    if (colour == QColor(0, 0, 128) && underlined)
        return QStringLiteral("highlighted");
    if (colour == QGuiApplication::palette().color(QPalette::ButtonText) && !underlined)
        return QStringLiteral("normal");
    return QStringLiteral("mixed");
}

// Moves the pointer as the window system would, so each move lands on whatever lies under it:
// the named control, or the window's bare surface near the top or at the lower right.
void moveAlong(QWidget &about, const QStringList &places) {
    for (const QString &place : places) {
        QPoint point = place == QLatin1String("surface") ? QPoint(300, 20) : QPoint(370, 150);
        if (auto *control = about.findChild<QWidget *>(place))
            point = control->geometry().center();
        QTest::mouseMove(about.windowHandle(), point);
    }
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
        connect(&ownerButton, &QPushButton::clicked, this, [this] { ++ownerClicks; });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }
    void init() { shell = RecordingShell(); }

    void controls_data() {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("frmAbout") << QRect(0, 0, 382, 209) << "About...";
        QTest::newRow("picIcon") << QRect(0, 6, 258, 45) << "";
        QTest::newRow("cmdOK") << QRect(307, 173, 60, 25) << "OK";
        QTest::newRow("lblURL") << QRect(16, 60, 113, 17) << Maker::WebAddressShort;
        QTest::newRow("lblDescription") << QRect(8, 184, 281, 21) << Maker::Notice;
        QTest::newRow("lblTitle") << QRect(2, 112, 375, 28) << "Zembrofact v1.0";
        QTest::newRow("Line1") << QRect(4, 55, 371, 2) << "";
    }
    void controls() {
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        frmAbout about;
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QWidget *control = name == about.objectName() ? &about : about.findChild<QWidget *>(name);
        QCOMPARE(control == &about ? QRect({}, about.maximumSize()) : control->geometry(),
                 geometry);
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const QByteArray property = control == &about ? "windowTitle" : "text";
        QCOMPARE(control->property(property).toString(), text);
    }

    void linkTooltipAndCursor() {
        frmAbout about;
        auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
        QCOMPARE(link->toolTip(), Address);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().hotSpot(), QPoint(12, 9));
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
        // One pointer for every opening: each made afresh would stay with the display.
        const QCursor again = frmAbout().findChild<QLabel *>(QStringLiteral("lblURL"))->cursor();
        QCOMPARE(again.pixmap().cacheKey(), link->cursor().pixmap().cacheKey());
    }

    // One showing as the user meets it: centred and modal over its owner, which takes no input
    // until the window is closed; each click on the link is one request (a press released off
    // it is none) and the window stays.
    void showing_data() {
        QTest::addColumn<int>("key"); // or ClickOK, or CloseButton
        QTest::addColumn<int>("result");
        QTest::newRow("OK clicked") << int(ClickOK) << int(QDialog::Accepted);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Accepted);
        QTest::newRow("close button") << int(CloseButton) << int(QDialog::Rejected);
    }
    void showing() {
        QFETCH(int, key);
        QFETCH(int, result);
        const QPoint button = ownerButton.geometry().center();
        ownerClicks = 0;
        frmAbout about(&owner);
        QVERIFY(execDriven(about, [&] {
            const QPoint offset = about.frameGeometry().center() - owner.frameGeometry().center();
            QVERIFY(offset.manhattanLength() <= 2);
            QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, button);
            QWindow *window = about.windowHandle();
            const QPoint link = about.findChild<QWidget *>("lblURL")->geometry().center();
            QTest::mouseClick(window, Qt::LeftButton, {}, link);
            QTest::mouseClick(window, Qt::LeftButton, {}, link);
            QTest::mousePress(window, Qt::LeftButton, {}, link);
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 20));
            QCOMPARE(shell.calls, QStringList(2, "Open|" + Address + "|0|0|1"));
            about.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            auto *ok = about.findChild<QPushButton *>();
            QCOMPARE(QApplication::focusWidget(), ok);
            if (key == ClickOK)
                QTest::mouseClick(window, Qt::LeftButton, {}, ok->geometry().center());
            else if (key == CloseButton)
                window->close();
            else
                QTest::keyClick(window, Qt::Key(key));
        }));
        QCOMPARE(about.result(), result);
        QCOMPARE(ownerClicks, 0);
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, button);
        QCOMPARE(ownerClicks, 1);
    }

    void hover_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("look");
        QTest::newRow("surface to link") << QStringList{"surface", "lblURL"} << "highlighted";
        QTest::newRow("link to surface") << QStringList{"lblURL", "surface"} << "normal";
        QTest::newRow("link to Line1") << QStringList{"lblURL", "Line1"} << "normal";
        for (const char *control : {"lblTitle", "lblDescription", "picIcon", "cmdOK"})
            QTest::addRow("link to %s", control) << QStringList{"lblURL", control} << "highlighted";
        QTest::newRow("link, cmdOK, surface")
            << QStringList{"lblURL", "cmdOK", "lower surface"} << "normal";
        QTest::newRow("other controls only")
            << QStringList{"lblTitle", "picIcon", "cmdOK", "lblDescription"} << "normal";
        QTest::newRow("link, out of the window") << QStringList{"lblURL", "out"} << "highlighted";
    }
    void hover() {
        QFETCH(QStringList, path);
        QFETCH(QString, look);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // A new window for every showing: the row before left its link highlighted.
        QCOMPARE(linkLook(about), QStringLiteral("normal"));
        const bool leaves = path.removeOne(QStringLiteral("out"));
        moveAlong(about, path);
        QEvent leave(QEvent::Leave);
        if (leaves)
            QCoreApplication::sendEvent(&about, &leave);
        QCOMPARE(linkLook(about), look);
    }

    // The answer decides: 31 runs the fallback with the target appended as it is, another
    // failure is told, success is silent. Told over the window, or its owner once it is gone.
    void answers_data() {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("windowGone");
        QTest::addColumn<QString>("notStarted");
        QTest::addColumn<QStringList>("expected"); // the calls after the request, then messages
        const QString blanks = QStringLiteral("/home/pupil/My Cards/times \"table\".txt");
        const QString openWith = OpenWith + Address + "|1";
        const QString web = "notOpened: The web page could not be opened: ";
        QTest::newRow("no program (31)")
            << QVariant(Address) << 31 << false << "" << QStringList{openWith};
        QTest::newRow("blanks, unquoted (31)")
            << QVariant(blanks) << 31 << false << "" << QStringList{OpenWith + blanks + "|1"};
        QTest::newRow("number as its digits (31)")
            << QVariant(7) << 31 << false << "" << QStringList{OpenWith + "7|1"};
        QTest::newRow("Open with, window gone, program not started")
            << QVariant(Address) << 31 << true << "zf-x"
            << QStringList{openWith, "programNotStarted: The program \"zf-x\" could not be "
                                     "started. over owner"};
        for (int answer : {42, 33})
            QTest::addRow("handed on (%d)", answer)
                << QVariant(Address) << answer << false << "" << QStringList();
        QTest::newRow("no helper (32)")
            << QVariant(Address) << 32 << false << ""
            << QStringList{web + "no program for opening web pages was found on this computer. "
                                 "over frmAbout"};
        QTest::newRow("file not found (2)")
            << QVariant(blanks) << 2 << false << ""
            << QStringList{"notOpened: The file could not be opened: it could not be found. "
                           "over frmAbout"};
        QTest::newRow("failure, window gone (0)")
            << QVariant(Address) << 0 << true << ""
            << QStringList{web + "the web browser ran into a problem. over owner"};
    }
    void answers() {
        QFETCH(QVariant, file);
        QFETCH(int, answer);
        QFETCH(bool, windowGone);
        QFETCH(QString, notStarted);
        QFETCH(QStringList, expected);
        shell.notStarted = notStarted;
        auto about = std::make_unique<frmAbout>(&owner);
        about->RunShellExecute(QStringLiteral("Open"), file, QVariant(0), QVariant(0), 1);
        QCOMPARE(shell.calls, QStringList{"Open|" + file.toString() + "|0|0|1"});
        QCOMPARE(shell.answers.size(), 1);
        if (windowGone)
            about.reset();
        shell.calls.clear();
        shell.answers.takeFirst()(answer);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                shell.calls << box->objectName() + ": " + box->text() + " over " +
                                   box->parentWidget()->objectName();
                box->close();
            }
        }
        QCOMPARE(shell.calls, expected);
    }

private:
    enum : int { ClickOK = -1, CloseButton = -2 };
    RecordingShell shell;
    QWidget owner;
    QPushButton ownerButton{QStringLiteral("Next Card"), &owner};
    int ownerClicks = 0;
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
