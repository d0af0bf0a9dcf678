// The main window: as designed, answering and the settings, every way of operating it.

#include "about_window/frm_about.h"
#include "app/app_info.h"
#include "form/announce.h"
#include "main_window/card_font.h"
#include "scripted_random.h"
#include "window_probe.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <unistd.h>

// A card dealt (its random fraction), where its answer stands, both counts before, the button
// pressed, and what the window then shows.
struct Answering {
    float card, position;
    int start, pressed;
    QString verdict, score;
};
Q_DECLARE_METATYPE(Answering)

namespace {

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE)
               : -1;
}

using AccessibleAction = std::pair<QAccessibleInterface *, QString>;

// Every accessible action the window offers, but moving the focus or opening a menu.
QList<AccessibleAction> accessibleActions(QWidget *window) {
    QList<AccessibleAction> found;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *control) {
        if (QAccessibleActionInterface *actions = control ? control->actionInterface() : nullptr)
            for (const QString &action : actions->actionNames())
                if (action != QAccessibleActionInterface::setFocusAction() &&
                    action != QAccessibleActionInterface::showMenuAction())
                    found.append({control, action});
        for (int i = 0; control && i < control->childCount(); ++i)
            walk(control->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return found;
}

} // namespace

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
        QCOMPARE(w.Dealer().CardCursor(), 0);
    }

    // The main window's caption shows the minor number where About shows the revision.
    void captionsShowTheVersion() {
        frmMain w(nullptr, {}, {2, 3, 7});
        frmAbout about(&w, TwipsPerPixel, nullptr, {2, 3, 7});
        QCOMPARE(w.windowTitle(), "Zembrofact, v2.3");
        QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(), "Zembrofact v2.7");
    }

    // No control outside the card covers another; the card's numbers line up as a column sum.
    // (Its colours: the desktop look test.)
    void looksAsDesigned() {
        frmMain w;
        WindowProbe p(w);
        const auto outside = w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : outside)
            for (QWidget *other : outside)
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + u' ' + other->objectName()));
        const int right = p.get("lblTopNum")->geometry().right();
        QCOMPARE(p.get("lblBottomNum")->geometry().right(), right);
        QCOMPARE(p.get("lblAnswer")->geometry().right(), right);
        QCOMPARE(p.get("Shape2")->geometry(), p.get("lblAnswer")->geometry());
        QVERIFY(p.get("pctOperand")->geometry().intersects(p.get("lblBottomNum")->geometry()));
        QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed: minimise and close only
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

    void keyboard() {
        frmMain w;
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
        const auto name = [](QObject *o, QAccessible::Text text = QAccessible::Name) {
            return QAccessible::queryAccessibleInterface(o)->text(text);
        };
        QCOMPARE(name(p.get("Picture1")), "9 plus 9");
        QCOMPARE(name(p.label("lblAnswer")), QString()); // gives nothing away
        QCOMPARE(name(p.choice(3), QAccessible::Description), "Answer choice 3 of 4");
        QCOMPARE(name(p.choice(1)), "18");
        for (QWidget *control : w.centralWidget()->findChildren<QWidget *>()) {
            if (control->isVisible() && control->objectName() != QLatin1String("Shape2") &&
                control->objectName() != QLatin1String("Line1"))
                QVERIFY2(!name(control).isEmpty() ||
                             !name(control, QAccessible::Description).isEmpty(),
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
        QTest::newRow("monospace") << QStringList{"Liberation Mono"};
        QTest::newRow("missing") << QStringList{"No Such Font"};
    }

    void cardFontFallbackFits() {
        QFETCH(QStringList, families);
        const QFont font = CardFont(families);
        const QFontMetrics metrics(font);
        QVERIFY(font.bold() && font.pixelSize() > 30 && metrics.height() <= CardTextHeight);
        for (const CardTextRoom &room : CardTextRooms)
            QVERIFY2(metrics.horizontalAdvance(QLatin1String(room.widestText)) <= room.width,
                     room.widestText);
        if (families == CardFontFamilies()) // Arial's metrics need no shrinking
            QCOMPARE(font.pixelSize(), 48);
    }

    // Without a display the program says so in one line and ends with status 2, no core.
    void noDisplayIsSaidInOneLine() {
        for (const QString display : {"", ":97"}) { // none set, or one not reachable
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QLatin1String(name));
            if (!display.isEmpty())
                env.insert("DISPLAY", display);
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QStringLiteral(ZF_PROGRAM), {});
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, 2);
            const QString said = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(said.count(u'\n') == 1 && said.contains("no graphical display is reachable"),
                     qPrintable(said));
        }
    }

    void verdicts_data() {
        QTest::addColumn<Answering>("row");
        const QString right = "That's correct!", wrong = "Sorry. The correct answer is 7 .";
        // Addition 0-9: 0.345 deals 3 + 4; position 0 puts the answer on the first button.
        for (int n = 1; n <= 4; ++n) // each button judges its own caption
            QTest::addRow("right, button %d", n) << Answering{
                0.345f, std::min((n - 1) / 4.0f, JustBelowOne), 0, n, right, "Right: 1 Wrong: 0"};
        QTest::newRow("wrong") << Answering{0.345f, 0, 0, 2, wrong, "Right: 0 Wrong: 1"};
        QTest::newRow("right past 32767")
            << Answering{0.345f, 0, 32767, 1, right, "Right: 32768 Wrong: 32767"};
        QTest::newRow("wrong past 32767")
            << Answering{0.345f, 0, 32767, 3, wrong, "Right: 32767 Wrong: 32768"};
        // Judged by caption: 0.015 deals 0 + 1, whose answer also stands on the second button.
        QTest::newRow("same caption as the answer")
            << Answering{0.015f, 0, 0, 2, right, "Right: 1 Wrong: 0"};
    }
    void verdicts() {
        QFETCH(Answering, row);
        ScriptedRandom random({row.card, row.position});
        frmMain w(&random, {row.start, row.start});
        WindowProbe p(w);
        const auto shown = [&] {
            return QStringList{p.text("lblConfirmation"),
                               p.text("lblCorrectCount") + u' ' + p.text("lblIncorrectCount")};
        };
        p.clickChoice(row.pressed);
        QCOMPARE(shown(), (QStringList{row.verdict, row.score}));
        QCOMPARE(p.label("lblAnswer")->palette().color(QPalette::WindowText), QColor(Qt::red));
        // Locked until the next deal: pressing again changes nothing.
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(!p.choice(n)->isEnabled());
            p.clickChoice(n);
        }
        QCOMPARE(shown(), (QStringList{row.verdict, row.score}));
    }

    void settings_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<bool>("twelve");
        for (int op = 0; op < 4; ++op)
            for (bool twelve : {false, true})
                QTest::addRow("%c %s", "ASMD"[op], twelve ? "0-12" : "0-9") << op << twelve;
    }
    void settings() {
        QFETCH(int, operation);
        QFETCH(bool, twelve);
        ScriptedRandom random({0.5f, 0.0f});
        frmMain w(&random);
        WindowProbe p(w);
        const char *range = twelve ? "mnuRange012" : "mnuRange09";
        const QString shown = p.card() + p.choice(1)->text();
        p.trigger("mnuRandomize"); // changes its mark only
        QVERIFY(p.card() + p.choice(1)->text() == shown && !p.action("mnuRandomize")->isChecked());
        p.trigger("mnuRandomize");
        p.selectOperation(operation);
        p.trigger(range);
        p.clickChoice(1); // an answered card, and a score
        const QString score = p.text("lblCorrectCount") + p.text("lblIncorrectCount");
        // A range command runs in full even when its range is in force: a fresh card is dealt.
        random.Script({0.0f, 0.0f});
        p.trigger(range);
        QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[0]));
        QVERIFY(!p.answered());
        QCOMPARE(p.text("lbllimit"), twelve ? "Range: 0-12" : "Range: 0-9");
        p.selectOperation(operation); // neither command touches the score
        QVERIFY(p.action("mnuRange012")->isChecked() == twelve && p.option(operation)->isChecked());
        QCOMPARE(p.text("lblCorrectCount") + p.text("lblIncorrectCount"), score);
        QCOMPARE(p.invariantViolation(), QString()); // the deck and picture of both settings
    }

    // A long seeded session over every control and menu item. One window is operated in every
    // way a user can (the mouse, the keyboard, assistive actions, the menus, About opened and
    // closed); its twin, with the same random draws, only by clicks and menu commands. After
    // every event both show the same, what must hold holds, at most one card was dealt, and the
    // resident memory stays flat. ZF_SOAK_SCALE (0 < scale <= 1) shortens the run.
    void twinSessionsAgree() {
        const double scale = qEnvironmentVariable("ZF_SOAK_SCALE", "1").toDouble();
        const int events = int(20000 * std::clamp(scale, 0.01, 1.0));
        QRandomGenerator rng(20261207);
        const auto pick = [&](const auto &list) { return list[rng.bounded(list.size())]; };
        QList<float> draws;
        for (int i = 0; i < 2 * events; ++i)
            draws << float(rng.generateDouble());
        ScriptedRandom randomA(draws), randomB(draws);
        frmMain a(&randomA), b(&randomB);
        WindowProbe pa(a), pb(b);
        b.show();
        a.show();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        auto actions = accessibleActions(&a);
        const QString press = QAccessibleActionInterface::pressAction();
        for (int i = 0; i < 4; ++i) // not offered for options, but carried out when asked for
            actions.append({QAccessible::queryAccessibleInterface(pa.option(i)), press});
        std::partition(actions.begin(), actions.end(), [](const auto &pair) {
            return pair.first->object()->objectName() != QLatin1String("mnuExit");
        });
        const AccessibleAction exit = actions.takeLast(); // last: it closes both windows
        QList<QAbstractButton *> buttons{pa.button("cmdNextCard")};
        for (int i = 0; i < 4; ++i)
            buttons << pa.choice(i + 1) << pa.option(i);
        const QStringList items{"mnuReset", "mnuRandomize", "mnuRange09", "mnuRange012"};
        int closed = 0; // modal windows: every one is closed as soon as it shows
        QTimer closer;
        closer.callOnTimeout(&closer, [&] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close(), ++closed;
        });
        closer.start(0);
        [[maybe_unused]] qint64 baseline = 0; // unread under AddressSanitizer
        for (int event = 0; event <= events; ++event) {
            if (event == 1000)
                baseline = residentBytes();
            const int drawn = randomA.draws, way = rng.bounded(100);
            QObject *target = nullptr;
            QString action = press;
            bool twinActs = true;
            const int closedBefore = closed;
            if (event == events) { // Exit, from an assistive tool
                target = exit.first->object();
                exit.first->actionInterface()->doAction(press);
            } else if (way < 45) { // the mouse
                target = pick(buttons);
                pa.click(static_cast<QAbstractButton *>(target));
            } else if (way < 75) { // Space or Enter on a button, an arrow key among options
                auto *button = pick(buttons);
                const bool arrow = qobject_cast<QRadioButton *>(button) && way % 2;
                const bool selected = button->isChecked();
                button->setFocus();
                QTest::keyClick(button, arrow     ? Qt::Key_Down
                                        : way % 2 ? Qt::Key_Return
                                                  : Qt::Key_Space);
                // An arrow moves the focus, and from the selected option clicks there.
                target = arrow ? a.focusWidget() : button;
                twinActs = !arrow || (selected && target != button);
            } else if (way < 95) { // the menus, About now and then
                target = pa.action(event % 80 ? pick(items) : QString("mnuAbout"));
                static_cast<QAction *>(target)->trigger();
            } else { // an assistive tool; pressed buttons are animated, so mostly clicked
                const auto [control, name] = pick(actions);
                target = control->object();
                action = name;
                auto *button = qobject_cast<QAbstractButton *>(target);
                if (button && name == press && event % 8)
                    pa.click(button);
                else
                    control->actionInterface()->doAction(name);
                QTRY_VERIFY(!button || !button->isDown());
            }
            const QString what =
                QString("event %1, %2 %3").arg(event).arg(target->objectName(), action);
            const int modals = closed - closedBefore;
            QCOMPARE(modals, int(target->objectName() == QLatin1String("mnuAbout")));
            QObject *twin = b.findChild<QObject *>(target->objectName());
            auto *button = qobject_cast<QAbstractButton *>(twin);
            // Toggling the selected option selects nothing: an option cannot be unselected.
            if (twinActs && button && !(action == "Toggle" && button->isChecked()))
                pb.click(button);
            else if (auto *item = qobject_cast<QAction *>(twin))
                item->trigger();
            QCOMPARE(closed - closedBefore, 2 * modals);
            QVERIFY2(pa.state() == pb.state(), qPrintable(what + ": " + pa.state()));
            QVERIFY2(randomA.draws - drawn <= 2, qPrintable(what)); // one deal at most
            const QString violation = pa.invariantViolation();
            QVERIFY2(violation.isEmpty(), qPrintable(what + ": " + violation));
        }
        QVERIFY(!a.isVisible());
#ifndef __SANITIZE_ADDRESS__ // whose quarantine only ever grows
        const qint64 growth = residentBytes() - baseline;
        qInfo("resident memory grew by %lld KiB over %d events", growth / 1024, events);
        QVERIFY(growth < 2 * 1024 * 1024);
#endif
    }

    // Last: once the event loop has ended, no modal window can run.
    void closingEndsTheProgram() {
        for (const bool byMenu : {true, false}) { // File > Exit, or the close button
            frmMain w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QTimer::singleShot(
                0, &w, [&] { byMenu ? WindowProbe(w).trigger("mnuExit") : void(w.close()); });
            QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); }); // never hang
            // Closing the one window ends the event loop, with status 0.
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY(!w.isVisible());
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
