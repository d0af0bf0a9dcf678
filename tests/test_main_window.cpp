// The main window: as designed, and showing what its drill says however it is operated.

#include "about_window/frm_about.h"
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
    // As it opens: the drill's first card, the designed captions, the version in each title
    // (the main window's minor number where About shows the revision), a fixed size.
    void opens() {
        ScriptedRandom random({0.37f, 0.6f}), same({0.37f, 0.6f});
        frmMain w(&random, {}, {2, 3, 7});
        frmAbout about(&w, TwipsPerPixel, nullptr, {2, 3, 7});
        Drill drill(same);
        drill.Start();
        WindowProbe p(w);
        QCOMPARE(p.shows(), WindowProbe::says(drill));
        QCOMPARE((QStringList{w.windowTitle(), about.findChild<QLabel *>("lblTitle")->text(),
                              p.text("lblCorrectCount"), p.text("lblIncorrectCount"),
                              p.text("lbllimit"), p.text("lblConfirmation")}),
                 (QStringList{"Zembrofact, v2.3", "Zembrofact v2.7", "Correct: 0", "Incorrect: 0",
                              "Range 0-9", "Label1"}));
        QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed: minimise and close only
        QCOMPARE(w.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
    }

    // Once answered: the answer in red, and the counts in words, past 16 bits.
    void answered() {
        ScriptedRandom random({0.345f, 0.0f}); // 3 + 4, its answer on the first button
        frmMain w(&random, {32767, 32767});
        WindowProbe p(w);
        p.clickChoice(1);
        QCOMPARE(p.text("lblCorrectCount") + u' ' + p.text("lblIncorrectCount"),
                 "Right: 32768 Wrong: 32767");
        QCOMPARE(p.label("lblAnswer")->palette().color(QPalette::WindowText), QColor(Qt::red));
        // The operator picture stands on the window's background, white, in a larger box.
        const QImage operatorBox = p.label("pctOperand")->grab().toImage();
        QCOMPARE(operatorBox.pixelColor(operatorBox.rect().bottomRight()), QColor(Qt::white));
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
        // The keyboard starts at the selected option; Tab then visits the command buttons.
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"optOperation(0)", "cmdChoice1", "cmdChoice2", "cmdChoice3",
                                       "cmdChoice4", "cmdNextCard"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), "optOperation(0)");
        // An arrow key moves within the group and selects.
        QTest::keyClick(p.option(0), Qt::Key_Down);
        QVERIFY(p.option(1)->isChecked() && p.option(1)->hasFocus());
    }

    void accessibleTree() {
        ScriptedRandom random({JustBelowOne, 0.0f}); // 9 + 9 = 18 on the first button
        frmMain w(&random);
        // What a screen reader is told without asking: each card as a sum, once the window is
        // active; each verdict with the score; once each, and never the hidden answer early.
        QStringList said;
        connect(w.findChild<Announcer *>(), &Announcer::said, this,
                [&](const QString &message) { said << message; });
        const auto heard = [&](const QStringList &expected) {
            QTRY_COMPARE(said, expected);
            QCoreApplication::processEvents();
            QCOMPARE(said, expected); // and nothing more
        };
        heard({}); // not while the window is not yet active
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        heard({"9 plus 9"});
        WindowProbe p(w);
        const auto name = [](QObject *o, QAccessible::Text text = QAccessible::Name) {
            return QAccessible::queryAccessibleInterface(o)->text(text);
        };
        QCOMPARE(name(p.get("Picture1")), "9 plus 9");
        QCOMPARE(name(p.label("lblAnswer")), QString()); // gives nothing away
        QCOMPARE(name(p.choice(1), QAccessible::Description) + u'|' +
                     name(p.choice(4), QAccessible::Description),
                 "Answer choice 1 of 4|Answer choice 4 of 4");
        QCOMPARE(name(p.choice(1)), "18");
        for (const char *part : {"announcer", "notification"}) // a pixel at the window's corner
            if (auto *widget = w.findChild<QWidget *>(part))
                QCOMPARE(QAccessible::queryAccessibleInterface(widget)->rect(),
                         QRect(w.mapToGlobal(QPoint()), QSize(1, 1)));
        for (QWidget *control : w.centralWidget()->findChildren<QWidget *>()) {
            if (control->isVisible() && control->objectName() != QLatin1String("Shape2") &&
                control->objectName() != QLatin1String("Line1"))
                QVERIFY2(!name(control).isEmpty() ||
                             !name(control, QAccessible::Description).isEmpty(),
                         qPrintable(control->objectName()));
        }

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // later versions say it themselves
        // A checkable menu item says whether it is checked.
        QCOMPARE(name(p.action("mnuRange012")), "Range 0-12, not checked");
        // Checkable, and focused when the open menu has it active.
        auto *tools = w.findChild<QMenu *>("mnuTools");
        tools->popup({});
        tools->setActiveAction(p.action("mnuRange012"));
        const auto state = QAccessible::queryAccessibleInterface(p.action("mnuRange012"))->state();
        QVERIFY(state.checkable && state.focused && !state.checked);
        QCOMPARE(QAccessible::queryAccessibleInterface(p.action("mnuRange012"))->rect().size(),
                 tools->actionGeometry(p.action("mnuRange012")).size()); // where it is shown
        QVERIFY(QAccessible::queryAccessibleInterface(p.action("mnuRange09"))->state().checked);
        // An assistive tool's Press chooses it, as a click does.
        for (const bool checked : {false, true}) {
            QAccessible::queryAccessibleInterface(p.action("mnuRandomize"))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(p.action("mnuRandomize")->isChecked(), checked);
        }
        tools->close();
        QCOMPARE(name(p.action("mnuRange09")), "Range 0-9");
#endif
        p.clickChoice(2);
        heard({"9 plus 9", "Sorry. The correct answer is 18 . Right: 0, Wrong: 1"});
        QCOMPARE(name(p.label("lblAnswer")), "18");

        random.Script({0.0f, 0.0f});
        p.selectOperation(3);
        QCOMPARE(name(p.get("Picture1")) + u'|' + name(p.get("pctOperand")),
                 "1 divided by 1|divided by");
        QEvent activeAgain(QEvent::WindowActivate); // as after About: nothing is said again
        QCoreApplication::sendEvent(&w, &activeAgain);
        heard(
            {"9 plus 9", "Sorry. The correct answer is 18 . Right: 0, Wrong: 1", "1 divided by 1"});
    }

    void cardFontFallbackFits_data() {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QString>("drawnWith"); // empty: whatever fontconfig stands in with
        QTest::newRow("the design's font or its twin") << CardFontFamilies() << "Liberation Sans";
        QTest::newRow("wide sans") << QStringList{"DejaVu Sans"} << "DejaVu Sans";
        QTest::newRow("tall sans, made smaller") << QStringList{"Noto Sans"} << "Noto Sans";
        QTest::newRow("wide and tall letters, made smaller still")
            << QStringList{"Noto Sans Oriya"} << "Noto Sans Oriya";
        QTest::newRow("monospace, after one missing")
            << QStringList{"No Such Font", "Liberation Mono"} << "Liberation Mono";
        QTest::newRow("missing") << QStringList{"No Such Font"} << "";
    }

    void cardFontFallbackFits() {
        QFETCH(QStringList, families);
        const QFont font = CardFont(families);
        QVERIFY(font.bold() && font.pixelSize() > 30);
        if (QFETCH(QString, drawnWith); !drawnWith.isEmpty())
            QCOMPARE(QFontInfo(font).family(), drawnWith);
        // The widest numbers fit the boxes as designed, in pixels: three figures in the top
        // number's and the answer's, two beside the operator picture; 57 high.
        const auto fits = [](const QFont &font) {
            const QFontMetrics metrics(font);
            return metrics.height() <= 57 && metrics.horizontalAdvance("XXX") <= 129 &&
                   metrics.horizontalAdvance("144") <= 129 && metrics.horizontalAdvance("XX") <= 82;
        };
        // Shrunk only as far as it must be; Arial's metrics need no shrinking.
        QFont larger = font;
        larger.setPixelSize(font.pixelSize() + 1);
        QVERIFY(fits(font) && (font.pixelSize() == 48 || !fits(larger)));
        if (families == CardFontFamilies())
            QCOMPARE(font.pixelSize(), 48);
    }

    // Without a display the program says so in one line and ends with status 2, no core. A
    // warning while the toolkit starts (a style the desktop asks for is not installed) is no
    // reason to stop.
    void noDisplayIsSaidInOneLine() {
        // None set, one not reachable, or a display (offscreen) and the warning.
        for (const QString display : {"", ":97", "offscreen"}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QLatin1String(name));
            if (display == QLatin1String("offscreen"))
                env.insert("QT_QPA_PLATFORM", display), env.insert("QT_STYLE_OVERRIDE", "none");
            else if (!display.isEmpty())
                env.insert("DISPLAY", display);
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QStringLiteral(ZF_PROGRAM), {});
            if (display == QLatin1String("offscreen")) {
                QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError());
                program.kill();
                QVERIFY(program.waitForFinished());
                continue;
            }
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, 2);
            const QString said = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(said.count(u'\n') == 1 &&
                         said.contains(QStringLiteral("no graphical display is reachable") +
                                       (display.isEmpty() ? " (neither" : " at DISPLAY=:97\n")),
                     qPrintable(said));
        }
    }

    // Under Wayland (ctest's test_main_window_wayland) the window gives its desktop entry's
    // name, by which docks and task bars find the program's launcher and icon.
    void namesItsDesktopEntry() {
        if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            QSKIP("needs a Wayland compositor: ctest runs it as test_main_window_wayland");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WAYLAND_DEBUG", "client"); // what it asks of the compositor, on fd 2
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZF_PROGRAM), {});
        QByteArray asked;
        QTRY_VERIFY_WITH_TIMEOUT((asked += program.readAllStandardError()).contains("set_app_id("),
                                 20000);
        program.kill();
        program.waitForFinished();
        QVERIFY(asked.contains("set_app_id(\"" ZF_APP_ID "\")"));
    }

    // A long seeded session over every control and menu item, operated in every way a user can
    // (the mouse, the keyboard, assistive actions, the menus, About opened and closed). Beside
    // it, a drill given the same random draws takes the command each event is designed to give.
    // After every event the window shows what that drill says, has made the same random draws
    // (no deal missed or repeated), and the resident memory stays flat. ZF_SOAK_SCALE
    // (0 < scale <= 1) shortens the run.
    void sessionFollowsTheDrill() {
        const double scale = qEnvironmentVariable("ZF_SOAK_SCALE", "1").toDouble();
        const int events = int(20000 * std::clamp(scale, 0.01, 1.0));
        QRandomGenerator rng(20261207);
        const auto pick = [&](const auto &list) { return list[rng.bounded(list.size())]; };
        QList<float> draws;
        for (int i = 0; i < 2 * events; ++i)
            draws << float(rng.generateDouble());
        ScriptedRandom random(draws), same(draws);
        frmMain w(&random);
        WindowProbe p(w);
        Drill drill(same);
        drill.Start();
        const auto command = [&drill](const QString &control) { // as each handler is designed
            if (control == QLatin1String("cmdNextCard"))
                drill.DealCard();
            else if (control.startsWith(QLatin1String("cmdChoice")))
                drill.CheckAnswer(control.back().digitValue());
            else if (control.startsWith(QLatin1String("optOperation")))
                drill.SelectOperation(control.at(13).digitValue());
            else if (control == QLatin1String("mnuReset"))
                drill.Reset();
            else if (control == QLatin1String("mnuRandomize"))
                drill.ToggleRandom();
            else if (control.startsWith(QLatin1String("mnuRange")))
                drill.SelectRange(control.endsWith(QLatin1String("09")) ? 9 : 12);
        };
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto actions = accessibleActions(&w);
        const QString press = QAccessibleActionInterface::pressAction();
        for (int i = 0; i < 4; ++i) // not offered for options, but carried out when asked for
            actions.append({QAccessible::queryAccessibleInterface(p.option(i)), press});
        std::partition(actions.begin(), actions.end(), [](const auto &pair) {
            return pair.first->object()->objectName() != QLatin1String("mnuExit");
        });
        const AccessibleAction exit = actions.takeLast(); // last: it closes the window
        QList<QAbstractButton *> buttons{p.button("cmdNextCard")};
        for (int i = 0; i < 4; ++i)
            buttons << p.choice(i + 1) << p.option(i);
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
            const int way = rng.bounded(100),
                      selected = p.get<QButtonGroup>("optOperation")->checkedId();
            QObject *target = nullptr;
            QString action = press;
            bool acts = true;
            const int closedBefore = closed;
            if (event == events) { // Exit, from an assistive tool
                target = exit.first->object();
                exit.first->actionInterface()->doAction(press);
            } else if (way < 45) { // the mouse
                target = pick(buttons);
                p.click(static_cast<QAbstractButton *>(target));
            } else if (way < 75) { // Space or Enter on a button, an arrow key among options
                auto *button = pick(buttons);
                const bool arrow = qobject_cast<QRadioButton *>(button) && way % 2;
                button->setFocus();
                QTest::keyClick(button, arrow     ? Qt::Key_Down
                                        : way % 2 ? Qt::Key_Return
                                                  : Qt::Key_Space);
                // An arrow moves the focus, and from the selected option selects there.
                target = arrow ? w.focusWidget() : button;
                acts = !arrow || (button == p.option(selected) && target != button);
            } else if (way < 95) { // the menus, About now and then
                target = p.action(event % 80 ? pick(items) : QString("mnuAbout"));
                static_cast<QAction *>(target)->trigger();
            } else { // an assistive tool; pressed buttons are animated, so mostly clicked
                const auto [control, name] = pick(actions);
                target = control->object();
                action = name;
                auto *button = qobject_cast<QAbstractButton *>(target);
                if (button && name == press && event % 8)
                    p.click(button);
                else
                    control->actionInterface()->doAction(name);
                QTRY_VERIFY(!button || !button->isDown());
                // Toggling the selected option selects nothing: an option cannot be unselected.
                acts = !(name == QLatin1String("Toggle") && target == p.option(selected));
            }
            const QString what =
                QString("event %1, %2 %3").arg(event).arg(target->objectName(), action);
            QCOMPARE(closed - closedBefore, int(target->objectName() == QLatin1String("mnuAbout")));
            if (acts)
                command(target->objectName());
            const QString shown = p.shows(), said = WindowProbe::says(drill);
            QVERIFY2(shown == said,
                     qPrintable(what + ": " + shown + " where the drill says " + said));
            QVERIFY2(random.draws == same.draws && w.isVisible() == (event < events),
                     qPrintable(what));
        }
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
