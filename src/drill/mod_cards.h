#pragma once

#include <cstdint>
#include <vector>

// One flash card: TopNum <op> BottomNum = Answer. CardNum is its index in the deck.
struct Card {
    std::int16_t TopNum = 0;
    std::int16_t BottomNum = 0;
    std::int16_t Answer = 0;
    std::int16_t CardNum = 0;

    friend bool operator==(const Card &, const Card &) = default;
};

// The one deck the drill deals from, and its four builders. A build replaces the deck whole:
// the table always has the builder's full capacity, cards fill entries 0 to LastCard() in
// building order and every later entry is all zero.
class modCards {
public:
    // Table sizes: a limit of 12 fills each exactly.
    static constexpr int AdditionCapacity = 169;
    static constexpr int SubtractionCapacity = 91;
    static constexpr int MultiplicationCapacity = 169;
    static constexpr int DivisionCapacity = 144;

    // a + b for a, b in 0..limit.
    void BuildAdditionDeck(std::int16_t limit);
    // a - b for a in 0..limit, b in 0..a: nothing negative.
    void BuildSubtractionDeck(std::int16_t limit);
    // a x b for a, b in 0..limit.
    void BuildMultiplicationDeck(std::int16_t limit);
    // (a x b) / a = b for a, b in 1..limit: no division by zero.
    void BuildDivisionDeck(std::int16_t limit);

    const std::vector<Card> &Deck() const { return deck_; }
    // Index of the last card built; 0 before the first build.
    std::int16_t LastCard() const { return lastCard_; }

private:
    class Table;
    void replaceWith(Table &&table);

    std::vector<Card> deck_;
    std::int16_t lastCard_ = 0;
};
