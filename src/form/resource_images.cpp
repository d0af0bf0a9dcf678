#include "form/resource_images.h"

#include "form/built_in_pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <utility>

namespace {

const BuiltInPicture *builtIn(const QString &path) {
    for (std::size_t i = 0; i < BuiltInPictureCount; ++i)
        if (path == QLatin1String(BuiltInPictures[i].path))
            return &BuiltInPictures[i];
    return nullptr;
}

// The picture's pixels drawn straight from where they are built in: the image is read-only and
// the pixmap shares it, so nothing is decoded or copied.
QPixmap pixmapOf(const BuiltInPicture &picture, qreal ratio) {
    QImage image(reinterpret_cast<const uchar *>(picture.pixels), picture.width, picture.height,
                 qsizetype(picture.width) * 4,
                 picture.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap ResourcePixmap(const QString &path) {
    if (const BuiltInPicture *picture = builtIn(path))
        return pixmapOf(*picture, 1.0);
    return {path};
}

bool ResourceExists(const QString &path) {
    return builtIn(path) || QFile::exists(path);
}

QString DoubledPath(QString path) {
    return path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

QPixmap LoadResourcePixmap(const QString &path) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QString doubled = DoubledPath(path);
        if (const BuiltInPicture *picture = builtIn(doubled))
            return pixmapOf(*picture, 2.0);
        if (QFile::exists(doubled)) {
            QPixmap pixmap(doubled);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return ResourcePixmap(path);
}

QIcon IconOf(std::initializer_list<const char *> paths) {
    QIcon icon;
    for (const char *path : paths)
        icon.addPixmap(ResourcePixmap(QString::fromLatin1(path)));
    return icon;
}

QIcon ProgramIcon() {
    // Up to 128 pixels: launchers take the larger drawings from the installed icon theme, and
    // every size here is handed to the display server at start-up.
    return IconOf({":/icon.png", ":/icon@2x.png", ":/icon-128.png"});
}
