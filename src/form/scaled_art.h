#pragma once

#include <QPixmap>
#include <QString>

// A picture built into the program (by its base name, ":/card.png") drawn at factor times its
// designed size. At the design's size it is the picture as loaded for the screen; larger, it is
// made from the double-size drawing, so it stays sharp.
QPixmap ScaledArt(const QString &path, double factor, double deviceRatio);
