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

// Answers every request as started and remembers it.
class RecordingShell : public DesktopShell {
public:
    int ShellExecute(const QString &operation, const QString &file, const QString &parameters,
                     const QString &directory, int showCommand) override {
        requests.append({operation, file, parameters, directory, QString::number(showCommand)});
        return Started;
    }
    void RunCommandLine(const QString &commandLine, int) override {
        commandLines.append(commandLine);
    }
    QList<QStringList> requests;
    QStringList commandLines;
};

const QColor Navy(0, 0, 128);

// Runs about.exec(); drive() is called once the window is on screen. False if exec() had to be
// ended by the guard because drive() did not close the window.
bool execDriven(frmAbout &about, const std::function<void()> &drive) {
    bool stuck = false;
    QTimer::singleShot(0, &about, [&] {
        if (QTest::qWaitForWindowExposed(&about))
            drive();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &about, [&] {
        stuck = true;
        about.done(-1);
    });
    guard.start(10000);
    about.exec();
    return !stuck;
}

template <class T> T *child(QWidget &parent, const char *name) {
    return parent.findChild<T *>(QLatin1String(name));
}

bool linkHighlighted(QWidget &about) {
    auto *link = child<QLabel>(about, "lblURL");
    return link->palette().color(QPalette::WindowText) == Navy && link->font().underline();
}

bool linkNormal(QWidget &about) {
    auto *link = child<QLabel>(about, "lblURL");
    return link->palette().color(QPalette::WindowText) ==
               QGuiApplication::palette().color(QPalette::ButtonText) &&
           !link->font().underline();
}

// A point of the window's bare surface, a point on the rule, or the centre of a control.
QPoint pointOf(QWidget &about, const QString &place) {
    if (place == QLatin1String("surface"))
        return {300, 20};
    if (place == QLatin1String("surface, lower right"))
        return {370, 150};
    return about.findChild<QWidget *>(place)->geometry().center();
}

} // namespace

class TestAboutWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        ErrorPath::SetReporter([this](const QString &message) { errors.append(message); });
        DesktopShell::SetDefaultForTesting(&shell);
    }
    void cleanupTestCase() { DesktopShell::SetDefaultForTesting(nullptr); }
    void init() { shell = RecordingShell(); }
    void cleanup() { QCOMPARE(errors, QStringList()); }

    void texts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("caption") << "frmAbout"
                                 << "windowTitle"
                                 << "About...";
        QTest::newRow("title: major and revision") << "lblTitle"
                                                   << "text"
                                                   << "Zembrofact v1.0";
        QTest::newRow("notice") << "lblDescription"
                                << "text" << QString::fromUtf8(Maker::Notice);
        QTest::newRow("link") << "lblURL"
                              << "text"
                              << "plivaro.example";
        QTest::newRow("link tooltip") << "lblURL"
                                      << "toolTip"
                                      << "https://plivaro.example/";
        QTest::newRow("OK") << "cmdOK"
                            << "text"
                            << "OK";
    }
    void texts() {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QString, expected);
        frmAbout about;
        QWidget *widget =
            control == QLatin1String("frmAbout") ? &about : about.findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->property(property.toLatin1()).toString(), expected);
    }

    void geometry_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("picIcon") << "picIcon" << QRect(0, 6, 258, 45);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(307, 173, 60, 25);
        QTest::newRow("lblURL") << "lblURL" << QRect(16, 60, 113, 17);
        QTest::newRow("lblDescription") << "lblDescription" << QRect(8, 184, 281, 21);
        QTest::newRow("lblTitle") << "lblTitle" << QRect(2, 112, 375, 28);
        QTest::newRow("Line1") << "Line1" << QRect(4, 55, 371, 2);
    }
    void geometry() {
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        frmAbout about;
        QWidget *widget = about.findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), expected);
    }

    // Clipped text would hide part of the address or the notice.
    void textFitsItsLabel_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("lblURL") << "lblURL";
        QTest::newRow("lblDescription") << "lblDescription";
        QTest::newRow("lblTitle") << "lblTitle";
    }
    void textFitsItsLabel() {
        QFETCH(QString, control);
        frmAbout about;
        auto *label = about.findChild<QLabel *>(control);
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(QStringLiteral("%1 px").arg(metrics.horizontalAdvance(label->text()))));
        QVERIFY(metrics.height() <= label->height());
    }

    void fixedWindowWithCloseButtonOnly() {
        frmAbout about;
        QCOMPARE(about.minimumSize(), QSize(382, 209));
        QCOMPARE(about.maximumSize(), QSize(382, 209));
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        const QList<QSize> iconSizes = about.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)));
        QVERIFY(iconSizes.contains(QSize(32, 32)));
    }

    void linkCursorIsTheHand() {
        frmAbout about;
        const QCursor cursor = child<QLabel>(about, "lblURL")->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 9));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    }

    void modalAndCentredOnOwner() {
        QWidget owner;
        owner.setGeometry(100, 80, 640, 480);
        auto *ownerButton = new QPushButton(QStringLiteral("Next Card"), &owner);
        ownerButton->setGeometry(10, 10, 100, 30);
        int ownerClicks = 0;
        connect(ownerButton, &QPushButton::clicked, this, [&] { ++ownerClicks; });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        frmAbout about(&owner);
        QVERIFY(execDriven(about, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &about);
            const QPoint offset = about.frameGeometry().center() - owner.frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
            QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {},
                              ownerButton->geometry().center());
            QCOMPARE(ownerClicks, 0);
            child<QPushButton>(about, "cmdOK")->click();
        }));
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {},
                          ownerButton->geometry().center());
        QCOMPARE(ownerClicks, 1);
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("focusOnOK");
        QTest::addColumn<int>("result");
        QTest::newRow("OK clicked") << "click" << true << int(QDialog::Accepted);
        QTest::newRow("Enter, OK focused") << "enter" << true << int(QDialog::Accepted);
        QTest::newRow("Enter, nothing focused") << "enter" << false << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << "keypad enter" << true << int(QDialog::Accepted);
        QTest::newRow("Escape, OK focused") << "escape" << true << int(QDialog::Accepted);
        QTest::newRow("Escape, nothing focused") << "escape" << false << int(QDialog::Accepted);
        QTest::newRow("close button") << "close" << true << int(QDialog::Rejected);
    }
    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, focusOnOK);
        QFETCH(int, result);
        frmAbout about;
        auto *ok = child<QPushButton>(about, "cmdOK");
        QVERIFY(execDriven(about, [&] {
            QWindow *window = about.windowHandle();
            about.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            if (focusOnOK)
                QCOMPARE(QApplication::focusWidget(), ok);
            else
                ok->clearFocus();
            if (how == QLatin1String("click"))
                QTest::mouseClick(window, Qt::LeftButton, {}, ok->geometry().center());
            else if (how == QLatin1String("enter"))
                QTest::keyClick(window, Qt::Key_Return);
            else if (how == QLatin1String("keypad enter"))
                QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
            else if (how == QLatin1String("escape"))
                QTest::keyClick(window, Qt::Key_Escape);
            else
                window->close();
        }));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), result);
    }

    void reopenedWindowStartsAfresh() {
        for (int showing = 1; showing <= 2; ++showing) {
            frmAbout about;
            bool normalAtStart = false;
            bool highlightedAtClose = false;
            QVERIFY(execDriven(about, [&] {
                normalAtStart = linkNormal(about);
                QTest::mouseMove(about.windowHandle(), pointOf(about, QStringLiteral("surface")));
                QTest::mouseMove(about.windowHandle(), pointOf(about, QStringLiteral("lblURL")));
                highlightedAtClose = linkHighlighted(about);
                child<QPushButton>(about, "cmdOK")->click();
            }));
            QVERIFY2(normalAtStart, qPrintable(QStringLiteral("showing %1").arg(showing)));
            QVERIFY(highlightedAtClose);
            QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Zembrofact v1.0"));
        }
    }

    // Moves are sent to the window as the window system would, so each lands on whatever
    // control lies under the pointer.
    void hover_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("surface to link") << QStringList{"surface", "lblURL"} << true;
        QTest::newRow("link to surface") << QStringList{"lblURL", "surface"} << false;
        QTest::newRow("link to lblTitle") << QStringList{"lblURL", "lblTitle"} << true;
        QTest::newRow("link to lblDescription") << QStringList{"lblURL", "lblDescription"} << true;
        QTest::newRow("link to picIcon") << QStringList{"lblURL", "picIcon"} << true;
        QTest::newRow("link to cmdOK") << QStringList{"lblURL", "cmdOK"} << true;
        QTest::newRow("link to Line1") << QStringList{"lblURL", "Line1"} << false;
        QTest::newRow("link, cmdOK, then surface")
            << QStringList{"lblURL", "cmdOK", "surface, lower right"} << false;
        QTest::newRow("other controls only")
            << QStringList{"lblTitle", "picIcon", "cmdOK", "lblDescription"} << false;
        QTest::newRow("link, pointer leaves the window") << QStringList{"lblURL", "leave"} << true;
    }
    void hover() {
        QFETCH(QStringList, path);
        QFETCH(bool, highlighted);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(linkNormal(about));
        for (const QString &place : path) {
            if (place == QLatin1String("leave")) {
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(&about, &leave);
                continue;
            }
            QTest::mouseMove(about.windowHandle(), pointOf(about, place));
        }
        QCOMPARE(linkHighlighted(about), highlighted);
        QCOMPARE(linkNormal(about), !highlighted);
    }

    void linkClicks_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("requests");
        QTest::newRow("one click") << "click" << 1;
        QTest::newRow("two clicks") << "click twice" << 2;
        QTest::newRow("pressed on the link, released off it") << "drag off" << 0;
        QTest::newRow("right button") << "right click" << 0;
    }
    void linkClicks() {
        QFETCH(QString, gesture);
        QFETCH(int, requests);
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QWindow *window = about.windowHandle();
        const QPoint link = pointOf(about, QStringLiteral("lblURL"));
        if (gesture.startsWith(QLatin1String("click"))) {
            QTest::mouseClick(window, Qt::LeftButton, {}, link);
            if (gesture == QLatin1String("click twice"))
                QTest::mouseClick(window, Qt::LeftButton, {}, link);
        } else if (gesture == QLatin1String("drag off")) {
            QTest::mousePress(window, Qt::LeftButton, {}, link);
            QTest::mouseRelease(window, Qt::LeftButton, {}, pointOf(about, "surface"));
        } else {
            QTest::mouseClick(window, Qt::RightButton, {}, link);
        }
        const QStringList expected{"Open", "https://plivaro.example/", "0", "0", "1"};
        QCOMPARE(shell.requests, QList<QStringList>(requests, expected));
        QCOMPARE(shell.commandLines, QStringList());
        QVERIFY(about.isVisible());
    }

private:
    RecordingShell shell;
    QStringList errors;
};

QTEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
