#pragma once

#include <QProxyStyle>

// The application's own style, drawing everything as it does, except that the arrow of the
// horizontal extension button is fetched only when first drawn. Every menu bar makes such a
// button when it is created, for the menus that do not fit, and most never show it; fetching
// its arrow decodes the style's PNGs and, the first time, loads every image plugin the toolkit
// has to ask whether one reads PNG, all before the window's first frame. Set it for the
// application before the first window, through UseDeferredIconStyle().
class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// Sets DeferredIconStyle for the application.
void UseDeferredIconStyle();
