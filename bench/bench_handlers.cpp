// What one click costs: the engine's deck builds and deals alone, then the window's handlers
// on the offscreen platform. Painting is not measured: the handlers only mark the window for
// repainting, and no events are processed inside a measured loop.

#include "drill/dealing.h"
#include "drill/mod_cards.h"
#include "drill/random_source.h"
#include "main_window/frm_main.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <memory>

using Builder = void (modCards::*)(std::int16_t);
Q_DECLARE_METATYPE(Builder)

class BenchHandlers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void deckBuild_data();
    void deckBuild();
    void deal_data();
    void deal();

    void nextCardClick();
    void dealAndAnswerClick();
    void operationSwitch();
    void rangeSwitch();

private:
    template <class T> T *control(const QString &name) const {
        T *found = window_->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    std::unique_ptr<frmMain> window_;
};

void BenchHandlers::initTestCase() {
    // The program's own clock-seeded generator: its reseeding is part of what a deal costs.
    window_ = std::make_unique<frmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void BenchHandlers::cleanupTestCase() {
    window_.reset();
}

void BenchHandlers::deckBuild_data() {
    QTest::addColumn<Builder>("build");
    QTest::newRow("addition") << Builder(&modCards::BuildAdditionDeck);
    QTest::newRow("subtraction") << Builder(&modCards::BuildSubtractionDeck);
    QTest::newRow("multiplication") << Builder(&modCards::BuildMultiplicationDeck);
    QTest::newRow("division") << Builder(&modCards::BuildDivisionDeck);
}

void BenchHandlers::deckBuild() {
    QFETCH(Builder, build);
    modCards cards;
    QBENCHMARK {
        (cards.*build)(12);
    }
    QVERIFY(cards.LastCard() > 0);
}

void BenchHandlers::deal_data() {
    QTest::addColumn<bool>("randomize");
    QTest::newRow("at random") << true;
    QTest::newRow("in order") << false;
}

// The engine's share of Next Card: pick the card, place the answer, work out the captions.
void BenchHandlers::deal() {
    QFETCH(bool, randomize);
    modCards cards;
    cards.BuildMultiplicationDeck(12);
    CardDealer dealer;
    ClockRandom random;
    int sum = 0;
    QBENCHMARK {
        const std::int16_t index = dealer.NextIndex(cards.LastCard(), randomize, random);
        const Card &card = cards.Deck()[static_cast<std::size_t>(index)];
        random.Reseed();
        const auto captions = ChoiceCaptions(card.Answer, AnswerPosition(random.Fraction()));
        sum += captions[0];
    }
    QVERIFY(sum >= 0);
}

void BenchHandlers::nextCardClick() {
    auto *next = control<QPushButton>(QStringLiteral("cmdNextCard"));
    QBENCHMARK {
        next->click();
    }
}

// An answer needs an open card, so each answer is measured with the deal before it; the
// answer alone costs this minus nextCardClick.
void BenchHandlers::dealAndAnswerClick() {
    auto *next = control<QPushButton>(QStringLiteral("cmdNextCard"));
    auto *choice = control<QPushButton>(QStringLiteral("cmdChoice2"));
    QBENCHMARK {
        next->click();
        choice->click();
    }
    QVERIFY(!choice->isEnabled());
}

void BenchHandlers::operationSwitch() {
    std::array<QRadioButton *, 4> options{};
    for (std::size_t i = 0; i < options.size(); ++i)
        options[i] = control<QRadioButton>(QStringLiteral("optOperation(%1)").arg(i));
    std::size_t next = 0;
    QBENCHMARK {
        next = (next + 1) % options.size();
        options[next]->click();
    }
    QVERIFY(options[next]->isChecked());
}

void BenchHandlers::rangeSwitch() {
    const std::array<QAction *, 2> ranges = {control<QAction>(QStringLiteral("mnuRange09")),
                                             control<QAction>(QStringLiteral("mnuRange012"))};
    std::size_t next = 0;
    QBENCHMARK {
        next ^= 1U;
        ranges[next]->trigger();
    }
    QVERIFY(ranges[next]->isChecked());
}

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
