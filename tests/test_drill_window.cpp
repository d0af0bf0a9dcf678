#include "platform/error_path.h"
#include "platform/image_list.h"
#include "scripted_random.h"
#include "window_probe.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZF_UNDER_ASAN 1 // its quarantine only ever grows: memory is not flat under it
#endif

namespace {

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
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

void perform(QAccessibleInterface *control, const QString &action) {
    control->actionInterface()->doAction(action);
    if (auto *button = qobject_cast<QAbstractButton *>(control->object()))
        QTRY_VERIFY(!button->isDown()); // a pressed button clicks after a short animation
}

// What a user's click does where an assistive tool performs action on target's twin.
void clickLike(QObject *target, const QString &action) {
    if (auto *button = qobject_cast<QAbstractButton *>(target)) {
        // Toggling the selected option selects nothing: an option cannot be unselected.
        if (!(action == QAccessibleActionInterface::toggleAction() && button->isChecked()))
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    } else if (auto *item = qobject_cast<QAction *>(target)) {
        item->trigger();
    }
}

bool isAbout(const QObject *target) {
    return target->objectName() == QLatin1String("mnuAbout");
}

// Runs what, closing every modal window it opens; the number closed.
int closingModals(const std::function<void()> &what) {
    int closed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
            ++closed;
        }
    });
    closer.start(0);
    what();
    return closed;
}

} // namespace

class TestDrillWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void verdicts_data();
    void verdicts();
    void reset();
    void settings_data();
    void settings();
    void randomizeOnlyTogglesItsMark();
    void inOrderResumesAcrossDecks();
    void accessibleActionsDoWhatClicksDo();
    void randomSessionKeepsTheWindowSound();

private:
    QStringList errors_;
};

void TestDrillWindow::init() {
    errors_.clear();
    ErrorPath::SetReporter([this](const QString &message) { errors_ << message; });
}

void TestDrillWindow::cleanup() {
    ErrorPath::ResetReporter();
    QCOMPARE(errors_, QStringList());
}

void TestDrillWindow::verdicts_data() {
    QTest::addColumn<float>("card");     // addition 0-9: 0.345 deals 3 + 4, 0.015 0 + 1
    QTest::addColumn<float>("position"); // 0 puts the answer on the first button
    QTest::addColumn<int>("start");      // both counts before the answer
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("score");
    const QString right = "That's correct!";
    QTest::newRow("right") << 0.345f << 0.0f << 0 << 1 << right << "Right: 1 Wrong: 0";
    QTest::newRow("wrong") << 0.345f << 0.0f << 0 << 2 << "Sorry. The correct answer is 7 ."
                           << "Right: 0 Wrong: 1";
    for (int n = 2; n <= 4; ++n) // each button judges its own caption
        QTest::addRow("right, button %d", n) << 0.345f << std::min((n - 1) / 4.0f, JustBelowOne)
                                             << 0 << n << right << "Right: 1 Wrong: 0";
    QTest::newRow("right past 32767")
        << 0.345f << 0.0f << 32767 << 1 << right << "Right: 32768 Wrong: 32767";
    QTest::newRow("wrong past 32767")
        << 0.345f << 0.0f << 32767 << 3 << "Sorry. The correct answer is 7 ."
        << "Right: 32767 Wrong: 32768";
    // Judged by caption: answer 1 also stands on the second button as its decoy.
    QTest::newRow("same caption as the answer")
        << 0.015f << 0.0f << 0 << 2 << right << "Right: 1 Wrong: 0";
}

void TestDrillWindow::verdicts() {
    QFETCH(float, card);
    QFETCH(float, position);
    QFETCH(int, start);
    QFETCH(int, pressed);
    QFETCH(QString, verdict);
    QFETCH(QString, score);
    ScriptedRandom random({card, position});
    frmMain w(&random);
    WindowProbe p(w);
    w.ScoreForTesting() = {start, start};
    auto shownScore = [&] {
        return p.text("lblCorrectCount") + u' ' + p.text("lblIncorrectCount");
    };
    p.clickChoice(pressed);
    QCOMPARE(p.text("lblConfirmation"), verdict);
    QCOMPARE(shownScore(), score);
    QVERIFY(p.label("lblConfirmation")->isVisibleTo(&w));
    QVERIFY(p.label("lblAnswer")->isVisibleTo(&w));
    // The whole verdict is readable, centred where it stands by design; the answer is red.
    const QLabel *verdictLabel = p.label("lblConfirmation");
    QVERIFY(verdictLabel->width() >= verdictLabel->fontMetrics().horizontalAdvance(verdict));
    QVERIFY(qAbs(verdictLabel->geometry().center().x() - 128) <= 1);
    QCOMPARE(p.label("lblAnswer")->palette().color(QPalette::WindowText), QColor(Qt::red));
    // Locked until the next deal: pressing again changes nothing.
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!p.choice(n)->isEnabled());
        p.clickChoice(n);
    }
    QCOMPARE(p.text("lblConfirmation"), verdict);
    QCOMPARE(shownScore(), score);
}

