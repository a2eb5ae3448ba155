#include "ui/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

QString Str(std::int64_t value)
{
    return value >= 0 ? QStringLiteral(" ") + QString::number(value) : QString::number(value);
}

QString CStr(std::int64_t value)
{
    return QString::number(value);
}

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The power of ten of the first significant digit of a number read by Val: 2 for "123",
// -3 for "0.00123e0", 397 for "1.5e397". The exponent is counted only as far as it matters.
long long leadingPower(const std::string& number)
{
    long long power = 0;
    bool significant = false;
    bool fraction = false;
    std::size_t i = number.front() == '+' || number.front() == '-' ? 1 : 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            fraction = true;
        } else if (!significant && number[i] == '0') {
            if (fraction)
                --power;
        } else if (!significant) {
            significant = true;
            if (fraction)
                --power;
        } else if (!fraction) {
            ++power;
        }
    }
    if (i < number.size()) {
        const bool negative = number[i + 1] == '-';
        long long exponent = 0;
        for (std::size_t j = i + 1; j < number.size(); ++j)
            if (number[j] >= '0' && number[j] <= '9')
                exponent = std::min(exponent * 10 + (number[j] - '0'), 1'000'000'000LL);
        power += negative ? -exponent : exponent;
    }
    return power;
}
} // namespace

double Val(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += static_cast<char>(text[i++].unicode());

    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        number += static_cast<char>(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            number += static_cast<char>(text[i++].unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;

    // An exponent counts only when at least one digit follows it ("1e" is just 1).
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += static_cast<char>(text[j++].unicode());
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                exponent += static_cast<char>(text[j++].unicode());
            number += exponent;
        }
    }

    const bool negative = number.front() == '-';
    const char* first = number.data() + (number.front() == '+' || negative ? 1 : 0);
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it does not fit; a number that does not fit is
        // huge when its first significant digit stands at 10^0 or above, and tiny otherwise.
        magnitude = leadingPower(number) >= 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

namespace {
template <typename Int> Int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // Round first: a value like 32767.4 is in range once rounded.
    const double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}
} // namespace

std::int32_t CLng(double value)
{
    return roundHalfEven<std::int32_t>(value);
}

std::int16_t CInt(double value)
{
    return roundHalfEven<std::int16_t>(value);
}
