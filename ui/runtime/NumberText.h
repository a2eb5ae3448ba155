// Numbers to text and back, and the two integer conversions the game relies on.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <limits>
#include <string>

// Decimal text with the sign place: a blank before a non-negative number (" 800", "-5").
QString Str(std::int64_t value);

// Plain decimal text, no blank, no grouping ("800", "-5").
QString CStr(std::int64_t value);

// The number at the start of a text exactly as it is written there: blanks skipped, an optional
// sign, digits with one decimal point (always a point, whatever the locale) and an optional
// exponent. Reading stops at the first character that does not fit. The value is the digits, the
// point left out, times 10^exponent; a text that does not start with a number has no digits and
// is 0. Hexadecimal, "inf" and "nan" are not numbers here.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};
Decimal LeadingNumber(QStringView text);

// The value of the number at the start of the text, read as LeadingNumber reads it. A value too
// large for a double comes back as the largest finite double of its sign, never as an infinity.
double Val(QStringView text);

// Negative, zero or positive as a is below, equal to or above b, exactly.
int Compare(const Decimal& a, const Decimal& b);

// To the nearest integer, a half to the even neighbour; values beyond the type's range stop at
// its limits (and NaN gives 0) rather than wrapping.
std::int32_t CLng(double value);
std::int16_t CInt(double value);
// The same from a decimal, exactly: 215.5 goes to 216, where its nearest double (215.4999...)
// would go to 215.
std::int32_t CLng(const Decimal& value);

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
