#include "form/image_list.h"

#include "form/resource_images.h"

#include <stdexcept>

QString ImageList::PathOf(const QString &key) {
    static const QHash<QString, QString> paths{
        {QStringLiteral("A"), QStringLiteral(":/op_add.png")},
        {QStringLiteral("S"), QStringLiteral(":/op_sub.png")},
        {QStringLiteral("M"), QStringLiteral(":/op_mul.png")},
        {QStringLiteral("D"), QStringLiteral(":/op_div.png")}};
    QString path = paths.value(key);
    if (path.isEmpty())
        throw std::invalid_argument("Element not found: no image under the key \"" +
                                    key.toStdString() + "\"");
    return path;
}

const QPixmap &ImageList::Image(const QString &key) {
    auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return *found;
    const QString path = PathOf(key);
    QPixmap pixmap = LoadResourcePixmap(path);
    if (pixmap.isNull())
        throw std::runtime_error("The picture " + path.toStdString() + " could not be loaded");
    return *cache_.insert(key, pixmap);
}
