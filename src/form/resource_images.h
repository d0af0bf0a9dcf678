#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Loads a picture built into the program, by its base name (":/card.png"). On a screen scaled
// above 1 the double-size drawing ("card@2x.png") is taken where there is one, so the picture
// stays sharp at the same logical size.
QPixmap LoadResourcePixmap(const QString &path);

// The program's own icon for its windows, at 32, 64 and 128 pixels.
QIcon ProgramIcon();
