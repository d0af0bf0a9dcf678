#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The desktop's system colours as the windows are designed with them, and what this program
// draws for each.
//
// A colour is taken from the same scheme as the surface it is drawn on. The windows' own
// surfaces are fixed (the main window's grey, the white card, the white About window) and look
// the same in every desktop scheme, so what is drawn on them takes the colour the classic light
// scheme gives its role; a dark scheme's light text would all but vanish there. What the desktop
// draws on surfaces of its own (menu bar and menus, command buttons, tooltips, message boxes)
// follows the desktop's scheme whole.
//
//   role (number)             classic colour      drawn as
//   window background (5)     white               background of pctOperand, lblAnswer, picIcon
//   window text (8)           black               lbllimit's text, Shape2, the card's rule Line1
//   title-bar text (9)        white               background of lblDescription
//   inactive border (11)      RGB (212, 208, 200) the main window and the labels and options on it
//   button text (18)          black               texts of the options and of the labels on the
//                                                 grey (their default text); the About link
//
// A scheme is handed to each window, by default the classic one; tests hand in one whose roles
// all differ, to see each control take the role it is designed with.
struct ColourScheme {
    QColor windowBackground = Qt::white;
    QColor windowText = Qt::black;
    QColor titleBarText = Qt::white;
    QColor inactiveBorder = QColor(212, 208, 200);
    QColor buttonText = Qt::black;
};

// For a fixed surface of the given colour and everything drawn on it: the scheme's colours for
// text, lines and the controls' own faces.
QPalette FixedSurfacePalette(const QColor &surface, const ColourScheme &scheme);

// Sets one colour role of a control's palette.
void SetColour(QWidget *control, QPalette::ColorRole role, const QColor &colour);
// Fills a control's background with colour.
void Fill(QWidget *control, const QColor &colour);

// Gives a control the desktop's palette whole, whatever the surface it stands on sets.
void FollowDesktopScheme(QWidget *control);
