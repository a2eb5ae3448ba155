// Numbers to text and back, and the two integer conversions the game relies on.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <limits>

// Decimal text with the sign place: a blank before a non-negative number (" 800", "-5").
QString Str(std::int64_t value);

// Plain decimal text, no blank, no grouping ("800", "-5").
QString CStr(std::int64_t value);

// The value of the number at the start of the text: blanks skipped, an optional sign, digits
// with one decimal point (always a point, whatever the locale) and an optional exponent.
// Reading stops at the first character that does not fit; a text that does not start with a
// number is 0. Hexadecimal, "inf" and "nan" are not numbers here. A value too large for a
// double comes back as the largest finite double of its sign, never as an infinity.
double Val(QStringView text);

// To the nearest integer, a half to the even neighbour; values beyond the type's range stop at
// its limits (and NaN gives 0) rather than wrapping.
std::int32_t CLng(double value);
std::int16_t CInt(double value);

// Integer division that drops the fraction (toward zero). Dividing by zero gives 0, and the one
// quotient beyond the type's range stops at its limit, rather than ending the program.
constexpr std::int32_t IntDiv(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        return 0;
    if (b == -1 && a == std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::max();
    return a / b;
}
