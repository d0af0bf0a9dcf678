#include "drill/mod_cards.h"

#include "drill/int16.h"
#include "drill/runtime_error.h"

#include <cmath>

// A fresh table of a builder's capacity, every field zero, filled card by card.
class modCards::Table {
public:
    explicit Table(int capacity) : cards_(static_cast<std::size_t>(capacity)) {}

    void Add(int top, int bottom, int answer) {
        if (static_cast<std::size_t>(count_) >= cards_.size())
            throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange,
                               "Subscript out of range: the deck holds no more cards");
        cards_[static_cast<std::size_t>(count_)] = {Int16::Checked(top), Int16::Checked(bottom),
                                                    Int16::Checked(answer), count_};
        count_ = Int16::Add(count_, 1);
    }

    std::int16_t count() const { return count_; }
    std::vector<Card> take() { return std::move(cards_); }

private:
    std::vector<Card> cards_;
    std::int16_t count_ = 0;
};

// Only a complete table replaces the deck, so a build that fails leaves the old one whole.
void modCards::replaceWith(Table &&table) {
    lastCard_ = Int16::Sub(table.count(), 1);
    deck_ = table.take();
}

void modCards::BuildAdditionDeck(std::int16_t limit) {
    Table table(AdditionCapacity);
    for (int a = 0; a <= limit; ++a)
        for (int b = 0; b <= limit; ++b)
            table.Add(a, b, a + b);
    replaceWith(std::move(table));
}

void modCards::BuildSubtractionDeck(std::int16_t limit) {
    Table table(SubtractionCapacity);
    for (int a = 0; a <= limit; ++a)
        for (int b = 0; b <= a; ++b)
            table.Add(a, b, a - b);
    replaceWith(std::move(table));
}

void modCards::BuildMultiplicationDeck(std::int16_t limit) {
    Table table(MultiplicationCapacity);
    for (int a = 0; a <= limit; ++a)
        for (int b = 0; b <= limit; ++b)
            table.Add(a, b, a * b);
    replaceWith(std::move(table));
}

void modCards::BuildDivisionDeck(std::int16_t limit) {
    Table table(DivisionCapacity);
    for (int divisor = 1; divisor <= limit; ++divisor)
        for (int quotient = 1; quotient <= limit; ++quotient) {
            const int dividend = divisor * quotient;
            // The division is exact; rounding only guards the conversion back to an integer.
            table.Add(dividend, divisor, static_cast<int>(std::lround(double(dividend) / divisor)));
        }
    replaceWith(std::move(table));
}
