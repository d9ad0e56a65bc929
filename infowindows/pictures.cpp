// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QBitmap>
#include <QHash>

namespace {

// The pictures are drawn at twice their size on the window, so that they
// stay crisp on high-density screens.
constexpr qreal kPictureScale = 2.0;

QHash<int, QPixmap> &loaded()
{
    static QHash<int, QPixmap> pictures;
    return pictures;
}

} // namespace

const QPixmap &Pictures::picture(Id id)
{
    QHash<int, QPixmap> &pictures = loaded();
    auto found = pictures.find(id);
    if (found == pictures.end()) {
        QPixmap pixmap(QStringLiteral(":/pictures/%1.png").arg(int(id)));
        pixmap.setDevicePixelRatio(kPictureScale);
        found = pictures.insert(id, pixmap);
    }
    return *found;
}

QPixmap Pictures::masked(Id pictureId, Id maskId)
{
    QPixmap result = picture(pictureId);
    const QPixmap &mask = picture(maskId);
    if (!result.isNull() && !mask.isNull()) {
        QBitmap bitmap = QBitmap::fromImage(mask.toImage().convertToFormat(QImage::Format_Mono));
        result.setMask(bitmap);
    }
    return result;
}

void Pictures::release()
{
    loaded().clear();
}
