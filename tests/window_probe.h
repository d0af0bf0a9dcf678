#pragma once

// Finds the main window's controls by their names and checks what must hold after any event.

#include "app/error_path.h"
#include "drill/mod_cards.h"
#include "form/image_list.h"
#include "main_window/frm_main.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// An unexpected error fails the test at once, instead of waiting in a message box nobody closes.
inline void FailOnUnexpectedErrors() {
    ErrorPath::SetReporter([](const QString &error) { qFatal("%s", qPrintable(error)); });
}

class WindowProbe {
public:
    explicit WindowProbe(frmMain &window) : w(window) {}

    template <class T = QWidget> T *get(const QString &name) const {
        T *found = w.findChild<T *>(name);
        return found ? found : (qFatal("no control named %s", qPrintable(name)), nullptr);
    }
    QLabel *label(const QString &name) const { return get<QLabel>(name); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
    QAction *action(const QString &name) const { return get<QAction>(name); }
    QRadioButton *option(int i) const {
        return get<QRadioButton>(QString("optOperation(%1)").arg(i));
    }
    QPushButton *choice(int n) const { return button(QString("cmdChoice%1").arg(n)); }
    QString text(const QString &name) const { return label(name)->text(); }

    // The card on show as "top bottom answer".
    QString card() const {
        return text("lblTopNum") + u' ' + text("lblBottomNum") + u' ' + text("lblAnswer");
    }
    static QString cardText(const Card &c) {
        return QString("%1 %2 %3").arg(c.TopNum).arg(c.BottomNum).arg(c.Answer);
    }

    bool answered() const { return !choice(1)->isEnabled(); }

    // The key of the operator picture on show, "?" for none of the four.
    QString operatorKey() const {
        static ImageList images;
        const QImage shown = label("pctOperand")->pixmap().toImage();
        for (const char *key : {"A", "S", "M", "D"})
            if (images.Image(QLatin1String(key)).toImage() == shown)
                return QLatin1String(key);
        return "?";
    }

    // All a user can see of the drill, to compare two windows.
    QString state() const {
        QStringList s{card(), operatorKey()};
        for (const char *name :
             {"lblConfirmation", "lblCorrectCount", "lblIncorrectCount", "lbllimit", "lblAnswer"})
            s << text(name) + (label(name)->isHidden() ? "-" : "+");
        for (int n = 1; n <= 4; ++n)
            s << choice(n)->text() + (choice(n)->isEnabled() ? "+" : "-");
        for (int i = 0; i < 4; ++i)
            s << (option(i)->isChecked() ? "o" : ".");
        for (const char *name : {"mnuRandomize", "mnuRange09", "mnuRange012"})
            s << (action(name)->isChecked() ? "v" : ".");
        s << (w.isVisible() ? "open" : "closed");
        return s.join(u'|');
    }

    // Where a user clicks: the middle of a button, but an option's round mark (a click beside a
    // short caption misses the option, for a user too).
    void click(QAbstractButton *button) const {
        QPoint at = button->rect().center();
        if (button->inherits("QRadioButton")) {
            QStyleOptionButton mark;
            mark.initFrom(button);
            at = button->style()
                     ->subElementRect(QStyle::SE_RadioButtonIndicator, &mark, button)
                     .center();
        }
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    void clickChoice(int n) const { click(choice(n)); }
    void nextCard() const { click(button("cmdNextCard")); }
    void selectOperation(int index) const { click(option(index)); }
    void trigger(const QString &name) const { action(name)->trigger(); }

    // What holds after every event: returns an empty string, or what is wrong.
    QString invariantViolation() const {
        int operation = 0;
        while (operation < 4 && !option(operation)->isChecked())
            ++operation;
        if (operation == 4)
            return "no operation selected";
        static constexpr void (modCards::*builders[])(std::int16_t) = {
            &modCards::BuildAdditionDeck, &modCards::BuildSubtractionDeck,
            &modCards::BuildMultiplicationDeck, &modCards::BuildDivisionDeck};
        modCards expected;
        (expected.*builders[operation])(action("mnuRange012")->isChecked() ? 12 : 9);
        const std::vector<Card> &deck = w.Cards().Deck();
        const QString shown = card(), answer = text("lblAnswer");
        const bool open = !answered();
        int withAnswer = 0, enabled = 0;
        for (int n = 1; n <= 4; ++n)
            withAnswer += choice(n)->text() == answer, enabled += choice(n)->isEnabled();
        QStringList wrong;
        if (expected.Deck() != deck || expected.LastCard() != w.Cards().LastCard())
            wrong << "the deck is not the selected operation and range's";
        if (operatorKey() != QLatin1String("ASMD" + operation, 1))
            wrong << "the operator picture is not the selected operation's";
        if (std::none_of(deck.begin(), deck.begin() + w.Cards().LastCard() + 1,
                         [&](const Card &c) { return cardText(c) == shown; }))
            wrong << QString("card %1 is not in the current deck").arg(shown);
        if (withAnswer == 0)
            wrong << QString("no answer button shows the answer of %1").arg(shown);
        if (enabled != 4 * open || label("lblAnswer")->isHidden() != open ||
            label("lblConfirmation")->isHidden() != open)
            wrong << "buttons, answer and verdict disagree on the card being open";
        if (action("mnuRange09")->isChecked() == action("mnuRange012")->isChecked())
            wrong << "not one range item checked";
        return wrong.join("; ");
    }

    frmMain &w;
};
