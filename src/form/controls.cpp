#include "form/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QButtonGroup>
#include <QMenuBar>
#include <QMessageBox>
#include <memory>
#include <optional>

QAction *NamedItem(QObject *parent, const char *name, const QString &caption, bool checkable) {
    auto *item = Named<QAction>(parent, name);
    item->setText(caption);
    item->setCheckable(checkable);
    return item;
}

QMenu *NamedMenu(QMenuBar *bar, const char *name, const QString &caption,
                 const QList<QAction *> &items) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->addActions(items);
    return menu;
}

void ShowWarning(QWidget *over, const char *name, const QString &title, const QString &text,
                 const QString &advice) {
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, over);
    box->setObjectName(QLatin1String(name));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(advice);
    box->show();
}

namespace {

// Screen readers read a label's text as its name.
class QuietAccessible : public QAccessibleWidget {
public:
    explicit QuietAccessible(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto *label = static_cast<const QLabel *>(widget());
        if (label->isHidden())
            return {};
        return t == QAccessible::Name ? label->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *quietAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String(QuietLabel::staticMetaObject.className()))
        return new QuietAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

QuietLabel::QuietLabel(QWidget *parent) : QLabel(parent) {
    // Before the label first sets its text; a factory installed before is not installed again.
    QAccessible::installFactory(quietAccessible);
}

void OnOptionClick(QButtonGroup *group, const std::function<void(int index)> &click) {
    // The option selected since the last press of any option: the click that selected it has
    // been answered already.
    auto selectedJustNow = std::make_shared<std::optional<int>>();
    QObject::connect(group, &QButtonGroup::idPressed, group,
                     [selectedJustNow] { selectedJustNow->reset(); });
    QObject::connect(group, &QButtonGroup::idToggled, group,
                     [selectedJustNow, click](int index, bool checked) {
                         if (checked) {
                             *selectedJustNow = index;
                             click(index);
                         }
                     });
    QObject::connect(group, &QButtonGroup::idClicked, group, [selectedJustNow, click](int index) {
        if (*selectedJustNow != index)
            click(index);
    });
}
