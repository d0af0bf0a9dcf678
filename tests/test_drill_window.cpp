#include "platform/error_path.h"
#include "platform/image_list.h"
#include "scripted_random.h"
#include "window_probe.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QRandomGenerator>

class TestDrillWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void verdicts_data();
    void verdicts();
    void sameCaptionJudgedAlike();
    void passedOverCardCountsNeitherWay();
    void countsPassSixteenBits_data();
    void countsPassSixteenBits();
    void reset_data();
    void reset();
    void settings_data();
    void settings();
    void rangeAlreadyInForceStillRebuilds();
    void randomizeOnlyTogglesItsMark();
    void inOrderResumesAcrossDecks();
    void randomClicksKeepTheWindowSound();

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
    QTest::addColumn<float>("cardFraction");
    QTest::addColumn<float>("positionFraction");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("wrong");
    // Addition 0-9: 0.345 deals 3 + 4 = 7; 0.0 puts 7 on the first button.
    QTest::newRow("right") << 0.345f << 0.0f << 1 << "That's correct!"
                           << "Right: 1"
                           << "Wrong: 0";
    QTest::newRow("wrong") << 0.345f << 0.0f << 2 << "Sorry. The correct answer is 7 ."
                           << "Right: 0"
                           << "Wrong: 1";
    QTest::newRow("right on the last button") << 0.345f << JustBelowOne << 4 << "That's correct!"
                                              << "Right: 1"
                                              << "Wrong: 0";
}

void TestDrillWindow::verdicts() {
    QFETCH(float, cardFraction);
    QFETCH(float, positionFraction);
    QFETCH(int, pressed);
    QFETCH(QString, verdict);
    QFETCH(QString, right);
    QFETCH(QString, wrong);
    ScriptedRandom random({cardFraction, positionFraction});
    frmMain w(&random);
    WindowProbe p(w);
    p.clickChoice(pressed);
    QCOMPARE(p.text(QStringLiteral("lblConfirmation")), verdict);
    QVERIFY(p.label(QStringLiteral("lblConfirmation"))->isVisibleTo(&w));
    QVERIFY(p.label(QStringLiteral("lblAnswer"))->isVisibleTo(&w));
    QCOMPARE(p.text(QStringLiteral("lblAnswer")), QStringLiteral("7"));
    // The whole verdict is readable, centred where the design puts it; the answer is red.
    const QLabel *verdictLabel = p.label(QStringLiteral("lblConfirmation"));
    QVERIFY(verdictLabel->width() >= verdictLabel->fontMetrics().horizontalAdvance(verdict));
    QVERIFY(qAbs(verdictLabel->geometry().center().x() - 128) <= 1);
    const QImage answer = p.label(QStringLiteral("lblAnswer"))->grab().toImage();
    int red = 0;
    for (int y = 0; y < answer.height(); ++y)
        for (int x = 0; x < answer.width(); ++x)
            red += answer.pixelColor(x, y) == QColor(255, 0, 0);
    QVERIFY(red > 50);
    QCOMPARE(p.text(QStringLiteral("lblCorrectCount")), right);
    QCOMPARE(p.text(QStringLiteral("lblIncorrectCount")), wrong);
    // Locked until the next deal: pressing again changes nothing.
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!p.choice(n)->isEnabled());
        p.clickChoice(n);
    }
    QCOMPARE(p.text(QStringLiteral("lblConfirmation")), verdict);
    QCOMPARE(p.text(QStringLiteral("lblCorrectCount")), right);
    QCOMPARE(p.text(QStringLiteral("lblIncorrectCount")), wrong);
}

void TestDrillWindow::sameCaptionJudgedAlike() {
    // Answer 1 on the first button: the second shows 1 as its decoy, and it counts as right.
    for (int pressed : {1, 2}) {
        ScriptedRandom random({0.015f, 0.0f});
        frmMain w(&random);
        WindowProbe p(w);
        QCOMPARE(p.choice(1)->text(), p.choice(2)->text());
        p.clickChoice(pressed);
        QCOMPARE(p.text(QStringLiteral("lblConfirmation")), QStringLiteral("That's correct!"));
    }
    // Answer 0 on the last button: two buttons show the same decoy 2, both wrong.
    for (int pressed : {1, 2}) {
        ScriptedRandom random({0.0f, JustBelowOne});
        frmMain w(&random);
        WindowProbe p(w);
        QCOMPARE(p.choice(1)->text(), QStringLiteral("2"));
        p.clickChoice(pressed);
        QCOMPARE(p.text(QStringLiteral("lblConfirmation")),
                 QStringLiteral("Sorry. The correct answer is 0 ."));
    }
}

