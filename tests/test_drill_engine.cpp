// The drill's engine on its own: the decks, the dealing order, the answer buttons' captions,
// and the drill as the learner works it: settings, card, verdict and score.

#include "drill/dealing.h"
#include "drill/drill.h"
#include "drill/int16.h"
#include "drill/mod_cards.h"
#include "drill/runtime_error.h"
#include "scripted_random.h"

#include <QSet>
#include <QTest>
#include <set>

using Builder = void (modCards::*)(std::int16_t);
constexpr Builder Builders[] = {&modCards::BuildAdditionDeck, &modCards::BuildSubtractionDeck,
                                &modCards::BuildMultiplicationDeck, &modCards::BuildDivisionDeck};
using Captions = std::array<std::int16_t, 4>;
using Samples = QList<std::pair<int, Card>>; // index, card
Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(Captions)

class TestDrillEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decks_data() {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("cards"); // -1: the limit is refused, the deck kept
        QTest::addColumn<int>("capacity");
        QTest::addColumn<Samples>("samples");
        const auto A = &modCards::BuildAdditionDeck, S = &modCards::BuildSubtractionDeck,
                   M = &modCards::BuildMultiplicationDeck, D = &modCards::BuildDivisionDeck;
        QTest::newRow("addition 9")
            << A << 9 << 100 << 169 << Samples{{10, {1, 0, 1, 10}}, {99, {9, 9, 18, 99}}};
        QTest::newRow("addition 12") << A << 12 << 169 << 169 << Samples{{13, {1, 0, 1, 13}}};
        QTest::newRow("subtraction 9")
            << S << 9 << 55 << 91 << Samples{{2, {1, 1, 0, 2}}, {45, {9, 0, 9, 45}}};
        QTest::newRow("subtraction 12") << S << 12 << 91 << 91 << Samples{{90, {12, 12, 0, 90}}};
        QTest::newRow("multiplication 9") << M << 9 << 100 << 169 << Samples{{99, {9, 9, 81, 99}}};
        QTest::newRow("multiplication 12") << M << 12 << 169 << 169 << Samples{{27, {2, 1, 2, 27}}};
        QTest::newRow("division 9")
            << D << 9 << 81 << 144 << Samples{{1, {2, 1, 2, 1}}, {9, {2, 2, 1, 9}}};
        QTest::newRow("division 12") << D << 12 << 144 << 144 << Samples{{143, {144, 12, 12, 143}}};
        QTest::newRow("addition 13") << A << 13 << -1 << 169 << Samples{};
    }

    void decks() {
        QFETCH(Builder, build);
        QFETCH(int, limit);
        QFETCH(int, cards);
        QFETCH(int, capacity);
        QFETCH(Samples, samples);
        modCards deck; // a build replaces whatever deck stood before, here the largest
        deck.BuildMultiplicationDeck(12);
        if (cards < 0) {
            deck.BuildSubtractionDeck(9);
            const std::vector<Card> before = deck.Deck();
            QVERIFY_THROWS_EXCEPTION(RuntimeError, (deck.*build)(std::int16_t(limit)));
            QVERIFY(deck.Deck() == before && deck.LastCard() == 54);
            return;
        }
        (deck.*build)(static_cast<std::int16_t>(limit));
        QCOMPARE(deck.LastCard(), cards - 1);
        QCOMPARE(int(deck.Deck().size()), capacity);
        for (const auto &[index, card] : samples)
            QCOMPARE(deck.Deck().at(index), card);
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < capacity; ++i) {
            const Card &c = deck.Deck().at(i);
            if (i > deck.LastCard()) {
                QCOMPARE(c, (Card{0, 0, 0, 0}));
                continue;
            }
            QCOMPARE(c.CardNum, i);
            // Every card a true fact of one of the four kinds, nothing negative, no card twice.
            QVERIFY(c.TopNum >= 0 && c.BottomNum >= 0 && c.Answer >= 0);
            QVERIFY(c.TopNum <= limit * limit && c.BottomNum <= limit);
            QVERIFY(c.Answer == c.TopNum + c.BottomNum || c.Answer == c.TopNum - c.BottomNum ||
                    c.Answer == c.TopNum * c.BottomNum || c.Answer * c.BottomNum == c.TopNum);
            QVERIFY(seen.insert({c.TopNum, c.BottomNum}).second);
        }
    }

    void randomIndex_data() {
        QTest::addColumn<int>("lastCard");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("index"); // -1: raises
        QTest::newRow("r=0") << 99 << 0.0f << 0;
        QTest::newRow("r just below 1, addition 12") << 168 << JustBelowOne << 168;
        QTest::newRow("middle") << 99 << 0.5f << 50;
        QTest::newRow("fraction above a half is floored") << 99 << 0.456f << 45;
        QTest::newRow("one-card deck") << 0 << JustBelowOne << 0;
        QTest::newRow("stray 1.0 is clamped") << 54 << 1.0f << 54;
        QTest::newRow("empty deck") << -1 << 0.0f << -1;
    }

    void randomIndex() {
        QFETCH(int, lastCard);
        QFETCH(float, r);
        QFETCH(int, index);
        ScriptedRandom random({r});
        CardDealer dealer;
        const auto last = static_cast<std::int16_t>(lastCard);
        if (index < 0) {
            QVERIFY_THROWS_EXCEPTION(RuntimeError, dealer.NextIndex(last, true, random));
            QVERIFY_THROWS_EXCEPTION(RuntimeError, dealer.NextIndex(last, false, random));
            return;
        }
        QCOMPARE(dealer.NextIndex(last, true, random), index);
        dealer.NextIndex(last, false, random); // in order: nothing drawn
        QVERIFY(random.reseeds == 1 && random.draws == 1);
    }

    void captions_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<float>("r"); // puts the answer on button floor(4r + 1)
        QTest::addColumn<Captions>("expected");
        QTest::newRow("18 at 4") << 18 << JustBelowOne << Captions{20, 16, 21, 18};
        QTest::newRow("18, a draw of 1, at 4") << 18 << 1.0f << Captions{20, 16, 21, 18};
        QTest::newRow("144 at 1") << 144 << 0.0f << Captions{144, 142, 147, 143};
        QTest::newRow("0 at 3") << 0 << 0.5f << Captions{2, 2, 0, 1};
        QTest::newRow("0 at 1") << 0 << 0.2499f << Captions{0, 2, 3, 1};
        QTest::newRow("1 at 1") << 1 << 0.0f << Captions{1, 1, 4, 0};
        QTest::newRow("1 at 2") << 1 << 0.25f << Captions{3, 1, 4, 0};
        QTest::newRow("1 at 4") << 1 << 0.75f << Captions{3, 1, 4, 1};
        QTest::newRow("2 at 2") << 2 << 0.4999f << Captions{4, 2, 5, 1};
    }

    void captions() {
        QFETCH(int, answer);
        QFETCH(float, r);
        QTEST(ChoiceCaptions(static_cast<std::int16_t>(answer), AnswerPosition(r)), "expected");
    }

    // As the program starts: addition 0-9 dealt at random, the first card drawn, nothing counted.
    void drillStarts() {
        ScriptedRandom random({0.37f, 0.6f});
        Drill drill(random);
        drill.Start();
        // floor(100 x 0.37) is 3 + 7; its answer on button floor(0.6 x 4 + 1) = 3.
        QCOMPARE(drill.Current(), (Card{3, 7, 10, 37}));
        QCOMPARE(drill.Choices(), (Captions{12, 8, 10, 9}));
        QVERIFY(drill.SelectedOperation() == Drill::Addition && drill.Limit() == 9);
        QVERIFY(drill.DealsAtRandom() && !drill.Answered() && drill.Dealer().CardCursor() == 0);
        QVERIFY(random.draws == 2 && random.reseeds == 2); // each draw freshly seeded
        QCOMPARE(drill.Tally().RightCount + drill.Tally().WrongCount, 0);
    }

    // One answer per card, judged by the number on the button pressed; neither count runs out.
    void drillJudges_data() {
        QTest::addColumn<float>("card"); // its fraction of addition 0-9
        QTest::addColumn<float>("position");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("start"); // both counts
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << 0.345f << 0.0f << 1 << 0 << true; // 3 + 4 on button 1
        QTest::newRow("wrong") << 0.345f << 0.0f << 2 << 0 << false;
        QTest::newRow("right on button 2") << 0.345f << 0.25f << 2 << 0 << true;
        QTest::newRow("right on button 3") << 0.345f << 0.5f << 3 << 0 << true;
        QTest::newRow("right on the last button") << 0.345f << JustBelowOne << 4 << 0 << true;
        QTest::newRow("a decoy that is the answer") << 0.015f << 0.0f << 2 << 0 << true; // 0 + 1
        QTest::newRow("right past 32767") << 0.345f << 0.0f << 1 << 32767 << true;
        QTest::newRow("wrong past 32767") << 0.345f << 0.0f << 3 << 32767 << false;
    }
    void drillJudges() {
        QFETCH(float, card);
        QFETCH(float, position);
        QFETCH(int, pressed);
        QFETCH(int, start);
        QFETCH(bool, right);
        ScriptedRandom random({card, position});
        Drill drill(random, {start, start});
        drill.Start();
        drill.CheckAnswer(pressed);
        for (int n = 1; n <= 4; ++n) // answered: locked until the next deal
            drill.CheckAnswer(n);
        QVERIFY(drill.Answered() && drill.AnsweredRight() == right);
        QCOMPARE(drill.Tally().RightCount, start + right);
        QCOMPARE(drill.Tally().WrongCount, start + !right);
        drill.DealCard();
        QVERIFY(!drill.Answered());
    }

    // A change of operation or range builds its deck and deals from it; the score stays, and a
    // setting that cannot be built changes nothing.
    void drillSettings() {
        ScriptedRandom random({0.5f});
        Drill drill(random);
        drill.Start();
        drill.CheckAnswer(1);
        const Score score = drill.Tally();
        for (int operation = Drill::Division; operation >= Drill::Addition; --operation)
            for (const std::int16_t limit : {12, 9}) {
                drill.SelectRange(limit);
                drill.SelectOperation(operation);
                modCards expected;
                (expected.*Builders[operation])(limit);
                QCOMPARE(drill.Cards().Deck(), expected.Deck());
                QVERIFY(!drill.Answered() && drill.Limit() == limit);
                QCOMPARE(drill.Current(),
                         expected.Deck().at(std::size_t(expected.LastCard() + 1) / 2));
            }
        QVERIFY_THROWS_EXCEPTION(RuntimeError, drill.SelectOperation(4));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, drill.SelectRange(13));
        QVERIFY(drill.SelectedOperation() == Drill::Addition && drill.Limit() == 9);
        QCOMPARE(drill.Tally().RightCount + drill.Tally().WrongCount,
                 score.RightCount + score.WrongCount);
    }

    // In order, the position runs on across decks, resets and random deals, and wraps after
    // the deck's last card, or at once when a smaller deck leaves it past the end. Choosing the
    // setting in force again deals too; the order's own command deals nothing.
    void drillDealsInOrder() {
        ScriptedRandom random;
        Drill drill(random);
        drill.Start();
        drill.ToggleRandom();
        QVERIFY(!drill.DealsAtRandom() && random.draws == 2);
        const auto dealt = [&] { return drill.Current().CardNum; };
        drill.SelectRange(12); // index 0 of addition 0-12
        for (int i = 0; i < 120; ++i)
            drill.DealCard();
        QCOMPARE(dealt(), 120);
        drill.SelectRange(9); // past the end of 0-9: the front again
        QCOMPARE(dealt(), 0);
        drill.SelectOperation(Drill::Subtraction); // goes on at index 1
        QCOMPARE(dealt(), 1);
        drill.SelectOperation(Drill::Subtraction);
        drill.SelectRange(9);
        QCOMPARE(dealt(), 3);
        drill.ToggleRandom();
        drill.DealCard(); // a random deal leaves the order alone
        drill.ToggleRandom();
        drill.DealCard();
        QCOMPARE(dealt(), 4);
        drill.CheckAnswer(1);
        drill.Reset(); // both counts to zero, and the next card in order
        QCOMPARE(dealt(), 5);
        QCOMPARE(drill.Tally().RightCount + drill.Tally().WrongCount, 0);
        for (int i = 6; i <= 55; ++i) // the last card, 54, then the front
            drill.DealCard();
        QCOMPARE(dealt(), 0);
    }

    // Arithmetic on the program's 16-bit numbers raises past their range.
    void outOfRangeRaises() {
        QCOMPARE((QList<int>{Int16::Abs(-32767), Int16::Floor(168.99), Int16::Floor(-0.5),
                             Int16::Floor(32767.5), Int16::Floor(-32768.0)}),
                 (QList<int>{32767, 168, -1, 32767, -32768}));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Abs(-32768));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Add(32767, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Sub(-32768, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Floor(32768.0));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, Int16::Floor(std::nan("")));
    }

    void clockRandomStaysInRangeAndVaries() {
        ClockRandom random;
        QSet<int> buckets;
        for (int i = 0; i < 4000; ++i) {
            random.Reseed();
            const float r = random.Fraction();
            QVERIFY(r >= 0.0f && r < 1.0f);
            buckets.insert(AnswerPosition(r));
        }
        // Reseeding before every draw, as the program does, must not pin the draws; it mixes
        // the clock in.
        QCOMPARE(buckets.size(), 4);
        ClockRandom same = random;
        random.Reseed();
        QVERIFY(random.Fraction() != same.Fraction());
        // Between reseeds it is splitmix64: its published sequence from 0, to a float's 24 bits.
        ClockRandom fromZero(0);
        for (const int top : {0xE220A8, 0x6E789E, 0x06C45D})
            QCOMPARE(int(fromZero.Fraction() * 16777216.0f), top); // exactly
    }
};

QTEST_GUILESS_MAIN(TestDrillEngine)
#include "test_drill_engine.moc"
