#include "form/design_colours.h"

#include <QApplication>
#include <QWidget>

QPalette FixedSurfacePalette(const QColor &surface, const ColourScheme &scheme) {
    // Made from a button and a window colour, a palette has the classic navy selection with
    // white text, and grey disabled text.
    QPalette palette(scheme.inactiveBorder, surface);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, scheme.buttonText);
        palette.setColor(group, QPalette::ButtonText, scheme.buttonText);
        palette.setColor(group, QPalette::Text, scheme.windowText);
        palette.setColor(group, QPalette::Base, scheme.windowBackground);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, surface);
    return palette;
}

void SetColour(QWidget *control, QPalette::ColorRole role, const QColor &colour) {
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

void Fill(QWidget *control, const QColor &colour) {
    SetColour(control, QPalette::Window, colour);
    control->setAutoFillBackground(true);
}

void FollowDesktopScheme(QWidget *control) {
    const QPalette desktop = QApplication::palette(control);
    QPalette palette;
    // Every role set, so that nothing of the surface's palette reaches the control.
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, desktop.brush(g, r));
        }
    control->setPalette(palette);
}
