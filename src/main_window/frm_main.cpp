#include "main_window/frm_main.h"

#include "about_window/frm_about.h"
#include "app/app_info.h"
#include "app/error_path.h"
#include "form/announce.h"
#include "form/check_items.h"
#include "form/controls.h"
#include "form/design_colours.h"
#include "form/form_kit.h"
#include "form/resource_images.h"
#include "form/scaled_art.h"
#include "form/window_placement.h"
#include "main_window/card_font.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The window's designed client area, below the menu bar, in twips.
constexpr int ClientWidth = 5925, ClientHeight = 6345;

// The verdict's designed box. A verdict wider than the box grows it evenly on both sides, as
// far as the window allows on the nearer side.
constexpr int VerdictLeft = 720, VerdictTop = 4680, VerdictWidth = 2415, VerdictHeight = 255;
constexpr int VerdictCentre = VerdictLeft + VerdictWidth / 2;
constexpr int VerdictRoom = 2 * std::min(VerdictCentre, ClientWidth - VerdictCentre) - 2 * 15;

// Where each control stands, in twips, the card's own controls relative to the card, and its
// place in the keyboard's order.
constexpr DesignedControl Controls[] = {
    {"cmdNextCard", 4080, 3840, 1215, 495, 13},
    {"cmdChoice4", 3960, 5280, 855, 495, 12},
    {"cmdChoice3", 2760, 5280, 855, 495, 11},
    {"cmdChoice2", 1560, 5280, 855, 495, 10},
    {"cmdChoice1", 360, 5280, 855, 495, 9},
    {"optOperation(3)", 4200, 2880, 1815, 495, 8},
    {"optOperation(2)", 4200, 2355, 1815, 495, 7},
    {"optOperation(1)", 4200, 1845, 1815, 495, 6},
    {"optOperation(0)", 4200, 1320, 1815, 495, 5},
    {"Picture1", 360, 360, 3210, 4155},
    {"pctOperand", 720, 1680, 700, 700},
    {"Shape2", 480, 2880, 2175, 855},
    {"lblAnswer", 480, 2880, 2175, 855},
    {"lblBottomNum", 1200, 1560, 1455, 855},
    {"lblTopNum", 720, 600, 1935, 855},
    {"lbllimit", 3600, 6000, 1215, 255},
    {"lblConfirmation", VerdictLeft, VerdictTop, VerdictWidth, VerdictHeight},
    {"lblCorrectCount", 480, 6000, 1215, 255},
    {"lblIncorrectCount", 2040, 6000, 1215, 255},
};
// Line1, the rule under the bottom number, 5 pixels wide.
constexpr DesignedRule Rules[] = {{"Line1", 480, 2670, 2655, 5}};

// The operations, as Drill numbers them.
struct Operation {
    const char *caption;
    const char *imageKey;
    const char *spoken; // how a screen reader reads the operator picture
};
const Operation Operations[Drill::OperationCount] = {
    {QT_TRANSLATE_NOOP("frmMain", "Addition"), "A", QT_TRANSLATE_NOOP("frmMain", "plus")},
    {QT_TRANSLATE_NOOP("frmMain", "Subtraction"), "S", QT_TRANSLATE_NOOP("frmMain", "minus")},
    {QT_TRANSLATE_NOOP("frmMain", "multiplication"), "M", QT_TRANSLATE_NOOP("frmMain", "times")},
    {QT_TRANSLATE_NOOP("frmMain", "Division"), "D", QT_TRANSLATE_NOOP("frmMain", "divided by")},
};

// The texts the handlers write, each made in one place so that the layout can measure them.
QString verdictText(bool right, const QString &answer) {
    return right ? QCoreApplication::translate("frmMain", "That's correct!")
                 : QCoreApplication::translate("frmMain", "Sorry. The correct answer is %1 .")
                       .arg(answer);
}
QString rightText(std::int64_t count) {
    return QCoreApplication::translate("frmMain", "Right: %1").arg(QString::number(count));
}
QString wrongText(std::int64_t count) {
    return QCoreApplication::translate("frmMain", "Wrong: %1").arg(QString::number(count));
}
QString rangeText(int limit) {
    return limit == 12 ? QCoreApplication::translate("frmMain", "Range: 0-12")
                       : QCoreApplication::translate("frmMain", "Range: 0-9");
}

} // namespace

