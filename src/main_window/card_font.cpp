#include "main_window/card_font.h"

#include <QFontMetrics>

QStringList CardFontFamilies() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
}

namespace {
bool fits(const QFont &font) {
    const QFontMetrics metrics(font);
    if (metrics.height() > CardTextHeight)
        return false;
    for (const CardTextRoom &room : CardTextRooms)
        if (metrics.horizontalAdvance(QLatin1String(room.widestText)) > room.width)
            return false;
    return true;
}
} // namespace

QFont CardFont(const QStringList &families) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    int pixels = 48;
    font.setPixelSize(pixels);
    while (!fits(font) && pixels > 12)
        font.setPixelSize(--pixels);
    return font;
}
