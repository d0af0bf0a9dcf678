#pragma once

// The flash-card window. The card (Picture1) carries the two numbers, the operator picture,
// the rule and the hidden answer; below it the verdict, the four answer buttons and the score;
// at the right the operation choice and Next Card. The drill's settings and the answer on show
// live in the controls themselves (the selected option, the menu check marks, the hidden
// answer label) and are read back from there; the window itself holds only the deck, the
// ordered-dealing position and the score.

#include "drill/dealing.h"
#include "drill/mod_cards.h"
#include "platform/image_list.h"
#include "platform/random_source.h"
#include "platform/twips.h"

#include <QMainWindow>
#include <array>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // random: the generator to deal from; the clock-seeded one when null.
    explicit frmMain(RandomSource *random = nullptr, QWidget *parent = nullptr);
    ~frmMain() override;

    const modCards &Cards() const { return cards_; }
    const CardDealer &Dealer() const { return dealer_; }
    // Lets tests start from a given score.
    Score &ScoreForTesting() { return score_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createCard();
    void createActions();
    void createMenus();
    void describeControls();
    void wireEvents();
    // The scale at which every text the window can show fits its box.
    TwipLayout fittingLayout() const;
    void placeControls();
    void showOperator(int index);

    void Form_Load();

    void cmdNextCard_Click();
    void cmdChoice1_Click();
    void cmdChoice2_Click();
    void cmdChoice3_Click();
    void cmdChoice4_Click();
    void optOperation_Click(int Index);
    void mnuReset_Click();
    void mnuExit_Click();
    void mnuRandomize_Click();
    void mnuRange09_Click();
    void mnuRange012_Click();
    void mnuAbout_Click();

    void DealCard();
    void SetChoices();
    bool CheckAnswer(const QString &chosen);

    // What the four answer handlers share: judge the caption of the pressed button.
    void answerWith(const QPushButton *button);
    void fitVerdict();
    void describeCard();
    void showScore();
    void selectRange(const QString &caption, bool zeroToNine, std::int16_t limit);
    void buildDeck(int operation, std::int16_t limit);
    int selectedOperation() const;

    QPushButton *cmdNextCard = nullptr;
    QPushButton *cmdChoice1 = nullptr;
    QPushButton *cmdChoice2 = nullptr;
    QPushButton *cmdChoice3 = nullptr;
    QPushButton *cmdChoice4 = nullptr;
    std::array<QPushButton *, 4> choices_{};
    QButtonGroup *optOperation = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *pctOperand = nullptr;
    QFrame *Shape2 = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *lblAnswer = nullptr;
    QLabel *lblBottomNum = nullptr;
    QLabel *lblTopNum = nullptr;
    QLabel *lbllimit = nullptr;
    QLabel *lblConfirmation = nullptr;
    QLabel *lblCorrectCount = nullptr;
    QLabel *lblIncorrectCount = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuReset = nullptr;
    QAction *Seperator1 = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuRandomize = nullptr;
    QAction *seperator2 = nullptr;
    QAction *mnuRange09 = nullptr;
    QAction *mnuRange012 = nullptr;
    QAction *mnuAbout = nullptr;

    ImageList imlImages;
    modCards cards_;
    CardDealer dealer_;
    Score score_;
    ClockRandom clockRandom_;
    RandomSource *random_ = nullptr;
    // The option selected since the last press of any option: the click that selected it has
    // run optOperation_Click already.
    int selectedJustNow_ = -1;
    TwipLayout layout_;
};
