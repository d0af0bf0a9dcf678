#pragma once

#include <QFont>
#include <QStringList>

// The card's numbers: Arial bold 36 pt, that is 48 pixels at 96 dpi. Fontconfig's metric twins
// of Arial stand in where it is missing; a fallback with wider figures is made smaller until
// the widest numbers the card shows fit their boxes. A card laid out factor times its designed
// size has its numbers that much larger too.
QStringList CardFontFamilies();
QFont CardFont(const QStringList &families = CardFontFamilies(), double factor = 1.0);

// The widest text each card box must hold, and the room it has: the top number and the
// answer three figures, the bottom number two, beside the operator picture.
struct CardTextRoom {
    const char *widestText;
    int width;
};
inline constexpr CardTextRoom CardTextRooms[] = {{"XXX", 129}, {"144", 129}, {"XX", 82}};
inline constexpr int CardTextHeight = 57;
