#include "ui/runtime/NumberText.h"

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

// Past a billion an exponent changes nothing: the number is beyond every range either way.
constexpr std::int64_t LargestExponent = 1'000'000'000;

// The same value with neither leading nor trailing zeros in its digits; zero has no digits.
Decimal normalised(Decimal d)
{
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Decimal {};
    const std::size_t last = d.digits.find_last_not_of('0');
    d.exponent += static_cast<std::int64_t>(d.digits.size() - 1 - last);
    d.digits = d.digits.substr(first, last + 1 - first);
    return d;
}

// How many digits of a normalised non-zero number stand before its point (0 or fewer for one
// below 1): 3 for 123, -2 for 0.00123.
std::int64_t wholePlaces(const Decimal& d)
{
    return d.exponent + static_cast<std::int64_t>(d.digits.size());
}
} // namespace

Decimal LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    Decimal number;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number.negative = text[i++] == u'-';
    while (i < n && isDigit(text[i]))
        number.digits += static_cast<char>(text[i++].unicode());
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            number.digits += static_cast<char>(text[i++].unicode());
            --number.exponent;
        }
    }
    if (number.digits.empty())
        return Decimal {};

    // An exponent counts only when at least one digit follows it ("1e" is just 1).
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        const bool negative = j < n && text[j] == u'-';
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        std::int64_t exponent = 0;
        while (j < n && isDigit(text[j]))
            exponent = std::min(exponent * 10 + (text[j++].unicode() - u'0'), LargestExponent);
        number.exponent += negative ? -exponent : exponent;
    }
    return number;
}

double Val(QStringView text)
{
    const Decimal number = normalised(LeadingNumber(text));
    if (number.digits.empty())
        return 0.0;
    const std::string written = number.digits + 'e' + std::to_string(number.exponent);
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(written.data(), written.data() + written.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it does not fit; a number that does not fit is
        // huge when it has a digit before its point, and tiny otherwise.
        magnitude = wholePlaces(number) > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

int Compare(const Decimal& a, const Decimal& b)
{
    const Decimal x = normalised(a);
    const Decimal y = normalised(b);
    const int signX = x.digits.empty() ? 0 : x.negative ? -1 : 1;
    const int signY = y.digits.empty() ? 0 : y.negative ? -1 : 1;
    if (signX != signY || signX == 0)
        return signX - signY;
    // The same sign: the longer whole part is the larger magnitude, then the digits decide.
    // Without trailing zeros a digit string that is a prefix of the other is the smaller.
    const std::int64_t placesX = wholePlaces(x);
    const std::int64_t placesY = wholePlaces(y);
    const int magnitude = placesX != placesY ? (placesX < placesY ? -1 : 1) : x.digits.compare(y.digits);
    return signX * (magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0);
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

std::int32_t CLng(const Decimal& value)
{
    constexpr std::int32_t Smallest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    const Decimal d = normalised(value);
    if (d.digits.empty())
        return 0;
    const std::int64_t places = wholePlaces(d);
    if (places > 10)
        return d.negative ? Smallest : Largest;

    std::int64_t whole = 0;
    for (std::int64_t k = 0; k < places; ++k)
        whole = whole * 10
            + (k < static_cast<std::int64_t>(d.digits.size()) ? d.digits[static_cast<std::size_t>(k)] - '0' : 0);
    // The first dropped digit against 5; after it, any digit at all is non-zero (no trailing zeros).
    const bool dropped = places >= 0 && places < static_cast<std::int64_t>(d.digits.size());
    const char first = dropped ? d.digits[static_cast<std::size_t>(places)] : '0';
    const bool beyondFirst = dropped && places + 1 < static_cast<std::int64_t>(d.digits.size());
    if (first > '5' || (first == '5' && (beyondFirst || whole % 2 == 1)))
        ++whole;
    whole = d.negative ? -whole : whole;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(whole, Smallest, Largest));
}
