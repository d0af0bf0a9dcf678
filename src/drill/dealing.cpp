#include "drill/dealing.h"

#include "drill/int16.h"
#include "drill/runtime_error.h"

#include <algorithm>
#include <cmath>

std::int16_t CardDealer::NextIndex(std::int16_t lastCard, bool randomize, RandomSource &random) {
    if (lastCard < 0)
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange,
                           "Subscript out of range: the deck holds no cards");
    if (randomize) {
        random.Reseed();
        const double r = random.Fraction();
        const std::int16_t index = Int16::Floor((double(lastCard) + 1.0) * r);
        // A source that strays to 1.0 or below 0 still yields a card of the deck.
        return std::clamp<std::int16_t>(index, 0, lastCard);
    }
    if (cardCursor_ > lastCard)
        cardCursor_ = 0;
    const std::int16_t index = cardCursor_;
    cardCursor_ = index == lastCard ? std::int16_t{0} : Int16::Add(index, 1);
    return index;
}

int AnswerPosition(float r) {
    return std::clamp(static_cast<int>(std::floor(double(r) * 4.0 + 1.0)), 1, 4);
}

std::array<std::int16_t, 4> ChoiceCaptions(std::int16_t b, int p) {
    std::array<std::int16_t, 4> captions{Int16::Add(b, 2), Int16::Abs(Int16::Sub(b, 2)),
                                         Int16::Add(b, 3), Int16::Abs(Int16::Sub(b, 1))};
    captions.at(static_cast<std::size_t>(p - 1)) = b;
    return captions;
}
