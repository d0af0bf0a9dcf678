#pragma once

#include <QLabel>
#include <QString>
#include <functional>

class QAction;
class QButtonGroup;
class QMenu;
class QMenuBar;

// Controls made under the names the design gives them. The name is set first: a label settles
// its accessible interface as soon as it first sets its text.
template <class Control, class Parent> Control *Named(Parent *parent, const char *name) {
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

// A label of plain text at the top of its box.
template <class Label = QLabel>
Label *NamedLabel(QWidget *parent, const char *name, const QString &text, Qt::Alignment alignment) {
    auto *label = Named<Label>(parent, name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setText(text);
    return label;
}

// A warning of plain text, with advice under it, over the given window. It does not hold up the
// program: the call returns at once, and the box is gone when the user closes it.
void ShowWarning(QWidget *over, const char *name, const QString &title, const QString &text,
                 const QString &advice = {});

// A menu item, checkable or not, under the menu's name for it.
QAction *NamedItem(QObject *parent, const char *name, const QString &caption,
                   bool checkable = false);
// A menu of the menu bar under its name, holding items in their order.
QMenu *NamedMenu(QMenuBar *bar, const char *name, const QString &caption,
                 const QList<QAction *> &items);

// A label that says nothing to screen readers while it is hidden: a hidden answer must not be
// given away before the learner answers.
class QuietLabel : public QLabel {
    Q_OBJECT

public:
    explicit QuietLabel(QWidget *parent);
};

// Calls click(index) once each time an option of group is chosen, however it is chosen: a click,
// the arrow keys or Space, an assistive tool's Toggle or Press action, or code. A click on the
// option already selected selects nothing new and still calls it.
void OnOptionClick(QButtonGroup *group, const std::function<void(int index)> &click);
