#include "platform/window_placement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QRect>
#include <QWidget>

namespace {

constexpr qint64 SettlingMs = 2000;

class FrameCentrer : public QObject {
public:
    FrameCentrer(QWidget *window, std::function<QRect()> area)
        : QObject(window), window_(window), area_(std::move(area)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            shown_.start();
            centre();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (shown_.isValid() && !shown_.hasExpired(SettlingMs) &&
                window_->frameGeometry().size() != frame_)
                centre();
            break;
        case QEvent::Hide:
            shown_.invalidate();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void centre() {
        const QRect area = area_();
        frame_ = window_->frameGeometry().size();
        if (area.isEmpty())
            return;
        // A window's position is that of its frame.
        window_->move(area.center() - QRect(QPoint(), frame_).center());
    }

    QWidget *window_;
    std::function<QRect()> area_;
    QElapsedTimer shown_;
    QSize frame_;
};

} // namespace

void CentreFrameWhenShown(QWidget *window, std::function<QRect()> area) {
    new FrameCentrer(window, std::move(area));
}
