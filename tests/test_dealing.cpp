#include "drill/dealing.h"
#include "drill/mod_cards.h"
#include "platform/runtime_error.h"
#include "scripted_random.h"

#include <QSet>
#include <QTest>

using Captions = std::array<std::int16_t, 4>;
Q_DECLARE_METATYPE(Captions)

class TestDealing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomIndexCoversTheWholeDeck_data();
    void randomIndexCoversTheWholeDeck();
    void inOrderWalksAndWraps();
    void cursorPastASmallerDeckStartsAtTheFront();
    void emptyDeckRaises();
    void captions_data();
    void captions();
    void clockRandomStaysInRangeAndVaries();
};

void TestDealing::randomIndexCoversTheWholeDeck_data() {
    QTest::addColumn<int>("lastCard");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("index");
    QTest::newRow("r=0") << 99 << 0.0f << 0;
    QTest::newRow("r just below 1, addition 9") << 99 << JustBelowOne << 99;
    QTest::newRow("r just below 1, addition 12") << 168 << JustBelowOne << 168;
    QTest::newRow("r just below 1, division 9") << 80 << JustBelowOne << 80;
    QTest::newRow("middle") << 99 << 0.5f << 50;
    QTest::newRow("fraction above a half is floored") << 99 << 0.456f << 45;
    QTest::newRow("one-card deck") << 0 << JustBelowOne << 0;
    QTest::newRow("stray 1.0 is clamped") << 54 << 1.0f << 54;
}

void TestDealing::randomIndexCoversTheWholeDeck() {
    QFETCH(int, lastCard);
    QFETCH(float, r);
    QFETCH(int, index);
    ScriptedRandom random({r});
    CardDealer dealer;
    QCOMPARE(dealer.NextIndex(static_cast<std::int16_t>(lastCard), true, random), index);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.draws, 1);
}

void TestDealing::inOrderWalksAndWraps() {
    // Random deals mixed in neither read nor move the order, and draw nothing for it.
    ScriptedRandom random({0.905f});
    CardDealer dealer;
    for (int i = 0; i < 102; ++i) {
        QCOMPARE(dealer.NextIndex(99, false, random), i % 100);
        QCOMPARE(dealer.NextIndex(99, true, random), 90);
    }
    QCOMPARE(random.draws, 102);
}

void TestDealing::cursorPastASmallerDeckStartsAtTheFront() {
    ScriptedRandom random;
    CardDealer dealer;
    for (int i = 0; i < 120; ++i)
        dealer.NextIndex(168, false, random);
    QCOMPARE(dealer.CardCursor(), 120);
    // The deck shrinks to 0-9 subtraction (last index 54): the order starts again at the front.
    QCOMPARE(dealer.NextIndex(54, false, random), 0);
    QCOMPARE(dealer.NextIndex(54, false, random), 1);
    // A cursor inside the new deck goes on from where it was.
    for (int i = 0; i < 50; ++i)
        dealer.NextIndex(54, false, random);
    QCOMPARE(dealer.NextIndex(99, false, random), 52);
}

void TestDealing::emptyDeckRaises() {
    ScriptedRandom random;
    CardDealer dealer;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, dealer.NextIndex(-1, false, random));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, dealer.NextIndex(-1, true, random));
}

void TestDealing::captions_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<float>("r"); // puts the answer on button floor(4r + 1)
    QTest::addColumn<Captions>("expected");
    QTest::newRow("18 at 4") << 18 << JustBelowOne << Captions{20, 16, 21, 18};
    QTest::newRow("144 at 1") << 144 << 0.0f << Captions{144, 142, 147, 143};
    QTest::newRow("0 at 3") << 0 << 0.5f << Captions{2, 2, 0, 1};
    QTest::newRow("0 at 1") << 0 << 0.2499f << Captions{0, 2, 3, 1};
    QTest::newRow("1 at 1") << 1 << 0.0f << Captions{1, 1, 4, 0};
    QTest::newRow("1 at 2") << 1 << 0.25f << Captions{3, 1, 4, 0};
    QTest::newRow("1 at 4") << 1 << 0.75f << Captions{3, 1, 4, 1};
    QTest::newRow("2 at 2") << 2 << 0.4999f << Captions{4, 2, 5, 1};
}

void TestDealing::captions() {
    QFETCH(int, answer);
    QFETCH(float, r);
    QFETCH(Captions, expected);
    QCOMPARE(ChoiceCaptions(static_cast<std::int16_t>(answer), AnswerPosition(r)), expected);
}

void TestDealing::clockRandomStaysInRangeAndVaries() {
    ClockRandom random;
    QSet<int> buckets;
    for (int i = 0; i < 4000; ++i) {
        random.Reseed();
        const float r = random.Fraction();
        QVERIFY(r >= 0.0f && r < 1.0f);
        buckets.insert(AnswerPosition(r));
    }
    // Reseeding before every draw, as the program does, must not pin the draws.
    QCOMPARE(buckets.size(), 4);
}

QTEST_GUILESS_MAIN(TestDealing)
#include "test_dealing.moc"
