// How a failed comparison and ctest's list of tests show Qt's texts and sizes, the game's enums
// and the tests' parameters: as words, where GoogleTest would show their bytes. Every test file
// has it through the precompiled headers (tests/CMakeLists.txt): a file without it would print
// the same type as bytes, and which way wins in the program would be the linker's choice.
#pragma once

#include "engine/Karta.h"
#include "engine/clsHra21.h"
#include "table/Vyhodnoceni.h"
#include "ui/system/MessageBox.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <type_traits>

// Quoted, the line breaks and quotes escaped, Czech as it is: "Sázka 200.\r\n".
inline void PrintTo(const QString& text, std::ostream* out)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    escaped.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *out << '"' << escaped.toStdString() << '"';
}

// A text a line, so that the one that differs stands out.
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts)
        PrintTo(text, &(*out << "\n      "));
    *out << (texts.isEmpty() ? "}" : "\n    }");
}

inline void PrintTo(QSize size, std::ostream* out)
{
    *out << size.width() << 'x' << size.height();
}

template <typename E, std::size_t N> void PrintName(E value, const std::array<const char*, N>& names, std::ostream* out)
{
    const auto i = static_cast<std::size_t>(value);
    *out << (i < N ? names[i] : "?");
}

// With its code, which the engine's queries give as a plain number: "Pod (5)".
inline void PrintTo(Stav stav, std::ostream* out)
{
    PrintName(stav - 1, std::array { "TriSedmy", "DveEsa", "PresneJednadvacet", "Pres", "Pod" }, out);
    *out << " (" << static_cast<int>(stav) << ')';
}

inline void PrintTo(clsHra21::TahPC tah, std::ostream* out)
{
    PrintName(tah, std::array { "Snima", "Stoji", "VratilSedmu" }, out);
}

inline void PrintTo(Vitez vitez, std::ostream* out)
{
    PrintName(vitez, std::array { "Hrac", "Pocitac" }, out);
}

inline void PrintTo(MessageBox::Answer answer, std::ostream* out)
{
    PrintName(answer, std::array { "Yes", "No" }, out);
}

// A test's parameter that carries a name (a struct with a `name`, as the name generators of its
// tests read it) prints as that name, unless it has a PrintTo of its own. GoogleTest finds a
// PrintTo only beside the type, in each test file's own namespace; this one rule covers them all.
template <typename T> constexpr bool HasItsOwnPrintTo = requires(const T& parameter, std::ostream* out)
{
    PrintTo(parameter, out);
};
template <typename T>
concept NamedParameter
    = !std::is_const_v<T> && std::is_convertible_v<decltype(T::name), const char*> && !HasItsOwnPrintTo<T>;

template <NamedParameter T> class testing::internal::UniversalPrinter<T> {
public:
    static void Print(const T& parameter, std::ostream* out) { *out << parameter.name; }
};
