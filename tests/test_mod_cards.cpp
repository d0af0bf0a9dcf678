#include "drill/mod_cards.h"
#include "platform/runtime_error.h"

#include <QTest>
#include <set>

namespace {
using Builder = void (modCards::*)(std::int16_t);

struct Expected {
    int index;
    Card card;
};
} // namespace

Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(QList<Expected>)

class TestModCards : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builds_data();
    void builds();
    void smallerDeckKeepsNothingOfTheLarger();
    void limitPastCapacityRaisesAndKeepsTheDeck();
};

void TestModCards::builds_data() {
    QTest::addColumn<Builder>("build");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QList<Expected>>("samples");

    const auto A = &modCards::BuildAdditionDeck, S = &modCards::BuildSubtractionDeck,
               M = &modCards::BuildMultiplicationDeck, D = &modCards::BuildDivisionDeck;
    QTest::newRow("addition 9") << A << 9 << 100 << 169
                                << QList<Expected>{{0, {0, 0, 0, 0}},
                                                   {10, {1, 0, 1, 10}},
                                                   {99, {9, 9, 18, 99}}};
    QTest::newRow("addition 12") << A << 12 << 169 << 169
                                 << QList<Expected>{{13, {1, 0, 1, 13}}, {168, {12, 12, 24, 168}}};
    QTest::newRow("subtraction 9")
        << S << 9 << 55 << 91
        << QList<Expected>{
               {1, {1, 0, 1, 1}}, {2, {1, 1, 0, 2}}, {45, {9, 0, 9, 45}}, {54, {9, 9, 0, 54}}};
    QTest::newRow("subtraction 12")
        << S << 12 << 91 << 91
        << QList<Expected>{{1, {1, 0, 1, 1}}, {2, {1, 1, 0, 2}}, {90, {12, 12, 0, 90}}};
    QTest::newRow("multiplication 9")
        << M << 9 << 100 << 169 << QList<Expected>{{0, {0, 0, 0, 0}}, {99, {9, 9, 81, 99}}};
    QTest::newRow("multiplication 12")
        << M << 12 << 169 << 169
        << QList<Expected>{{0, {0, 0, 0, 0}}, {27, {2, 1, 2, 27}}, {168, {12, 12, 144, 168}}};
    QTest::newRow("division 9") << D << 9 << 81 << 144
                                << QList<Expected>{{0, {1, 1, 1, 0}},
                                                   {1, {2, 1, 2, 1}},
                                                   {9, {2, 2, 1, 9}},
                                                   {80, {81, 9, 9, 80}}};
    QTest::newRow("division 12") << D << 12 << 144 << 144
                                 << QList<Expected>{{12, {2, 2, 1, 12}}, {143, {144, 12, 12, 143}}};
}

void TestModCards::builds() {
    QFETCH(Builder, build);
    QFETCH(int, limit);
    QFETCH(int, cards);
    QFETCH(int, capacity);
    QFETCH(QList<Expected>, samples);

    modCards deck;
    (deck.*build)(static_cast<std::int16_t>(limit));
    QCOMPARE(deck.LastCard(), cards - 1);
    QCOMPARE(int(deck.Deck().size()), capacity);
    for (const Expected &e : samples)
        QCOMPARE(deck.Deck().at(e.index), e.card);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < capacity; ++i) {
        const Card &c = deck.Deck().at(i);
        if (i > deck.LastCard()) {
            QCOMPARE(c, Card{});
            continue;
        }
        QCOMPARE(c.CardNum, i);
        // Every card is a true fact of one of the four kinds, nothing negative, no card twice.
        QVERIFY(c.TopNum >= 0 && c.BottomNum >= 0 && c.Answer >= 0);
        QVERIFY(c.TopNum <= limit * limit && c.BottomNum <= limit);
        QVERIFY(c.Answer == c.TopNum + c.BottomNum || c.Answer == c.TopNum - c.BottomNum ||
                c.Answer == c.TopNum * c.BottomNum || c.Answer * c.BottomNum == c.TopNum);
        QVERIFY(seen.insert({c.TopNum, c.BottomNum}).second);
    }
}

void TestModCards::smallerDeckKeepsNothingOfTheLarger() {
    modCards deck;
    deck.BuildMultiplicationDeck(12);
    deck.BuildSubtractionDeck(9);
    QCOMPARE(deck.LastCard(), 54);
    QCOMPARE(int(deck.Deck().size()), modCards::SubtractionCapacity);
    for (int i = 55; i < modCards::SubtractionCapacity; ++i)
        QCOMPARE(deck.Deck()[i], Card{});
    deck.BuildAdditionDeck(12);
    deck.BuildAdditionDeck(9);
    for (int i = 100; i < modCards::AdditionCapacity; ++i)
        QCOMPARE(deck.Deck()[i], Card{});
}

void TestModCards::limitPastCapacityRaisesAndKeepsTheDeck() {
    modCards deck;
    deck.BuildDivisionDeck(9);
    const std::vector<Card> before = deck.Deck();
    QVERIFY_THROWS_EXCEPTION(RuntimeError, deck.BuildAdditionDeck(13));
    QCOMPARE(deck.LastCard(), 80);
    QVERIFY(deck.Deck() == before);
}

QTEST_GUILESS_MAIN(TestModCards)
#include "test_mod_cards.moc"
