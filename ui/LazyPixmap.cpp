#include "ui/LazyPixmap.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

LazyPixmap::LazyPixmap(const QPixmap& pixmap)
    : size_(pixmap.deviceIndependentSize().toSize())
    , pixels_(std::make_shared<Pixels>(Pixels { QString(), pixmap }))
{
}

LazyPixmap LazyPixmap::FromPng(const QString& path)
{
    LazyPixmap picture;
    // Naming the format spares the reader from asking every image plugin whether the file is theirs.
    picture.size_ = QImageReader(path, "png").size();
    if (picture.size_.isValid())
        picture.pixels_ = std::make_shared<Pixels>(Pixels { path, QPixmap() });
    return picture;
}

const QPixmap& LazyPixmap::Pixmap() const
{
    static const QPixmap none;
    if (!pixels_)
        return none;
    if (!pixels_->path.isEmpty()) {
        QString path = pixels_->path;
        if (qApp->devicePixelRatio() > 1) {
            const QString sharp = path.chopped(4) + QStringLiteral("@2x.png");
            if (QFile::exists(sharp))
                path = sharp;
        }
        QImage image = QImageReader(path, "png").read();
        if (!image.isNull())
            image.setDevicePixelRatio(static_cast<qreal>(image.width()) / size_.width());
        pixels_->pixmap = QPixmap::fromImage(std::move(image));
        pixels_->path.clear();
    }
    return pixels_->pixmap;
}
