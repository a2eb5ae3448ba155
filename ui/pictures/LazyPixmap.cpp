#include "ui/pictures/LazyPixmap.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

namespace {
// A reader left to detect the format loads every image plugin there is to ask it, even when it
// is told the format: these pictures are PNG and nothing else.
void onlyPng(QImageReader& reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}
} // namespace

LazyPixmap::LazyPixmap(const QPixmap& pixmap)
    : size_(pixmap.deviceIndependentSize().toSize())
    , pixels_(std::make_shared<Pixels>(Pixels { QString(), pixmap }))
{
}

LazyPixmap LazyPixmap::FromPng(const QString& path)
{
    LazyPixmap picture;
    QImageReader header(path);
    onlyPng(header);
    picture.size_ = header.size();
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
        if (qGuiApp->devicePixelRatio() > 1) {
            const QString sharp = path.chopped(4) + QStringLiteral("@2x.png");
            if (QFile::exists(sharp))
                path = sharp;
        }
        QImageReader reader(path);
        onlyPng(reader);
        QImage image = reader.read();
        if (!image.isNull())
            image.setDevicePixelRatio(static_cast<qreal>(image.width()) / size_.width());
        pixels_->pixmap = QPixmap::fromImage(std::move(image));
        pixels_->path.clear();
    }
    return pixels_->pixmap;
}
