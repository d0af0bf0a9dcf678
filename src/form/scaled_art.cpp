#include "form/scaled_art.h"

#include "form/resource_images.h"

#include <cmath>

QPixmap ScaledArt(const QString &path, double factor, double deviceRatio) {
    if (factor == 1.0)
        return LoadResourcePixmap(path);
    const QPixmap designed = ResourcePixmap(path);
    const QString doubled = DoubledPath(path);
    const QPixmap source = ResourceExists(doubled) ? ResourcePixmap(doubled) : designed;
    const QSize logical(int(std::lround(designed.width() * factor)),
                        int(std::lround(designed.height() * factor)));
    const QSize device = (QSizeF(logical) * deviceRatio).toSize();
    QPixmap scaled = source.size() == device
                         ? source
                         : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(double(device.width()) / logical.width());
    return scaled;
}
