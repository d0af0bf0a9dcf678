#include "platform/image_list.h"

#include "platform/resource_images.h"
#include "platform/runtime_error.h"

namespace {
QString resourceFor(const QString &key) {
    if (key == QLatin1String("A"))
        return QStringLiteral(":/op_add.png");
    if (key == QLatin1String("S"))
        return QStringLiteral(":/op_sub.png");
    if (key == QLatin1String("M"))
        return QStringLiteral(":/op_mul.png");
    if (key == QLatin1String("D"))
        return QStringLiteral(":/op_div.png");
    return {};
}
} // namespace

const QPixmap &ImageList::Image(const QString &key) {
    auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return *found;
    const QString path = resourceFor(key);
    if (path.isEmpty())
        throw RuntimeError(RuntimeError::Kind::InvalidKey,
                           "Element not found: no image under the key \"" + key.toStdString() +
                               "\"");
    QPixmap pixmap = LoadResourcePixmap(path);
    if (pixmap.isNull())
        throw RuntimeError(RuntimeError::Kind::ControlCall,
                           "The picture " + path.toStdString() + " could not be loaded");
    return *cache_.insert(key, pixmap);
}
