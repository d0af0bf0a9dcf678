#pragma once

#include "drill/random_source.h"

#include <QList>

// A random source that plays back the fractions it is given, then repeats the last one.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> fractions = {0.0f}) : fractions_(std::move(fractions)) {}

    void Reseed() override { ++reseeds; }
    float Fraction() override {
        ++draws;
        const float r = fractions_.at(std::min<qsizetype>(next_, fractions_.size() - 1));
        ++next_;
        return r;
    }
    void Script(QList<float> fractions) {
        fractions_ = std::move(fractions);
        next_ = 0;
    }

    int reseeds = 0;
    int draws = 0;

private:
    QList<float> fractions_;
    qsizetype next_ = 0;
};

// The largest float below 1.
inline constexpr float JustBelowOne = 1.0f - 1.0f / 16777216.0f;
