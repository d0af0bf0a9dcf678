#include "about_window/frm_about.h"
#include "main_window/card_font.h"
#include "platform/announce.h"
#include "platform/app_info.h"
#include "platform/image_list.h"
#include "scripted_random.h"
#include "window_probe.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { FailOnUnexpectedErrors(); }
    void startUpState() {
        ScriptedRandom random({0.37f, 0.6f});
        frmMain w(&random);
        WindowProbe p(w);
        // The first card is drawn at random: floor(100 x 0.37) is 3 + 7, where the order would
        // have dealt 0 + 0; the answer 10 on button floor(0.6 x 4 + 1) = 3, amid its decoys.
        QCOMPARE(p.state(),
                 "3 7 10|A|Label1-|Correct: 0+|Incorrect: 0+|Range 0-9+|10-|12+|8+|10+|9+|"
                 "o|.|.|.|v|v|.|closed");
        QCOMPARE(w.Cards().LastCard(), 99);
        QCOMPARE(w.Dealer().CardCursor(), 0);
    }

    void captionsShowTheVersion_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("mainCaption");
        // The About window shows the revision where the main window shows the minor.
        QTest::addColumn<QString>("aboutTitle");
        QTest::newRow("the program's own") << 1 << 0 << 0 << "Zembrofact, v1.0"
                                           << "Zembrofact v1.0";
        QTest::newRow("all three apart") << 2 << 3 << 7 << "Zembrofact, v2.3"
                                         << "Zembrofact v2.7";
    }

    void captionsShowTheVersion() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, mainCaption);
        QFETCH(QString, aboutTitle);
        if (major != AppInfo::Major) // the program's own numbers are those of its build
            AppInfo::SetNumbersForTesting({major, minor, revision});
        frmMain w;
        frmAbout about(&w);
        AppInfo::SetNumbersForTesting({});
        QCOMPARE(w.windowTitle(), mainCaption);
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(), aboutTitle);
    }

    // No control outside the card covers another; the card's numbers line up as a column sum.
    void layout() {
        frmMain w;
        WindowProbe p(w);
        const auto outside = w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(outside.size(), 14);
        for (QWidget *control : outside)
            for (QWidget *other : outside)
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + u' ' + other->objectName()));
        const int right = p.get("lblTopNum")->geometry().right();
        QCOMPARE(p.get("lblBottomNum")->geometry().right(), right);
        QCOMPARE(p.get("lblAnswer")->geometry().right(), right);
        QCOMPARE(p.get("Shape2")->geometry(), p.get("lblAnswer")->geometry());
        QVERIFY(p.get("pctOperand")->geometry().intersects(p.get("lblBottomNum")->geometry()));
        QCOMPARE(w.centralWidget()->size(), QSize(395, 423)); // fixed: minimise and close only
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
    }

    void menus() {
        frmMain w;
        QStringList menus;
        for (QAction *title : w.menuBar()->actions()) {
            QString menu = title->menu()->objectName() + u':' + title->text();
            for (QAction *a : title->menu()->actions()) {
                menu += u' ' + a->objectName() + u':' + (a->isSeparator() ? "-" : a->text()) +
                        (a->isCheckable() ? "?" : "");
                QVERIFY(a->isEnabled() && a->isVisible() && a->shortcut().isEmpty());
            }
            QVERIFY(!menu.contains(u'&')); // no access keys
            menus << menu;
        }
        QCOMPARE(menus, (QStringList{"mnuFile:File mnuReset:Reset Seperator1:- mnuExit:Exit",
                                     "mnuTools:Tools mnuRandomize:Randomize? seperator2:- "
                                     "mnuRange09:Range 0-9? mnuRange012:Range 0-12?",
                                     "mnuHelp:Help mnuAbout:About..."}));
    }

    void grabbedWindowShowsTheCard() {
        ScriptedRandom random({0.99f, 0.0f}); // 9 + 9 = 18
        frmMain w(&random);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage image = w.centralWidget()->grab().toImage();
        // Where the card's colours show, in window pixels: its surround merges with the window; the
        // blue plus, the yellow and green numbers, the black rule; no red while the answer hides.
        const std::tuple<QRect, QColor, int> areas[] = {
            {{0, 0, 25, 25}, QColor(212, 208, 200), 625}, {{72, 136, 47, 47}, Qt::blue, 100},
            {{72, 64, 129, 57}, Qt::yellow, 100},         {{104, 128, 97, 57}, Qt::green, 100},
            {{64, 199, 130, 5}, Qt::black, 500},          {{56, 216, 145, 57}, Qt::red, 0}};
        for (const auto &[area, colour, least] : areas) {
            int n = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    n += image.pixelColor(x, y) == colour;
            QVERIFY2(least ? n >= least : n == 0, qPrintable(colour.name()));
        }
    }

    void keyboard() {
        ScriptedRandom random({0.0f});
        frmMain w(&random);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        WindowProbe p(w);
        p.trigger("mnuRandomize");
        // The keyboard starts at the selected option; Tab then visits the command buttons.
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"optOperation(0)", "cmdChoice1", "cmdChoice2", "cmdChoice3",
                                       "cmdChoice4", "cmdNextCard"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), "optOperation(0)");
        for (QLabel *label : w.findChildren<QLabel *>())
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        // An arrow key moves within the group and selects: the subtraction deck, dealt in order.
        QTest::keyClick(p.option(0), Qt::Key_Down);
        QVERIFY(p.option(1)->isChecked() && p.option(1)->hasFocus());
        QCOMPARE(w.Cards().LastCard(), 54);
    }

    void accessibleTree() {
        ScriptedRandom random({JustBelowOne, 0.0f}); // 9 + 9 = 18 on the first button
        frmMain w(&random);
        w.show();
        WindowProbe p(w);
        auto name = [](QObject *o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        auto description = [](QObject *o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
        };
        QCOMPARE(name(p.get("Picture1")), "9 plus 9");
        QCOMPARE(name(p.label("lblAnswer")), QString()); // gives nothing away
        QCOMPARE(description(p.choice(3)), "Answer choice 3 of 4");
        QCOMPARE(name(p.choice(1)), "18");
        for (QWidget *control : w.centralWidget()->findChildren<QWidget *>()) {
            if (control->isVisible() && control->objectName() != QLatin1String("Shape2") &&
                control->objectName() != QLatin1String("Line1"))
                QVERIFY2(!name(control).isEmpty() || !description(control).isEmpty(),
                         qPrintable(control->objectName()));
        }

        QList<QObject *> announced;
        Accessibility::SetListenerForTesting([&](QObject *control) { announced << control; });
        p.clickChoice(2);
        Accessibility::SetListenerForTesting(nullptr);
        QCOMPARE(announced, QList<QObject *>{p.label("lblConfirmation")});
        QCOMPARE(name(p.label("lblAnswer")), "18");

        random.Script({0.0f, 0.0f});
        p.selectOperation(3);
        QCOMPARE(name(p.get("Picture1")), "1 divided by 1");
    }

    void cardFontFallbackFits_data() {
        QTest::addColumn<QStringList>("families");
        QTest::newRow("the design's font or its twin") << CardFontFamilies();
        QTest::newRow("wide sans") << QStringList{"DejaVu Sans"};
        QTest::newRow("serif") << QStringList{"DejaVu Serif"};
        QTest::newRow("monospace") << QStringList{"Liberation Mono"};
        QTest::newRow("missing") << QStringList{"No Such Font"};
    }

    void cardFontFallbackFits() {
        QFETCH(QStringList, families);
        const QFont font = CardFont(families);
        QVERIFY(font.bold());
        QVERIFY(font.pixelSize() > 30);
        const QFontMetrics metrics(font);
        QVERIFY(metrics.height() <= CardTextHeight);
        for (const CardTextRoom &room : CardTextRooms)
            QVERIFY2(metrics.horizontalAdvance(QLatin1String(room.widestText)) <= room.width,
                     room.widestText);
        if (families == CardFontFamilies()) // Arial's metrics need no shrinking
            QCOMPARE(font.pixelSize(), 48);
    }

    void noDisplayIsSaidInOneLine_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("no display set") << QString();
        QTest::newRow("display unreachable") << ":97";
    }

    void noDisplayIsSaidInOneLine() {
        QFETCH(QString, display);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZF_PROGRAM), {});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, no core
        QCOMPARE(program.exitCode(), 2);
        const QStringList lines =
            QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].contains(QLatin1String("no graphical display is reachable")));
    }

    void closingEndsTheProgram_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("File > Exit") << true;
        QTest::newRow("close button") << false;
    }

    void closingEndsTheProgram() {
        QFETCH(bool, byMenu);
        frmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTimer::singleShot(0, &w, [&] {
            if (byMenu)
                WindowProbe(w).trigger("mnuExit");
            else
                w.close();
        });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); }); // never hang
        // Closing the one window ends the event loop, with status 0.
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
