#pragma once

// The flash-card window. The card (Picture1) carries the two numbers, the operator picture,
// the rule and the hidden answer; below it the verdict, the four answer buttons and the score;
// at the right the operation choice and Next Card. The drill itself (settings, deck, card,
// verdict and score) is the model drill_: each handler forwards the learner's command to it and
// then shows what it says.

#include "app/app_info.h"
#include "drill/drill.h"
#include "drill/random_source.h"
#include "form/design_colours.h"
#include "form/image_list.h"
#include "form/twips.h"

#include <QMainWindow>
#include <array>

class Announcer;
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
    // random: the generator to deal from; the clock-seeded one when null. score: the counts
    // to start from. version and colours: shown in the caption and drawn with, here and in About.
    explicit frmMain(RandomSource *random = nullptr, Score score = {},
                     AppInfo::VersionNumbers version = {}, ColourScheme colours = {});
    ~frmMain() override;

    // The scale the window is laid out at.
    const TwipLayout &Layout() const { return layout_; }

private:
    void createControls();
    void createCard();
    void createActions();
    void createMenus();
    void describeControls();
    void wireEvents();
    void placeControls();
    void showOperator();

    void Form_Load();

    void cmdNextCard_Click() { DealCard(); }
    void cmdChoice1_Click() { answerWith(1); }
    void cmdChoice2_Click() { answerWith(2); }
    void cmdChoice3_Click() { answerWith(3); }
    void cmdChoice4_Click() { answerWith(4); }
    void optOperation_Click(int Index);
    void mnuReset_Click();
    void mnuExit_Click() { close(); }
    void mnuRandomize_Click();
    void mnuRange09_Click() { selectRange(mnuRange09, 9); }
    void mnuRange012_Click() { selectRange(mnuRange012, 12); }
    void mnuAbout_Click();

    void DealCard();

    // What the handlers show of the drill: a freshly dealt card, the verdict on answer button n,
    // the score.
    void showDeal();
    void answerWith(int n);
    void fitVerdict();
    void describeCard();
    void showScore();
    void selectRange(const QAction *item, std::int16_t limit);

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
    // Speaks each card dealt, and each verdict with the score, to a screen reader.
    Announcer *announcer_ = nullptr;

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
    ClockRandom clockRandom_;
    Drill drill_;
    TwipLayout layout_;
    AppInfo::VersionNumbers version_;
    ColourScheme colours_;
};
