#include "Printers.h"

#include <array>

namespace {
template <typename E, std::size_t N> void printName(E value, const std::array<const char*, N>& names, std::ostream* out)
{
    const auto i = static_cast<std::size_t>(value);
    *out << (i < N ? names[i] : "?");
}
} // namespace

// Quoted, the line breaks and quotes escaped, Czech as it is: "Sázka 200.\r\n".
void PrintTo(const QString& text, std::ostream* out)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    escaped.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *out << '"' << escaped.toStdString() << '"';
}

// A text a line, so that the one that differs stands out.
void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts) {
        *out << "\n      ";
        PrintTo(text, out);
    }
    *out << (texts.isEmpty() ? "}" : "\n    }");
}

void PrintTo(QSize size, std::ostream* out)
{
    *out << size.width() << 'x' << size.height();
}

void PrintTo(QPoint point, std::ostream* out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

void PrintTo(const QRect& rect, std::ostream* out)
{
    PrintTo(rect.size(), out);
    *out << " at ";
    PrintTo(rect.topLeft(), out);
}

void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name(colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb).toStdString();
}

// With its code, which the engine's queries give as a plain number: "Pod (5)".
void PrintTo(Stav stav, std::ostream* out)
{
    printName(stav - 1, std::array { "TriSedmy", "DveEsa", "PresneJednadvacet", "Pres", "Pod" }, out);
    *out << " (" << static_cast<int>(stav) << ')';
}

void PrintTo(clsHra21::TahPC tah, std::ostream* out)
{
    printName(tah, std::array { "Snima", "Stoji", "VratilSedmu" }, out);
}

void PrintTo(Vitez vitez, std::ostream* out)
{
    printName(vitez, std::array { "Hrac", "Pocitac" }, out);
}

void PrintTo(MessageBox::Answer answer, std::ostream* out)
{
    printName(answer, std::array { "Yes", "No" }, out);
}
