// A picture whose size is known at once and whose pixels are decoded when it is first needed: most
// of the game's pictures are not seen until later in a run, some never. Copies share one decoding.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class LazyPixmap {
public:
    LazyPixmap() = default;
    // A picture decoded already, such as a card cut from the grid.
    LazyPixmap(const QPixmap& pixmap);
    // A PNG file; "name@2x.png" beside it, at twice the size, serves screens of a higher pixel
    // ratio. Only the header is read now.
    static LazyPixmap FromPng(const QString& path);

    bool IsNull() const { return size_.isEmpty(); }
    // In logical pixels, whichever file is decoded.
    QSize Size() const { return size_; }
    // The pixels, decoded by the first call.
    const QPixmap& Pixmap() const;

private:
    struct Pixels {
        QString path; // empty once decoded
        QPixmap pixmap;
    };
    QSize size_;
    std::shared_ptr<Pixels> pixels_;
};
