#include "form/deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <functional>
#include <memory>
#include <utility>

namespace {

// An icon that is another, asked for on first use: whatever it is asked, it answers as the
// icon it stands for does. Until then it is not null, as the style's arrows never are.
class DeferredIconEngine : public QIconEngine {
public:
    using Fetch = std::function<QIcon()>;
    explicit DeferredIconEngine(Fetch fetch) : state_(std::make_shared<State>()) {
        state_->fetch = std::move(fetch);
    }

    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        // At a device pixel ratio of 1 the icon asks its engine for exactly this.
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // From Qt 6.8 on, the icon asks in the window's pixels and takes the ratio as it comes;
        // before, it asked in device pixels and set the ratio itself.
        if constexpr (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))
            return icon().pixmap(size, scale, mode, state);
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return state_->fetched ? icon().name() : QString(); }
    bool isNull() override { return state_->fetched && icon().isNull(); }

private:
    struct State {
        Fetch fetch;
        QIcon icon;
        bool fetched = false;
    };
    // Shared by the copies the icon makes of itself, so it is fetched once.
    std::shared_ptr<State> state_;

    DeferredIconEngine(const DeferredIconEngine &) = default;

    const QIcon &icon() {
        if (!state_->fetched) {
            state_->fetched = true;
            state_->icon = std::exchange(state_->fetch, {})();
        }
        return state_->icon;
    }
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // Fetched as it would be now: the same style, the same direction, the same widget if it
    // is still there.
    std::shared_ptr<QStyleOption> copy;
    if (option)
        copy = std::make_shared<QStyleOption>(*option);
    const QPointer<const QWidget> from(widget);
    const QPointer<const DeferredIconStyle> style(this);
    return QIcon(new DeferredIconEngine([=] {
        return style ? style->QProxyStyle::standardIcon(standardIcon, copy.get(), from.data())
                     : QIcon();
    }));
}

void UseDeferredIconStyle() {
    QApplication::setStyle(new DeferredIconStyle);
}
