#pragma once

// Finds the main window's controls by their names, operates them as a user does, and puts what
// the window shows beside what a drill says.

#include "app/error_path.h"
#include "drill/drill.h"
#include "form/image_list.h"
#include "main_window/frm_main.h"

#include <QAction>
#include <QButtonGroup>
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

    // The key of the operator picture on show, "?" for none of the four.
    QString operatorKey() const {
        static ImageList images;
        const QImage shown = label("pctOperand")->pixmap().toImage();
        for (const char *key : {"A", "S", "M", "D"})
            if (images.Image(QLatin1String(key)).toImage() == shown)
                return QLatin1String(key);
        return "?";
    }

    // The drill as the window shows it: the card, the operator picture and the option selected,
    // the answer buttons (+ open, - answered), the answer, the verdict, both counts, the range,
    // and the marks of the Tools menu. A label hidden shows "-".
    QString shows() const {
        const auto shown = [this](const char *name, bool whole = false) {
            const QString text = this->text(QLatin1String(name));
            return label(name)->isHidden() ? "-" : whole ? text : text.section(u' ', -1);
        };
        QStringList s{text("lblTopNum") + u' ' + text("lblBottomNum") + u' ' + shown("lblAnswer"),
                      operatorKey() +
                          QString::number(get<QButtonGroup>("optOperation")->checkedId())};
        for (int n = 1; n <= 4; ++n)
            s << choice(n)->text() + (choice(n)->isEnabled() ? "+" : "-");
        s << shown("lblConfirmation", true) << shown("lblCorrectCount")
          << shown("lblIncorrectCount") << shown("lbllimit");
        for (const char *name : {"mnuRandomize", "mnuRange09", "mnuRange012"})
            s << (action(name)->isChecked() ? "v" : ".");
        return s.join(u'|');
    }
    // What the window is to show for the drill, in the same terms.
    static QString says(const Drill &drill) {
        const Card &c = drill.Current();
        const bool answered = drill.Answered();
        QStringList s{QString("%1 %2 %3")
                          .arg(c.TopNum)
                          .arg(c.BottomNum)
                          .arg(answered ? QString::number(c.Answer) : "-"),
                      QLatin1Char("ASMD"[drill.SelectedOperation()]) +
                          QString::number(drill.SelectedOperation())};
        for (const std::int16_t caption : drill.Choices())
            s << QString::number(caption) + (answered ? "-" : "+");
        s << (!answered               ? QString("-")
              : drill.AnsweredRight() ? QString("That's correct!")
                                      : QString("Sorry. The correct answer is %1 .").arg(c.Answer))
          << QString::number(drill.Tally().RightCount) << QString::number(drill.Tally().WrongCount)
          << QString("0-%1").arg(drill.Limit()) << (drill.DealsAtRandom() ? "v" : ".")
          << (drill.Limit() == 9 ? "v" : ".") << (drill.Limit() == 12 ? "v" : ".");
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
    void selectOperation(int index) const { click(option(index)); }
    void trigger(const QString &name) const { action(name)->trigger(); }

    frmMain &w;
};
