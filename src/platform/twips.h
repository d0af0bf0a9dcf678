#pragma once

#include <QRect>

// Window layouts are designed in twips, 1440 to the inch: 15 twips to a pixel at 96 dpi.
// Qt's device-independent pixels are those 96-dpi pixels, so scaled screens stay in proportion.
constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips * 2 + TwipsPerPixel) / (TwipsPerPixel * 2); // rounded to the nearest pixel
}

// A control's designed rectangle (left, top, width, height in twips) in pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
