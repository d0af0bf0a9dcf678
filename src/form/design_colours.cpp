#include "form/design_colours.h"

#include <QApplication>
#include <QWidget>

namespace {

const ColourScheme Classic{Qt::white, Qt::black, Qt::white, QColor(212, 208, 200), Qt::black};
const ColourScheme *current = &Classic;

} // namespace

QColor SystemColourOf(SystemColour role) {
    switch (role) {
    case SystemColour::WindowBackground:
        return current->windowBackground;
    case SystemColour::WindowText:
        return current->windowText;
    case SystemColour::TitleBarText:
        return current->titleBarText;
    case SystemColour::InactiveBorder:
        return current->inactiveBorder;
    case SystemColour::ButtonText:
        break;
    }
    return current->buttonText;
}

void SetColourSchemeForTesting(const ColourScheme *scheme) {
    current = scheme ? scheme : &Classic;
}

QPalette FixedSurfacePalette(const QColor &surface) {
    QPalette palette(SystemColourOf(SystemColour::InactiveBorder), surface);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, SystemColourOf(SystemColour::ButtonText));
        palette.setColor(group, QPalette::ButtonText, SystemColourOf(SystemColour::ButtonText));
        palette.setColor(group, QPalette::Text, SystemColourOf(SystemColour::WindowText));
        palette.setColor(group, QPalette::Base, SystemColourOf(SystemColour::WindowBackground));
        palette.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    const QColor greyText(128, 128, 128);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, greyText);
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