frmMain::frmMain(RandomSource *random, Score score, AppInfo::VersionNumbers version,
                 ColourScheme colours)
    : drill_(random ? *random : clockRandom_, score), version_(version), colours_(colours) {
    setObjectName(QStringLiteral("frmMain"));
    // Minimise and close only: the window has a fixed size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // No icon of its own: the window shows the application's, set once in main().

    SayWhetherMenuItemsAreChecked();

    createControls();
    announcer_ = new Announcer(this);
    createActions();
    createMenus();
    describeControls();
    wireEvents();
    placeControls();
    // The window keeps its designed size: the client area plus the menu bar. Where the desktop's
    // own title bar offers maximise anyway (the toolkit's decorations under Wayland), the window
    // is put back at once.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    RefuseWindowStates(this, Qt::WindowMaximized | Qt::WindowFullScreen);

    ErrorPath::Guard([this] { Form_Load(); });

    // The keyboard starts at the first control of the tab order: the selected option.
    optOperation->checkedButton()->setFocus();

    // Centred on the screen.
    adjustSize();
    CentreFrameWhenShown(this);
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    // The grey matches the card picture's corners whatever the desktop's scheme; the menu bar,
    // outside it, stays the desktop's.
    client->setPalette(FixedSurfacePalette(colours_.inactiveBorder, colours_));
    client->setAutoFillBackground(true);

    const auto commandButton = [client](const char *name, const QString &text) {
        auto *button = Named<QPushButton>(client, name);
        button->setText(text);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        FollowDesktopScheme(button);  // the desktop draws its buttons in its own scheme
        return button;
    };
    // In the order the controls are created by design.
    cmdNextCard = commandButton("cmdNextCard", tr("Next Card"));
    cmdChoice4 = commandButton("cmdChoice4", QStringLiteral("x"));
    cmdChoice3 = commandButton("cmdChoice3", QStringLiteral("x"));
    cmdChoice2 = commandButton("cmdChoice2", QStringLiteral("x"));
    cmdChoice1 = commandButton("cmdChoice1", QStringLiteral("x"));
    choices_ = {cmdChoice1, cmdChoice2, cmdChoice3, cmdChoice4};

    optOperation = new QButtonGroup(this);
    optOperation->setObjectName(QStringLiteral("optOperation"));
    for (int index = 3; index >= 0; --index) {
        auto *option = new QRadioButton(tr(Operations[index].caption), client);
        option->setObjectName(QStringLiteral("optOperation(%1)").arg(index));
        optOperation->addButton(option, index);
    }
    optOperation->button(0)->setChecked(true);

    createCard();

    lbllimit = NamedLabel(client, "lbllimit", tr("Range 0-9"), Qt::AlignHCenter);
    lblConfirmation =
        NamedLabel(client, "lblConfirmation", QStringLiteral("Label1"), Qt::AlignHCenter);
    lblCorrectCount = NamedLabel(client, "lblCorrectCount", tr("Correct: 0"), Qt::AlignLeft);
    lblIncorrectCount = NamedLabel(client, "lblIncorrectCount", tr("Incorrect: 0"), Qt::AlignLeft);
    // The range is written in the window-text colour, the other labels in the default one.
    SetColour(lbllimit, QPalette::WindowText, colours_.windowText);
}

void frmMain::placeControls() {
    // The scale at which every text the window can show fits its box.
    FormKit kit(centralWidget(), {ClientWidth, ClientHeight}, Controls, Rules);
    for (QAbstractButton *option : optOperation->buttons())
        kit.Fit(option, option->sizeHint());
    kit.Fit(cmdNextCard, cmdNextCard->text(), TwipLayout::ButtonMargin);
    // The widest captions: those around the largest answer.
    for (const std::int16_t caption : ChoiceCaptions(144, 1))
        for (QPushButton *choice : choices_)
            kit.Fit(choice, QString::number(caption), TwipLayout::ButtonMargin);
    for (const QString &text : {lbllimit->text(), rangeText(9), rangeText(12)})
        kit.Fit(lbllimit, text);
    for (const QString &text : {lblCorrectCount->text(), rightText(32767)})
        kit.Fit(lblCorrectCount, text);
    for (const QString &text : {lblIncorrectCount->text(), wrongText(99999)})
        kit.Fit(lblIncorrectCount, text);
    // The verdict in the room it may widen to.
    for (const QString &text : {verdictText(true, {}), verdictText(false, QStringLiteral("144"))})
        kit.Fit(lblConfirmation, text, 0, VerdictRoom, VerdictHeight);
    layout_ = kit.Place();

    Shape2->setLineWidth(layout_.Scaled(1));
    const qreal ratio = qApp->devicePixelRatio();
    Picture1->setPixmap(ScaledArt(QStringLiteral(":/card.png"), layout_.Factor(), ratio));
    const QFont cardFont = CardFont(CardFontFamilies(), layout_.Factor());
    for (QLabel *number : {lblTopNum, lblBottomNum, lblAnswer})
        number->setFont(cardFont);
}