void TestDrillWindow::passedOverCardCountsNeitherWay() {
    frmMain w;
    WindowProbe p(w);
    p.nextCard();
    p.nextCard();
    QCOMPARE(p.text(QStringLiteral("lblCorrectCount")), QStringLiteral("Correct: 0"));
    QCOMPARE(p.text(QStringLiteral("lblIncorrectCount")), QStringLiteral("Incorrect: 0"));
    QCOMPARE(w.ScoreForTesting().RightCount + w.ScoreForTesting().WrongCount, 0);
}

void TestDrillWindow::countsPassSixteenBits_data() {
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("wrong");
    QTest::newRow("right answer") << 1 << "Right: 32768"
                                  << "Wrong: 32767";
    QTest::newRow("wrong answer") << 2 << "Right: 32767"
                                  << "Wrong: 32768";
}

void TestDrillWindow::countsPassSixteenBits() {
    QFETCH(int, pressed);
    QFETCH(QString, right);
    QFETCH(QString, wrong);
    ScriptedRandom random({0.345f, 0.0f});
    frmMain w(&random);
    WindowProbe p(w);
    w.ScoreForTesting().RightCount = 32767;
    w.ScoreForTesting().WrongCount = 32767;
    p.clickChoice(pressed);
    QCOMPARE(p.text(QStringLiteral("lblCorrectCount")), right);
    QCOMPARE(p.text(QStringLiteral("lblIncorrectCount")), wrong);
}

void TestDrillWindow::reset_data() {
    QTest::addColumn<int>("answersFirst");
    QTest::newRow("before any answer") << 0;
    QTest::newRow("after some") << 3;
}

void TestDrillWindow::reset() {
    QFETCH(int, answersFirst);
    ScriptedRandom random({0.345f, 0.0f});
    frmMain w(&random);
    WindowProbe p(w);
    p.trigger(QStringLiteral("mnuRandomize")); // in order, to watch the position
    for (int i = 0; i < answersFirst; ++i) {
        p.nextCard();
        p.clickChoice(1 + i % 4);
    }
    const int cursor = w.Dealer().CardCursor();
    const int deckEnd = w.Cards().LastCard();
    p.trigger(QStringLiteral("mnuReset"));
    QCOMPARE(p.text(QStringLiteral("lblCorrectCount")), QStringLiteral("Right: 0"));
    QCOMPARE(p.text(QStringLiteral("lblIncorrectCount")), QStringLiteral("Wrong: 0"));
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
    frmMain w;
    WindowProbe p(w);
    // Some score first, and an answered card.
    p.clickChoice(1);
    p.nextCard();
    p.clickChoice(2);
    const QString right = p.text(QStringLiteral("lblCorrectCount"));
    const QString wrong = p.text(QStringLiteral("lblIncorrectCount"));

    p.selectOperation(operation);
    p.trigger(twelve ? QStringLiteral("mnuRange012") : QStringLiteral("mnuRange09"));
    QCOMPARE(p.text(QStringLiteral("lbllimit")), twelve ? "Range: 0-12" : "Range: 0-9");
    QCOMPARE(p.action(QStringLiteral("mnuRange012"))->isChecked(), twelve);
    QCOMPARE(p.action(QStringLiteral("mnuRange09"))->isChecked(), !twelve);
    QVERIFY(p.option(operation)->isChecked());
    ImageList images;
    QCOMPARE(p.label(QStringLiteral("pctOperand"))->pixmap().toImage(),
             images.Image(key).toImage());
    QCOMPARE(w.Cards().LastCard(), lastCard);
    QCOMPARE(p.text(QStringLiteral("lblCorrectCount")), right);
    QCOMPARE(p.text(QStringLiteral("lblIncorrectCount")), wrong);

    // An answered card is replaced by an open one; in order, cards follow the new deck.
    p.clickChoice(3);
    p.selectOperation(operation);
    QVERIFY(!p.answered());
    p.trigger(QStringLiteral("mnuRandomize"));
    int index = w.Dealer().CardCursor();
    for (int i = 0; i < lastCard + 3; ++i) {
        p.nextCard();
        QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[index]));
        index = index == lastCard ? 0 : index + 1;
    }
}

