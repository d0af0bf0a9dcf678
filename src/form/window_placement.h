#pragma once

#include <Qt>
#include <functional>

class QRect;
class QWidget;

// Centres a window's frame, title bar included, on an area (the owner's frame, say); where
// there is none, or area gives an empty one, on the window's screen's available area. The frame a
// window manager adds is unknown until the window is first shown, so the window is centred as it is
// shown and again whenever its frame changes during its first two seconds on screen. The user's own
// moves are left alone.
void CentreFrameWhenShown(QWidget *window, std::function<QRect()> area = {});

// Puts a window back at once from any of the refused states (maximised, say) that the desktop's
// own title bar may offer although the window's design has no button for it.
void RefuseWindowStates(QWidget *window, Qt::WindowStates refused);