void frmMain::showOperator() {
    const QString key = QString::fromLatin1(Operations[drill_.SelectedOperation()].imageKey);
    pctOperand->setPixmap(
        layout_.Factor() == 1.0
            ? imlImages.Image(key)
            : ScaledArt(ImageList::PathOf(key), layout_.Factor(), qApp->devicePixelRatio()));
}

void frmMain::createCard() {
    auto *client = centralWidget();
    Picture1 = Named<QLabel>(client, "Picture1");
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop); // its picture fills it

    // The operator picture sits unscaled at the top-left of its box, on the window background.
    pctOperand = Named<QLabel>(Picture1, "pctOperand");
    pctOperand->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Fill(pctOperand, colours_.windowBackground);

    Shape2 = Named<QFrame>(Picture1, "Shape2");
    Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape2->setLineWidth(1);
    Shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColour(Shape2, QPalette::WindowText, colours_.windowText);

    Line1 = Named<QFrame>(Picture1, "Line1");
    Line1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Fill(Line1, colours_.windowText);

    // The numbers in the card's font, set with the layout (placeControls).
    const auto number = Qt::AlignRight;
    lblAnswer = NamedLabel<QuietLabel>(Picture1, "lblAnswer", QStringLiteral("XXX"), number);
    lblBottomNum = NamedLabel(Picture1, "lblBottomNum", QStringLiteral("XX"), number);
    lblTopNum = NamedLabel(Picture1, "lblTopNum", QStringLiteral("XXX"), number);
    SetColour(lblAnswer, QPalette::WindowText, QColor(255, 0, 0));
    SetColour(lblBottomNum, QPalette::WindowText, QColor(0, 255, 0));
    SetColour(lblTopNum, QPalette::WindowText, QColor(255, 255, 0));
    Fill(lblAnswer, colours_.windowBackground);
    Fill(lblBottomNum, Qt::white);
    Fill(lblTopNum, Qt::white);

    // The operator picture covers the bottom number's left edge; the answer box's outline
    // stays visible around the answer.
    pctOperand->raise();
    Shape2->raise();
}

void frmMain::createActions() {
    mnuReset = NamedItem(this, "mnuReset", tr("Reset"));
    Seperator1 = Named<QAction>(this, "Seperator1");
    mnuExit = NamedItem(this, "mnuExit", tr("Exit"));
    mnuRandomize = NamedItem(this, "mnuRandomize", tr("Randomize"), true);
    seperator2 = Named<QAction>(this, "seperator2");
    mnuRange09 = NamedItem(this, "mnuRange09", tr("Range 0-9"), true);
    mnuRange012 = NamedItem(this, "mnuRange012", tr("Range 0-12"), true);
    mnuAbout = NamedItem(this, "mnuAbout", tr("About..."));
    Seperator1->setSeparator(true);
    seperator2->setSeparator(true);
    mnuRandomize->setChecked(true);
    mnuRange09->setChecked(true);
}

void frmMain::createMenus() {
    QMenuBar *bar = menuBar();
    mnuFile = NamedMenu(bar, "mnuFile", tr("File"), {mnuReset, Seperator1, mnuExit});
    mnuTools = NamedMenu(bar, "mnuTools", tr("Tools"),
                         {mnuRandomize, seperator2, mnuRange09, mnuRange012});
    mnuHelp = NamedMenu(bar, "mnuHelp", tr("Help"), {mnuAbout});
}

void frmMain::describeControls() {
    Picture1->setAccessibleDescription(tr("The flash card"));
    lblTopNum->setAccessibleDescription(tr("Top number"));
    lblBottomNum->setAccessibleDescription(tr("Bottom number"));
    lblAnswer->setAccessibleDescription(tr("The answer"));
    pctOperand->setAccessibleDescription(tr("Operation"));
    lblConfirmation->setAccessibleDescription(tr("Verdict"));
    for (std::size_t i = 0; i < choices_.size(); ++i)
        choices_[i]->setAccessibleDescription(
            tr("Answer choice %1 of 4").arg(QString::number(std::int64_t(i + 1))));
    cmdNextCard->setAccessibleDescription(tr("Deal the next card"));
}

void frmMain::describeCard() {
    const QString spoken = tr(Operations[drill_.SelectedOperation()].spoken);
    pctOperand->setAccessibleName(spoken);
    Picture1->setAccessibleName(lblTopNum->text() + u' ' + spoken + u' ' + lblBottomNum->text());
}

