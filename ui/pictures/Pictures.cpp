#include "ui/pictures/Pictures.h"

#include <QString>

namespace Pictures {

LazyPixmap CardFaces()
{
    return LazyPixmap::FromPng(QStringLiteral(":/cards.png"));
}
LazyPixmap CardBack()
{
    return LazyPixmap::FromPng(QStringLiteral(":/back.png"));
}

LazyPixmap Banknote(std::int32_t valueKc)
{
    return LazyPixmap::FromPng(QStringLiteral(":/note%1.png").arg(valueKc));
}

LazyPixmap Revolver()
{
    return LazyPixmap::FromPng(QStringLiteral(":/revolver.png"));
}
LazyPixmap InfoBackground()
{
    return LazyPixmap::FromPng(QStringLiteral(":/info.png"));
}

// A window's icon is sent to the X server at every size it holds: the small ones are enough for a
// caption and a task bar, and the 64 serves them on screens of twice the pixel ratio.
QIcon Icon()
{
    QIcon icon;
    for (const int size : { 16, 32, 64 })
        icon.addPixmap(LazyPixmap::FromPng(QStringLiteral(":/icon%1.png").arg(size)).Pixmap());
    return icon;
}

} // namespace Pictures
