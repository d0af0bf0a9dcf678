#pragma once

#include "form/twips.h"

#include <QList>
#include <QSize>
#include <optional>
#include <span>

class QWidget;

// A control as designed: its objectName, its box in twips on the surface it stands on, and its
// place in the keyboard's order, if it has one.
struct DesignedControl {
    const char *name;
    int left, top, width, height;
    std::optional<int> tabIndex = {};
};

// A line as designed: from x1 to x2 at y, in twips, thickness design pixels wide.
struct DesignedRule {
    const char *name;
    int x1, x2, y, thickness;
};

// Lays a window out from its design. The window names what its texts need (Fit), the kit picks
// the scale at which every one of them fits (TwipLayout::Fitting), then fixes the client area's
// size, places every control and rule of the design and chains the tab order.
class FormKit {
public:
    FormKit(QWidget *client, QSize clientTwips, std::span<const DesignedControl> controls,
            std::span<const DesignedRule> rules);

    // What text needs, written in control's font with margin pixels on each side, in the part of
    // the box the design gives control that lies inside the window, or in roomWidth by
    // roomHeight twips.
    void Fit(const QWidget *control, const QString &text, int margin = 0);
    void Fit(const QWidget *control, const QString &text, int margin, int roomWidth,
             int roomHeight);
    // What a control drawn by the desktop (an option) asks for, in its designed box.
    void Fit(const QWidget *control, QSize pixels);

    // Lays the window out at the scale where everything fits, at most atMost twips to a pixel.
    TwipLayout Place(double atMost = TwipsPerPixel) const;

private:
    const DesignedControl &designed(const QWidget *control) const;
    int shownWidth(const DesignedControl &box) const;
    QWidget *control(const char *name) const;

    QWidget *client_;
    QSize clientTwips_;
    std::span<const DesignedControl> controls_;
    std::span<const DesignedRule> rules_;
    QList<TwipLayout::Need> needs_;
};
