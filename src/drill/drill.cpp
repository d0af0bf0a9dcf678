#include "drill/drill.h"

#include "drill/runtime_error.h"

#include <string>

Drill::Drill(RandomSource &random, Score score) : source_(random), score_(score) {}

void Drill::Start() {
    buildDeck(operation_, limit_); // the settings a drill starts with
    DealCard();
}

void Drill::buildDeck(int operation, std::int16_t limit) {
    static constexpr void (modCards::*builders[])(std::int16_t) = {
        &modCards::BuildAdditionDeck, &modCards::BuildSubtractionDeck,
        &modCards::BuildMultiplicationDeck, &modCards::BuildDivisionDeck};
    if (operation < 0 || operation >= OperationCount)
        throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange,
                           "Subscript out of range: no operation " + std::to_string(operation));
    // Only a deck that was built changes the settings.
    (cards_.*builders[operation])(limit);
    operation_ = operation;
    limit_ = limit;
}

void Drill::DealCard() {
    answered_ = false;
    const std::int16_t index = dealer_.NextIndex(cards_.LastCard(), random_, source_);
    card_ = cards_.Deck().at(static_cast<std::size_t>(index));
    SetChoices();
}

void Drill::SetChoices() {
    source_.Reseed();
    choices_ = ChoiceCaptions(card_.Answer, AnswerPosition(source_.Fraction()));
}

void Drill::CheckAnswer(int n) {
    if (answered_)
        return;
    answered_ = true;
    // Judged by the number shown: a decoy equal to the answer is right as well.
    right_ = choices_.at(static_cast<std::size_t>(n - 1)) == card_.Answer;
    score_.Record(right_);
}

void Drill::SelectOperation(int index) {
    buildDeck(index, limit_);
    DealCard();
}

void Drill::SelectRange(std::int16_t limit) {
    buildDeck(operation_, limit);
    DealCard();
}

void Drill::ToggleRandom() {
    random_ = !random_;
}

void Drill::Reset() {
    score_.Reset();
    DealCard();
}
