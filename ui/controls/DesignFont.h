// A font as the window designs name it: a family, a size in points, bold or not.
#pragma once

#include <QFont>
#include <QString>

inline QFont DesignFont(const QString& family, double points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