void TestDrillWindow::rangeAlreadyInForceStillRebuilds() {
    ScriptedRandom random({0.5f, 0.0f});
    frmMain w(&random);
    WindowProbe p(w);
    p.clickChoice(1);
    random.Script({0.0f, 0.0f});
    p.trigger(QStringLiteral("mnuRange09"));
    QCOMPARE(p.text(QStringLiteral("lbllimit")), QStringLiteral("Range: 0-9"));
    QVERIFY(p.action(QStringLiteral("mnuRange09"))->isChecked());
    QVERIFY(!p.action(QStringLiteral("mnuRange012"))->isChecked());
    QCOMPARE(p.card(), QStringLiteral("0 0 0")); // a new card was dealt
    QVERIFY(!p.answered());
}

void TestDrillWindow::randomizeOnlyTogglesItsMark() {
    frmMain w;
    WindowProbe p(w);
    const QString card = p.card();
    const QString first = p.choice(1)->text();
    p.trigger(QStringLiteral("mnuRandomize"));
    QVERIFY(!p.action(QStringLiteral("mnuRandomize"))->isChecked());
    p.trigger(QStringLiteral("mnuRandomize"));
    QVERIFY(p.action(QStringLiteral("mnuRandomize"))->isChecked());
    QCOMPARE(p.card(), card);
    QCOMPARE(p.choice(1)->text(), first);
}

void TestDrillWindow::inOrderResumesAcrossDecks() {
    frmMain w;
    WindowProbe p(w);
    p.trigger(QStringLiteral("mnuRandomize"));
    p.trigger(QStringLiteral("mnuRange012")); // deals index 0 of addition 0-12
    for (int i = 0; i < 120; ++i)             // then 1 to 120
        p.nextCard();
    p.trigger(QStringLiteral("mnuRange09")); // past the end of 0-9: the front again
    QCOMPARE(p.card(), QStringLiteral("0 0 0"));
    p.selectOperation(1); // subtraction 0-9 goes on at index 1
    QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[1]));
    p.trigger(QStringLiteral("mnuRandomize"));
    p.nextCard();
    p.trigger(QStringLiteral("mnuRandomize"));
    p.nextCard(); // a random deal left the order alone
    QCOMPARE(p.card(), WindowProbe::cardText(w.Cards().Deck()[2]));
}

void TestDrillWindow::randomClicksKeepTheWindowSound() {
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    WindowProbe p(w);
    QRandomGenerator rng(20261206);
    std::int64_t answered = 0;
    QElapsedTimer clock;
    clock.start();
    const QStringList actions{"mnuReset", "mnuRandomize", "mnuRange09", "mnuRange012"};
    for (int event = 0; event < 6000 && clock.elapsed() < 60000; ++event) {
        const int what = rng.bounded(12);
        const bool wasOpen = !p.answered();
        if (what < 4) {
            p.clickChoice(what + 1);
            answered += wasOpen;
        } else if (what < 6) {
            p.nextCard();
        } else if (what < 8) {
            p.selectOperation(rng.bounded(4));
        } else {
            const QString name = actions[what - 8];
            if (name == QLatin1String("mnuReset"))
                answered = 0;
            p.trigger(name);
        }
        const QString violation = p.invariantViolation();
        QVERIFY2(violation.isEmpty(),
                 qPrintable(QStringLiteral("event %1: %2").arg(event).arg(violation)));
        QCOMPARE(w.ScoreForTesting().RightCount + w.ScoreForTesting().WrongCount, answered);
        QVERIFY(errors_.isEmpty());
    }
}

QTEST_MAIN(TestDrillWindow)
#include "test_drill_window.moc"
