#include "form/check_items.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// A checkable item of a menu: what the toolkit's own menu item tells, and whether it is checked.
class CheckItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CheckItemAccessible(QAction *item, QMenu *menu) : item_(item), menu_(menu) {}

    bool isValid() const override { return item_ && menu_; }
    QObject *object() const override { return item_; }
    QWindow *window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !item_)
            return {};
        const QString name = QString(item_->text()).remove(u'&');
        return item_->isChecked()
                   ? name
                   : QCoreApplication::translate("Menus", "%1, not checked").arg(name);
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        if (!menu_ || !item_)
            return {};
        const QRect r = menu_->actionGeometry(item_);
        return {menu_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !menu_ || !menu_->isVisible() || !item_ || !item_->isVisible();
        s.focusable = s.checkable = true;
        s.focused = menu_ && menu_->activeAction() == item_;
        s.checked = item_ && item_->isChecked();
        s.disabled = item_ && !item_->isEnabled();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction() && item_)
            item_->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QAction> item_;
    QPointer<QMenu> menu_;
};

QAccessibleInterface *checkItemAccessible(const QString &className, QObject *object) {
    auto *item = className == QLatin1String("QAction") ? qobject_cast<QAction *>(object) : nullptr;
    if (!item || !item->isCheckable())
        return nullptr;
    for (QObject *owner : item->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(owner))
            return new CheckItemAccessible(item, menu);
    return nullptr;
}

} // namespace
#endif

void SayWhetherMenuItemsAreChecked() {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installFactory(checkItemAccessible);
#endif
}
