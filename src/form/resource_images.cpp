#include "form/resource_images.h"

#include <QFile>
#include <QGuiApplication>

QPixmap LoadResourcePixmap(const QString &path) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        QString doubled = path;
        doubled.insert(doubled.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        if (QFile::exists(doubled)) {
            QPixmap pixmap(doubled);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return {path};
}

QIcon ProgramIcon() {
    QIcon icon;
    // Up to 128 pixels: launchers take the larger drawings from the installed icon theme, and
    // every size here is decoded at start-up and handed to the display server.
    for (const char *name : {":/icon.png", ":/icon@2x.png", ":/icon-128.png"})
        icon.addFile(QString::fromLatin1(name));
    return icon;
}
