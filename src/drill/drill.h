#pragma once

#include "drill/dealing.h"
#include "drill/mod_cards.h"
#include "drill/random_source.h"

#include <array>
#include <cstdint>

// The drill as the learner works it: the operation and range in force, random or ordered
// dealing, the deck and the ordered-dealing position, the card on show with the four answers
// offered for it, whether and how it was answered, and the score. A window forwards the
// learner's commands here and shows what the drill then says.
class Drill {
public:
    // The operations, as the window's options number them.
    enum Operation : int { Addition, Subtraction, Multiplication, Division, OperationCount };

    // random: drawn from for every deal; score: the counts to start from.
    explicit Drill(RandomSource &random, Score score = {});

    // Addition in the range 0-9, dealt at random, as the program starts: builds the deck and
    // deals the first card.
    void Start();

    // The next card of the deck, at random or in order, with the right answer on one of the
    // four buttons and near misses on the others; the card is open again.
    void DealCard();
    // Judges answer button n (1 to 4) by the number it shows and counts the verdict. An answered
    // card takes no further answer until the next deal.
    void CheckAnswer(int n);
    // A new deck for the operation (0 to 3; anything else raises a subscript error) or the range's
    // limit (9 or 12), and a card from it. The score is kept.
    void SelectOperation(int index);
    void SelectRange(std::int16_t limit);
    void ToggleRandom();
    // Both counts to zero, and the next card.
    void Reset();

    int SelectedOperation() const { return operation_; }
    std::int16_t Limit() const { return limit_; }
    bool DealsAtRandom() const { return random_; }
    const Card &Current() const { return card_; }
    // What the answer buttons show, cmdChoice1 first.
    const std::array<std::int16_t, 4> &Choices() const { return choices_; }
    bool Answered() const { return answered_; }
    // The verdict on the card's answer, once it is answered.
    bool AnsweredRight() const { return right_; }
    const Score &Tally() const { return score_; }
    const modCards &Cards() const { return cards_; }
    const CardDealer &Dealer() const { return dealer_; }

private:
    void buildDeck(int operation, std::int16_t limit);
    void SetChoices();

    RandomSource &source_;
    modCards cards_;
    CardDealer dealer_;
    Score score_;
    int operation_ = Addition;
    std::int16_t limit_ = 9;
    bool random_ = true;
    Card card_;
    std::array<std::int16_t, 4> choices_{};
    bool answered_ = false;
    bool right_ = false;
};