void TestDrillWindow::reset() {
    ScriptedRandom random({0.345f, 0.0f});
    frmMain w(&random);
    WindowProbe p(w);
    p.trigger("mnuRandomize"); // in order, to watch the position
    for (int i = 0; i < 3; ++i) {
        p.nextCard();
        p.clickChoice(1 + i % 4);
    }
    const int cursor = w.Dealer().CardCursor();
    const int deckEnd = w.Cards().LastCard();
    p.trigger("mnuReset");
    QCOMPARE(p.text("lblCorrectCount"), "Right: 0");
    QCOMPARE(p.text("lblIncorrectCount"), "Wrong: 0");
    // Reset deals the next card in order from the same deck, from where the order stood.
    QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[cursor]));
    QCOMPARE(w.Cards().LastCard(), deckEnd);
    QVERIFY(!p.answered());
    QCOMPARE(p.invariantViolation(), QString());
}

void TestDrillWindow::settings_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("twelve");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("lastCard");
    const char *keys[] = {"A", "S", "M", "D"};
    const int lastAt9[] = {99, 54, 99, 80}, lastAt12[] = {168, 90, 168, 143};
    for (int op = 0; op < 4; ++op)
        for (bool twelve : {false, true})
            QTest::addRow("%s %s", keys[op], twelve ? "0-12" : "0-9")
                << op << twelve << keys[op] << (twelve ? lastAt12[op] : lastAt9[op]);
}

void TestDrillWindow::settings() {
    QFETCH(int, operation);
    QFETCH(bool, twelve);
    QFETCH(QString, key);
    QFETCH(int, lastCard);
    ScriptedRandom random({0.5f, 0.0f});
    frmMain w(&random);
    WindowProbe p(w);
    const char *range = twelve ? "mnuRange012" : "mnuRange09";
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
    QCOMPARE(p.action("mnuRange012")->isChecked(), twelve);
    QCOMPARE(p.operatorKey(), key);
    QCOMPARE(w.Cards().LastCard(), lastCard);
    QCOMPARE(p.text("lblCorrectCount") + p.text("lblIncorrectCount"), score);
    QCOMPARE(p.invariantViolation(), QString());
}

void TestDrillWindow::randomizeOnlyTogglesItsMark() {
    frmMain w;
    WindowProbe p(w);
    const QString card = p.card();
    const QString first = p.choice(1)->text();
    p.trigger("mnuRandomize");
    QVERIFY(!p.action("mnuRandomize")->isChecked());
    p.trigger("mnuRandomize");
    QVERIFY(p.action("mnuRandomize")->isChecked());
    QCOMPARE(p.card(), card);
    QCOMPARE(p.choice(1)->text(), first);
}

void TestDrillWindow::inOrderResumesAcrossDecks() {
    frmMain w;
    WindowProbe p(w);
    p.trigger("mnuRandomize");
    p.trigger("mnuRange012");     // deals index 0 of addition 0-12
    for (int i = 0; i < 120; ++i) // then 1 to 120
        p.nextCard();
    p.trigger("mnuRange09"); // past the end of 0-9: the front again
    QCOMPARE(p.card(), "0 0 0");
    p.selectOperation(1); // subtraction 0-9 goes on at index 1
    QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[1]));
    p.trigger("mnuRandomize");
    p.nextCard();
    p.trigger("mnuRandomize");
    p.nextCard(); // a random deal left the order alone
    QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[2]));
}

