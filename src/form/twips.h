#pragma once

#include <QFontMetrics>
#include <QList>
#include <QRect>
#include <algorithm>
#include <cmath>

// Window layouts are designed in twips, 1440 to the inch: 15 twips to a pixel at 96 dpi.
// Qt's device-independent pixels are those 96-dpi pixels, so scaled screens stay in proportion.
constexpr int TwipsPerPixel = 15;

// How a window's twips become pixels. The design's 15 twips to the pixel holds wherever the
// texts fit their boxes; where the desktop's font needs more room, fewer twips make a pixel, so
// the whole window grows in proportion with its text, as large fonts did on the design's home
// platform.
class TwipLayout {
public:
    // What one text needs: the pixels it takes, against the twips its box gives it.
    struct Need {
        int pixels;
        int roomTwips;
    };

    // Command buttons draw their caption inside a frame and a margin of about this many pixels.
    static constexpr int ButtonMargin = 4;

    // What text needs, written in metrics with margin pixels on each side, of a box designed
    // roomWidth by roomHeight twips.
    static QList<Need> TextNeeds(const QFontMetrics &metrics, const QString &text, int margin,
                                 int roomWidth, int roomHeight) {
        const QSize size = metrics.size(Qt::TextSingleLine, text);
        return {{size.width() + 2 * margin, roomWidth}, {size.height() + 2 * margin, roomHeight}};
    }

    constexpr TwipLayout() = default;
    constexpr explicit TwipLayout(double twipsPerPixel) : twipsPerPixel_(twipsPerPixel) {}

    // The design's scale if every text fits at it; otherwise the largest scale, in steps of a
    // quarter twip, at which each fits.
    static TwipLayout Fitting(const QList<Need> &needs, double atMost = ::TwipsPerPixel) {
        double twips = atMost;
        for (const Need &need : needs)
            if (need.pixels > 0)
                twips = std::min(twips, double(need.roomTwips) / need.pixels);
        return TwipLayout(std::max(1.0, std::floor(twips * 4) / 4));
    }

    double TwipsEachPixel() const { return twipsPerPixel_; }
    // How many times the design's size the window is drawn.
    double Factor() const { return ::TwipsPerPixel / twipsPerPixel_; }
    int Pixels(int twips) const { return int(std::floor(twips / twipsPerPixel_ + 0.5)); }
    QRect Rect(int left, int top, int width, int height) const {
        return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
    }
    // A length the design gives in pixels (a line's width), at this scale.
    int Scaled(int designPixels) const {
        return std::max(1, int(std::floor(designPixels * Factor() + 0.5)));
    }

private:
    double twipsPerPixel_ = ::TwipsPerPixel;
};
