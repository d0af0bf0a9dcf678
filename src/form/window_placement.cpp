#include "form/window_placement.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QRect>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>

namespace {

constexpr qint64 SettlingMs = 2000;
constexpr int WatchMs = 40;

class FrameCentrer : public QObject {
public:
    FrameCentrer(QWidget *window, std::function<QRect()> area)
        : QObject(window), window_(window), area_(std::move(area)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject * /*window*/, QEvent *event) override {
        switch (event->type()) {
        case QEvent::Show:
            shown_.start();
            watch_.start(WatchMs, this);
            centre();
            break;
        case QEvent::Hide:
            watch_.stop();
            break;
        default:
            break;
        }
        return false;
    }

protected:
    // The window manager gives no notice when it frames a window that keeps its place, so the
    // frame is looked at a few times a second while the window settles.
    void timerEvent(QTimerEvent *event) override {
        if (event->timerId() != watch_.timerId())
            return;
        if (margins() != margins_)
            centre();
        if (shown_.hasExpired(SettlingMs))
            watch_.stop();
    }

private:
    QMargins margins() const {
        const QWindow *handle = window_->windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    }

    void centre() {
        QRect area = area_ ? area_() : QRect();
        if (area.isEmpty())
            if (const QScreen *screen = window_->screen())
                area = screen->availableGeometry();
        margins_ = margins();
        if (area.isEmpty())
            return;
        // Placed by its client area, whose position the window manager keeps as given.
        const QSize client = window_->size();
        const QSize frame = client.grownBy(margins_);
        const QPoint frameTopLeft = area.center() - QRect(QPoint(), frame).center();
        window_->setGeometry(QRect(frameTopLeft + QPoint(margins_.left(), margins_.top()), client));
    }

    QWidget *window_;
    std::function<QRect()> area_;
    QElapsedTimer shown_;
    QBasicTimer watch_;
    QMargins margins_;
};

class StateKeeper : public QObject {
public:
    StateKeeper(QWidget *window, Qt::WindowStates refused) : QObject(window), refused_(refused) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowStateChange && (window->windowState() & refused_))
            window->setWindowState(window->windowState() & ~refused_);
        return false;
    }

private:
    Qt::WindowStates refused_;
};

} // namespace

void RefuseWindowStates(QWidget *window, Qt::WindowStates refused) {
    new StateKeeper(window, refused);
}

void CentreFrameWhenShown(QWidget *window, std::function<QRect()> area) {
    new FrameCentrer(window, std::move(area));
}
