#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <initializer_list>
#include <utility>

// A picture built into the program as it is (":/card.png"), at its own size; a null pixmap
// where there is none.
QPixmap ResourcePixmap(const QString &path);
// Whether a picture is built into the program under path.
bool ResourceExists(const QString &path);
// The name of a picture's double-size drawing: ":/card@2x.png" for ":/card.png".
QString DoubledPath(QString path);

// Loads a picture built into the program, by its base name (":/card.png"). On a screen scaled
// above 1 the double-size drawing ("card@2x.png") is taken where there is one, so the picture
// stays sharp at the same logical size.
QPixmap LoadResourcePixmap(const QString &path);

// An icon of the pictures built into the program under paths, at their own sizes.
QIcon IconOf(std::initializer_list<const char *> paths);
// The program's own icon for its windows, at 32, 64 and 128 pixels.
QIcon ProgramIcon();

// What make() returns, made on first use and kept for the whole program: a pointer or an icon
// handed to the display connection stays there, so one made per window would stay behind after
// every window. Released when the application ends.
template <class T, class Make> const T &MadeOnce(Make make) {
    static T *made = nullptr;
    if (!made) {
        made = new T(make());
        qAddPostRoutine([] { delete std::exchange(made, nullptr); });
    }
    return *made;
}
