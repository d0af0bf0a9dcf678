#pragma once

// Finds the main window's controls by their names and checks what must hold after any event.

#include "drill/mod_cards.h"
#include "main_window/frm_main.h"
#include "platform/error_path.h"
#include "platform/image_list.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QLabel *label(const QString &name) const { return get<QLabel>(name); }
    QPushButton *button(const QString &name) const { return get<QPushButton>(name); }
    QAction *action(const QString &name) const { return get<QAction>(name); }
    QRadioButton *option(int index) const {
        return get<QRadioButton>(QStringLiteral("optOperation(%1)").arg(index));
    }
    QPushButton *choice(int n) const { return button(QStringLiteral("cmdChoice%1").arg(n)); }
    QString text(const QString &name) const { return label(name)->text(); }

    // The card on show as "top bottom answer".
    QString card() const {
        return text(QStringLiteral("lblTopNum")) + u' ' + text(QStringLiteral("lblBottomNum")) +
               u' ' + text(QStringLiteral("lblAnswer"));
    }
    static QString cardText(const Card &c) {
        return QStringLiteral("%1 %2 %3").arg(c.TopNum).arg(c.BottomNum).arg(c.Answer);
    }

    bool answered() const { return !choice(1)->isEnabled(); }

    // The key of the operator picture on show, "?" for none of the four.
    QString operatorKey() const {
        static ImageList images;
        const QImage shown = label(QStringLiteral("pctOperand"))->pixmap().toImage();
        for (const char *key : {"A", "S", "M", "D"})
            if (images.Image(QLatin1String(key)).toImage() == shown)
                return QLatin1String(key);
        return QStringLiteral("?");
    }

    // All a user can see of the drill, to compare two windows.
    QString state() const {
        QStringList s{card(), operatorKey()};
        for (const char *name :
             {"lblConfirmation", "lblCorrectCount", "lblIncorrectCount", "lbllimit", "lblAnswer"})
            s << text(QLatin1String(name)) + (label(QLatin1String(name))->isHidden() ? "-" : "+");
        for (int n = 1; n <= 4; ++n)
            s << choice(n)->text() + (choice(n)->isEnabled() ? "+" : "-");
        for (int i = 0; i < 4; ++i)
            s << (option(i)->isChecked() ? "o" : ".");
        for (const char *name : {"mnuRandomize", "mnuRange09", "mnuRange012"})
            s << (action(QLatin1String(name))->isChecked() ? "v" : ".");
        s << (w.isVisible() ? "open" : "closed");
        return s.join(u'|');
    }

    void click(QAbstractButton *button) const {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    void clickChoice(int n) const { click(choice(n)); }
    void nextCard() const { click(button(QStringLiteral("cmdNextCard"))); }
    void selectOperation(int index) const { click(option(index)); }
    void trigger(const QString &name) const { action(name)->trigger(); }

    // What holds after every event: returns an empty string, or what is wrong.
    QString invariantViolation() const {
        const modCards &cards = w.Cards();
        // The deck must be the one the selected operation and range call for.
        int operation = -1;
        for (int i = 0; i < 4; ++i)
            if (option(i)->isChecked())
                operation = i;
        if (operation < 0)
            return QStringLiteral("no operation selected");
        static constexpr void (modCards::*builders[])(std::int16_t) = {
            &modCards::BuildAdditionDeck, &modCards::BuildSubtractionDeck,
            &modCards::BuildMultiplicationDeck, &modCards::BuildDivisionDeck};
        modCards expected;
        (expected.*builders[operation])(action(QStringLiteral("mnuRange012"))->isChecked() ? 12
                                                                                           : 9);
        if (expected.Deck() != cards.Deck() || expected.LastCard() != cards.LastCard())
            return QStringLiteral("the deck is not the one of the selected operation and range");
        if (operatorKey() != QLatin1String("ASMD" + operation, 1))
            return QStringLiteral("the operator picture is not the selected operation's");
        const QString shown = card();
        bool inDeck = false;
        for (int i = 0; i <= cards.LastCard() && !inDeck; ++i)
            inDeck = cardText(cards.Deck()[i]) == shown;
        if (!inDeck)
            return QStringLiteral("card %1 is not in the current deck").arg(shown);
        int withAnswer = 0;
        for (int n = 1; n <= 4; ++n)
            withAnswer += choice(n)->text() == text(QStringLiteral("lblAnswer"));
        if (withAnswer == 0)
            return QStringLiteral("no answer button shows the answer of %1").arg(shown);
        const bool open = !answered();
        for (int n = 1; n <= 4; ++n)
            if (choice(n)->isEnabled() != open)
                return QStringLiteral("answer buttons disagree on being enabled");
        if (label(QStringLiteral("lblAnswer"))->isHidden() != open ||
            label(QStringLiteral("lblConfirmation"))->isHidden() != open)
            return QStringLiteral("answer or verdict shown on an open card, or hidden after one");
        const auto checked = action(QStringLiteral("mnuRange09"))->isChecked() +
                             action(QStringLiteral("mnuRange012"))->isChecked();
        if (checked != 1)
            return QStringLiteral("%1 range items checked").arg(checked);
        return {};
    }

    frmMain &w;
};
