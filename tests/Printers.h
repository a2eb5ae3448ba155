// How a failed comparison and ctest's list of tests show Qt's texts and shapes, the game's enums
// and the tests' parameters: as words, where GoogleTest would show their bytes. Every test file
// has it through the precompiled headers (tests/CMakeLists.txt): a file without it would print
// the same type as bytes, and which way wins in the program would be the linker's choice.
#pragma once

#include "engine/Karta.h"
#include "engine/clsHra21.h"
#include "table/Vyhodnoceni.h"
#include "ui/system/MessageBox.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <type_traits>

void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);
void PrintTo(QSize size, std::ostream* out);
void PrintTo(QPoint point, std::ostream* out);
void PrintTo(const QRect& rect, std::ostream* out);
void PrintTo(const QColor& colour, std::ostream* out);
void PrintTo(Stav stav, std::ostream* out);
void PrintTo(clsHra21::TahPC tah, std::ostream* out);
void PrintTo(Vitez vitez, std::ostream* out);
void PrintTo(MessageBox::Answer answer, std::ostream* out);

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
