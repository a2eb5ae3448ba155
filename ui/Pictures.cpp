#include "ui/Pictures.h"

#include <QString>

namespace Pictures {

QPixmap CardFaces()
{
    return QPixmap(QStringLiteral(":/cards.png"));
}
QPixmap CardBack()
{
    return QPixmap(QStringLiteral(":/back.png"));
}

QPixmap Banknote(std::int32_t valueKc)
{
    return QPixmap(QStringLiteral(":/note%1.png").arg(valueKc));
}

QPixmap Revolver()
{
    return QPixmap(QStringLiteral(":/revolver.png"));
}
QPixmap InfoBackground()
{
    return QPixmap(QStringLiteral(":/info.png"));
}

QIcon Icon()
{
    QIcon icon;
    for (const int size : { 16, 32, 256 })
        icon.addFile(QStringLiteral(":/icon%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Pictures
