#include "form/link_label.h"

#include "form/design_colours.h"
#include "form/resource_images.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == pressAction())
            Q_EMIT static_cast<LinkLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *linkAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

// The hand pointer's drawings: 32 pixels, and 48 and 64 for scaled screens. Each has its hot
// spot at the finger's tip, (12, 9) at the designed size.
QCursor handPointer(qreal deviceRatio) {
    const qreal ratio = deviceRatio >= 2.0 ? 2.0 : deviceRatio >= 1.5 ? 1.5 : 1.0;
    const QString art = ratio == 2.0   ? QStringLiteral(":/hand_cursor@2x.png")
                        : ratio == 1.5 ? QStringLiteral(":/hand_cursor@1.5x.png")
                                       : QStringLiteral(":/hand_cursor.png");
    QPixmap hand(art);
    if (hand.isNull())
        return {Qt::PointingHandCursor};
    hand.setDevicePixelRatio(ratio);
    // X takes the hot spot in the drawing's own pixels; Wayland in the window's.
    const qreal hotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? ratio : 1.0;
    return QCursor(hand, qRound(12 * hotScale), qRound(9 * hotScale));
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent) {
    // A factory installed before is not installed again.
    QAccessible::installFactory(linkAccessible);
    setMouseTracking(true);
    // Reached by Tab, not taken by a click: the pointer's click opens it at once.
    setFocusPolicy(Qt::TabFocus);
    setCursor(MadeOnce<QCursor>([] { return handPointer(qGuiApp->devicePixelRatio()); }));
}

void LinkLabel::ShowLook(const QColor &colour, bool underlined) {
    SetColour(this, QPalette::WindowText, colour);
    QFont underline = font();
    underline.setUnderline(underlined);
    setFont(underline);
}

void LinkLabel::mouseMoveEvent(QMouseEvent * /*event*/) {
    Q_EMIT mouseMoved();
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

// With the keyboard's focus, the link is drawn inside the desktop's focus frame.
void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this); // around the whole label
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}
