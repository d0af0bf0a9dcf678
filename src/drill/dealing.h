#pragma once

#include "drill/random_source.h"

#include <array>
#include <cstdint>

// Which card comes next. Both orders deal every card of the deck, entries 0 to lastCard.
class CardDealer {
public:
    // At random: floor((lastCard + 1) x r) for one fresh fraction r. In order: the card at
    // the cursor, which then moves on, back to the front after lastCard. A cursor left past
    // the end by a change to a smaller deck also starts again at the front.
    std::int16_t NextIndex(std::int16_t lastCard, bool randomize, RandomSource &random);

    // The ordered-dealing position; a random deal neither reads nor moves it.
    std::int16_t CardCursor() const { return cardCursor_; }

private:
    std::int16_t cardCursor_ = 0;
};

// The button, 1 to 4, that carries the right answer, for a fraction r in [0, 1).
int AnswerPosition(float r);

// The captions of the four answer buttons for the answer b, the right answer on button p:
// b + 2, |b - 2|, b + 3, |b - 1|, with button p's overwritten by b. Small answers repeat
// decoys (b = 0 gives 2 twice, b = 1 shows 1 as a decoy); judging compares captions, so a
// repeated right answer counts as right on either button.
std::array<std::int16_t, 4> ChoiceCaptions(std::int16_t b, int p);

// Right and wrong answers since start or the last reset. 64-bit: neither count runs out.
struct Score {
    std::int64_t RightCount = 0;
    std::int64_t WrongCount = 0;

    void Record(bool right) { ++(right ? RightCount : WrongCount); }
    void Reset() { RightCount = WrongCount = 0; }
};
