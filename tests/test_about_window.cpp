#include "about_window/frm_about.h"
#include "platform/desktop_shell.h"
#include "platform/error_path.h"
#include "platform/maker.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

const QString Address = QStringLiteral("https://plivaro.example/");
const QString OpenWith = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

// Answers every request with a chosen code and notes each call, its arguments joined by '|'.
class RecordingShell : public DesktopShell {
public:
    int ShellExecute(const QString &operation, const QString &file, const QString &parameters,
                     const QString &directory, int showCommand) override {
        calls << QStringList{operation, file, parameters, directory, QString::number(showCommand)}
                     .join('|');
        return answer;
    }
    void RunCommandLine(const QString &commandLine, int windowStyle) override {
        calls << commandLine + '|' + QString::number(windowStyle);
    }
    int answer = Started;
    QStringList calls;
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
        ErrorPath::SetReporter([this](const QString &message) { errors.append(message); });
        DesktopShell::SetDefaultForTesting(&shell);
        owner.setGeometry(100, 80, 640, 480);
        connect(&ownerButton, &QPushButton::clicked, this, [this] { ++ownerClicks; });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }
    void init() { shell = RecordingShell(); }
    void cleanup() { QCOMPARE(errors, QStringList()); }

    void controls_data() {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("frmAbout") << QRect(0, 0, 382, 209) << "About...";
        QTest::newRow("picIcon") << QRect(0, 6, 258, 45) << "";
        QTest::newRow("cmdOK") << QRect(307, 173, 60, 25) << "OK";
        QTest::newRow("lblURL") << QRect(16, 60, 113, 17) << "plivaro.example";
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

    // The fallback follows only the answer 31, with the target appended as it is.
    void runShellExecute_data() {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("fallback");
        const QString blanks = QStringLiteral("/home/pupil/My Cards/times \"table\".txt");
        QTest::newRow("no program (31)") << QVariant(Address) << 31 << OpenWith + Address + "|1";
        QTest::newRow("blanks, unquoted (31)")
            << QVariant(blanks) << 31 << OpenWith + blanks + "|1";
        QTest::newRow("number as its digits (31)") << QVariant(7) << 31 << OpenWith + "7|1";
        for (int answer : {42, 0, 2, 30, 32})
            QTest::addRow("answer %d", answer) << QVariant(Address) << answer << QString();
    }
    void runShellExecute() {
        QFETCH(QVariant, file);
        QFETCH(int, answer);
        QFETCH(QString, fallback);
        shell.answer = answer;
        frmAbout about;
        about.RunShellExecute(QStringLiteral("Open"), file, QVariant(0), QVariant(0), 1);
        QStringList calls{"Open|" + file.toString() + "|0|0|1"};
        if (!fallback.isEmpty())
            calls << fallback;
        QCOMPARE(shell.calls, calls);
    }

private:
    enum : int { ClickOK = -1, CloseButton = -2 };
    RecordingShell shell;
    QStringList errors;
    QWidget owner;
    QPushButton ownerButton{QStringLiteral("Next Card"), &owner};
    int ownerClicks = 0;
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