// Assistive tools operate the window through accessible actions: each must do what a click on
// its control does, once. A twin window with the same random draws, clicked, shows what that is.
void TestDrillWindow::accessibleActionsDoWhatClicksDo() {
    QList<float> draws;
    QRandomGenerator rng(11);
    for (int i = 0; i < 2000; ++i)
        draws << float(rng.generateDouble());
    ScriptedRandom randomA(draws), randomB(draws);
    frmMain a(&randomA), b(&randomB);
    WindowProbe pa(a), pb(b);
    a.show();
    b.show();
    auto actions = accessibleActions(&a);
    QStringList offered;
    for (const auto &[control, action] : actions)
        offered << control->object()->objectName() + u':' + action;
    for (const char *expected : {"optOperation(2):Toggle", "cmdChoice3:Press", "cmdNextCard:Press",
                                 "mnuReset:Press", "mnuRange012:Press", "mnuAbout:Press"})
        QVERIFY2(offered.contains(QLatin1String(expected)), qPrintable(offered.join(u' ')));
    for (int i = 0; i < 4; ++i) // not offered for options, but carried out when asked for
        actions.append({QAccessible::queryAccessibleInterface(pa.option(i)),
                        QAccessibleActionInterface::pressAction()});
    // Exit last: it closes both windows.
    std::stable_partition(actions.begin(), actions.end(), [](const auto &pair) {
        return pair.first->object()->objectName() != QLatin1String("mnuExit");
    });
    for (int round = 0; round < 3; ++round) {
        if (round > 0)
            std::shuffle(actions.begin(), actions.end() - 1, *QRandomGenerator::global());
        for (const auto &[control, action] : actions) {
            const QString what = control->object()->objectName() + u' ' + action;
            QObject *twin = b.findChild<QObject *>(control->object()->objectName());
            const int drawsBefore = randomB.draws;
            QCOMPARE(closingModals([&] { perform(control, action); }), 0 + isAbout(twin));
            QCOMPARE(closingModals([&] { clickLike(twin, action); }), 0 + isAbout(twin));
            QTRY_COMPARE(pa.state(), pb.state());
            QVERIFY2(randomB.draws - drawsBefore <= 2, qPrintable(what)); // one deal at most
            QCOMPARE(randomA.draws, randomB.draws);
            QVERIFY2(pa.invariantViolation().isEmpty(), qPrintable(what));
        }
    }
    QVERIFY(!a.isVisible());
}

// A long seeded session over every control and menu item, operated in every way a user can: the
// mouse, the keyboard and assistive actions, with About windows opened and closed in between.
// What must hold is checked after every event, and the resident memory must stay flat.
// ZF_SOAK_SCALE (0 < scale <= 1) shortens the run, for slow instrumented builds.
void TestDrillWindow::randomSessionKeepsTheWindowSound() {
    bool ok = false;
    double scale = qEnvironmentVariable("ZF_SOAK_SCALE").toDouble(&ok);
    if (!ok || scale <= 0 || scale > 1)
        scale = 1;
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    WindowProbe p(w);
    auto actions = accessibleActions(&w);
    actions.removeIf([](const auto &pair) {
        return pair.first->object()->objectName() == QLatin1String("mnuExit");
    });
    QList<QAbstractButton *> buttons{p.button("cmdNextCard")};
    for (int i = 0; i < 4; ++i)
        buttons << p.choice(i + 1) << p.option(i);
    const QStringList items{"mnuReset", "mnuRandomize", "mnuRange09", "mnuRange012", "mnuAbout"};
    QRandomGenerator rng(20261207);
    std::int64_t answered = 0;
    qint64 baseline = 0;
    const int events = int(40000 * scale);
    for (int event = 0; event < events; ++event) {
        if (event == 1000)
            baseline = residentBytes();
        const bool wasOpen = !p.answered();
        const int way = rng.bounded(100);
        QString done;
        if (way < 45) { // the mouse
            QAbstractButton *button = buttons[rng.bounded(buttons.size())];
            p.click(button);
            done = button->objectName();
        } else if (way < 75) { // Space on a button, or an arrow key among the options
            QAbstractButton *button = buttons[rng.bounded(buttons.size())];
            button->setFocus();
            const bool option = qobject_cast<QRadioButton *>(button);
            QTest::keyClick(button, option && way % 2 ? Qt::Key_Down : Qt::Key_Space);
            done = button->objectName();
        } else if (way < 95) { // the menus
            const QString item = items[rng.bounded(items.size() - (event % 80 != 0))];
            QCOMPARE(closingModals([&] { p.trigger(item); }), int(item == "mnuAbout"));
            done = item;
        } else { // an assistive tool; pressed buttons are animated, so rarely
            const auto &[control, action] = actions[rng.bounded(actions.size())];
            auto *button = qobject_cast<QAbstractButton *>(control->object());
            if (button && action == QAccessibleActionInterface::pressAction() && event % 8)
                continue;
            closingModals([&] { perform(control, action); });
            done = control->object()->objectName();
        }
        if (done == QLatin1String("mnuReset"))
            answered = 0;
        answered += wasOpen && p.answered();
        const QString violation = p.invariantViolation();
        QVERIFY2(violation.isEmpty(),
                 qPrintable(QStringLiteral("event %1 (%2): %3").arg(event).arg(done, violation)));
        QCOMPARE(w.ScoreForTesting().RightCount + w.ScoreForTesting().WrongCount, answered);
        QVERIFY(errors_.isEmpty());
        if (event % 1000 == 0)
            QCoreApplication::processEvents(); // let it paint now and then
    }
#ifndef ZF_UNDER_ASAN
    const qint64 growth = residentBytes() - baseline;
    qInfo("resident memory grew by %lld KiB over %d events", growth / 1024, events);
    QVERIFY(growth < 2 * 1024 * 1024);
#endif
}

QTEST_MAIN(TestDrillWindow)
#include "test_drill_window.moc"
