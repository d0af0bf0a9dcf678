#include "main_window/card_font.h"

#include <QFontDatabase>
#include <QFontMetrics>

QStringList CardFontFamilies() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
}

namespace {
bool fits(const QFont &font, double factor) {
    const QFontMetrics metrics(font);
    if (metrics.height() > int(CardTextHeight * factor))
        return false;
    for (const CardTextRoom &room : CardTextRooms)
        if (metrics.horizontalAdvance(QLatin1String(room.widestText)) > int(room.width * factor))
            return false;
    return true;
}
} // namespace

QFont CardFont(const QStringList &families, double factor) {
    // Only the families installed, in their order: for each one missing, the toolkit would ask
    // fontconfig for a stand-in before trying the next.
    const QStringList installed = QFontDatabase::families();
    QStringList present;
    for (const QString &family : families)
        if (installed.contains(family))
            present << family;
    QFont font;
    font.setFamilies(present.isEmpty() ? families : present);
    // Figures only: every family here has them, so no other font is looked up to stand in for
    // missing characters.
    font.setStyleHint(QFont::SansSerif, QFont::NoFontMerging);
    font.setBold(true);
    int pixels = int(48 * factor);
    font.setPixelSize(pixels);
    while (!fits(font, factor) && pixels > 12)
        font.setPixelSize(--pixels);
    return font;
}
