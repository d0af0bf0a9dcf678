#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// The keyed store of operator pictures: "A" plus, "S" minus, "M" times, "D" divided by.
// Each picture is decoded once, on first use.
class ImageList {
public:
    // The picture stored under key; an unknown key raises an error.
    const QPixmap &Image(const QString &key);
    // Where the picture stored under key is built into the program, for drawing it at another
    // scale; an unknown key raises an error.
    static QString PathOf(const QString &key);

private:
    QHash<QString, QPixmap> cache_;
};