void frmMain::wireEvents() {
    using ErrorPath::Guarded;
    connect(cmdNextCard, &QPushButton::clicked, this, Guarded(this, &frmMain::cmdNextCard_Click));
    connect(cmdChoice1, &QPushButton::clicked, this, Guarded(this, &frmMain::cmdChoice1_Click));
    connect(cmdChoice2, &QPushButton::clicked, this, Guarded(this, &frmMain::cmdChoice2_Click));
    connect(cmdChoice3, &QPushButton::clicked, this, Guarded(this, &frmMain::cmdChoice3_Click));
    connect(cmdChoice4, &QPushButton::clicked, this, Guarded(this, &frmMain::cmdChoice4_Click));
    OnOptionClick(optOperation, Guarded(this, &frmMain::optOperation_Click));
    connect(mnuReset, &QAction::triggered, this, Guarded(this, &frmMain::mnuReset_Click));
    connect(mnuExit, &QAction::triggered, this, Guarded(this, &frmMain::mnuExit_Click));
    connect(mnuRandomize, &QAction::triggered, this, Guarded(this, &frmMain::mnuRandomize_Click));
    connect(mnuRange09, &QAction::triggered, this, Guarded(this, &frmMain::mnuRange09_Click));
    connect(mnuRange012, &QAction::triggered, this, Guarded(this, &frmMain::mnuRange012_Click));
    connect(mnuAbout, &QAction::triggered, this, Guarded(this, &frmMain::mnuAbout_Click));
}

void frmMain::Form_Load() {
    setWindowTitle(QString::fromLatin1(AppInfo::Title) + QStringLiteral(", v") +
                   QString::number(version_.major) + QStringLiteral(".") +
                   QString::number(version_.minor));
    showOperator();
    drill_.Start();
    showDeal();
}

// ---- Dealing ----

void frmMain::DealCard() {
    drill_.DealCard();
    showDeal();
}

void frmMain::showDeal() {
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        choices_[i]->setText(QString::number(drill_.Choices()[i]));
        choices_[i]->setEnabled(true);
    }
    // Hidden until the card is answered; the first deal hides them before the window shows.
    lblAnswer->setVisible(false);
    lblConfirmation->setVisible(false);
    const Card &card = drill_.Current();
    lblTopNum->setText(QString::number(card.TopNum));
    lblBottomNum->setText(QString::number(card.BottomNum));
    lblAnswer->setText(QString::number(card.Answer));
    describeCard();
    announcer_->Say(Picture1->accessibleName());
}

// ---- Judging and score ----

void frmMain::answerWith(int n) {
    drill_.CheckAnswer(n);
    lblAnswer->setVisible(true);
    lblConfirmation->setVisible(true);
    for (QPushButton *button : choices_)
        button->setEnabled(false);
    lblConfirmation->setText(verdictText(drill_.AnsweredRight(), lblAnswer->text()));
    fitVerdict();
    showScore();
    announcer_->Say(lblConfirmation->text() + u' ' + lblCorrectCount->text() +
                    QStringLiteral(", ") + lblIncorrectCount->text());
}

void frmMain::fitVerdict() {
    // "Sorry. The correct answer is 144 ." is wider than the designed box in most desktop
    // fonts. Rather than cut it off, widen the box about its centre.
    const QRect box = layout_.Rect(VerdictLeft, VerdictTop, VerdictWidth, VerdictHeight);
    const int needed =
        lblConfirmation->fontMetrics().horizontalAdvance(lblConfirmation->text()) + 4;
    const int width = std::clamp(needed, box.width(), layout_.Pixels(VerdictRoom));
    const int centre = layout_.Pixels(VerdictCentre);
    lblConfirmation->setGeometry(centre - width / 2, box.top(), width, box.height());
}

void frmMain::showScore() {
    lblCorrectCount->setText(rightText(drill_.Tally().RightCount));
    lblIncorrectCount->setText(wrongText(drill_.Tally().WrongCount));
}

void frmMain::mnuReset_Click() {
    drill_.Reset();
    showScore();
    showDeal();
}

// ---- Drill settings ----

void frmMain::optOperation_Click(int Index) {
    drill_.SelectOperation(Index);
    showOperator();
    showDeal();
}

void frmMain::selectRange(const QAction *item, std::int16_t limit) {
    drill_.SelectRange(limit);
    lbllimit->setText(rangeText(limit));
    // The item chosen carries the check mark, even when the toolkit has just taken it away.
    mnuRange09->setChecked(item == mnuRange09);
    mnuRange012->setChecked(item == mnuRange012);
    showDeal();
}

void frmMain::mnuRandomize_Click() {
    // The toolkit has already moved the check mark of this checkable item, as the order moves.
    drill_.ToggleRandom();
}

void frmMain::mnuAbout_Click() {
    // Laid out at least as large as this window, so both keep one scale.
    frmAbout about(this, layout_.TwipsEachPixel(), nullptr, version_, colours_);
    about.exec();
}
