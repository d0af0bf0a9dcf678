#include "form/announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The notification reads as the message, and as nothing between messages.
class NotificationAccessible : public QAccessibleWidget {
public:
    NotificationAccessible(QWidget *notification, const Announcer *announcer)
        : QAccessibleWidget(notification, QAccessible::Notification), announcer_(announcer) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && announcer_ ? announcer_->Message() : QString();
    }

private:
    QPointer<const Announcer> announcer_;
};

QAccessibleInterface *announcerAccessible(const QString &, QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    if (auto *announcer = widget ? dynamic_cast<Announcer *>(widget) : nullptr)
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    auto *parent = widget ? dynamic_cast<Announcer *>(widget->parentWidget()) : nullptr;
    if (parent && widget->objectName() == QLatin1String("notification"))
        return new NotificationAccessible(widget, parent);
    return nullptr;
}
#endif

} // namespace

Announcer::Announcer(QWidget *window) : QWidget(window) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    notification_ = new QWidget(this);
    notification_->setObjectName(QStringLiteral("notification"));
    notification_->setGeometry(0, 0, 1, 1);
    QAccessible::installFactory(announcerAccessible);
#endif
    window->installEventFilter(this);
}

void Announcer::Say(const QString &message) {
    message_ = message;
    pending_ = true;
    if (window()->isActiveWindow())
        QTimer::singleShot(0, this, &Announcer::send);
}

bool Announcer::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::WindowActivate && pending_)
        QTimer::singleShot(0, this, &Announcer::send);
    return QWidget::eventFilter(watched, event);
}

void Announcer::send() {
    if (!pending_)
        return;
    pending_ = false;
    Q_EMIT said(message_);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The toolkit passes announcements on from 6.8, and screen readers of that time speak them
    // (they would read a shown notification's name from their cache, unchanged).
    QAccessibleAnnouncementEvent said(this, message_);
    QAccessible::updateAccessibility(&said);
#else
    QAccessibleEvent shown(notification_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
