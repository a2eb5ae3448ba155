// Arbitrary bytes as the game's command line: the starting purse and the number reading must do
// nothing undefined and agree with a slow, plain reading of the same text written out below.
#include "history/Penezenka.h"
#include "ui/runtime/NumberText.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// The leading number of a text, character by character: blanks, a sign, digits around one
// point, and an exponent that counts only with a digit after it.
struct Reading {
    bool negative = false;
    std::string digits; // the digits before and after the point, the point left out
    long long exponent = 0; // the value is digits × 10^exponent
};

bool digit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

Reading readLeadingNumber(const QString& text)
{
    Reading r;
    std::u16string s(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    s.push_back(u'\0');
    std::size_t i = 0;
    while (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n' || s[i] == u'\r')
        ++i;
    if (s[i] == u'+' || s[i] == u'-')
        r.negative = s[i++] == u'-';
    while (digit(s[i]))
        r.digits += static_cast<char>(s[i++]);
    if (s[i] == u'.') {
        ++i;
        while (digit(s[i])) {
            r.digits += static_cast<char>(s[i++]);
            --r.exponent;
        }
    }
    if (r.digits.empty())
        return Reading {};
    if (s[i] == u'e' || s[i] == u'E') {
        std::size_t j = i + 1;
        const bool negativeExponent = s[j] == u'-';
        if (s[j] == u'+' || s[j] == u'-')
            ++j;
        long long e = 0;
        // Past a billion, an exponent changes nothing that matters here.
        while (digit(s[j]))
            e = std::min(e * 10 + (s[j++] - u'0'), 1'000'000'000LL);
        r.exponent += negativeExponent ? -e : e;
    }
    return r;
}

using Wide = unsigned __int128;

Wide tenTo(long long n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The reading held exactly in integers: its first 30 significant digits S (below 2^100), the
// power of ten that scales them, and whether a non-zero digit was dropped beyond them.
struct Exact {
    bool negative = false;
    Wide significand = 0;
    long long power = 0;
    bool sticky = false;
};

Exact exact(const Reading& r)
{
    Exact x;
    x.negative = r.negative;
    const std::size_t first = r.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return x;
    const std::string significant = r.digits.substr(first);
    const std::size_t kept = std::min<std::size_t>(significant.size(), 30);
    for (std::size_t k = 0; k < kept; ++k)
        x.significand = x.significand * 10 + static_cast<unsigned>(significant[k] - '0');
    x.sticky = significant.find_first_not_of('0', kept) != std::string::npos;
    x.power = r.exponent + static_cast<long long>(significant.size() - kept);
    return x;
}

// The hundredfold in whole crowns by integer division: the quotient, and the remainder against
// the divisor decides the rounding (a half to the even crown). Beyond 10^12 crowns only the side
// of the limits matters.
std::int32_t referencePurse(const QString& commandLine)
{
    if (commandLine.isEmpty())
        return 1000;
    Exact x = exact(readLeadingNumber(commandLine));
    x.power += 2;
    constexpr Wide Huge = 1'000'000'000'000ULL;
    Wide whole = 0;
    int rest = -1; // the dropped fraction: -1 under a half, 0 a half, 1 over
    if (x.significand == 0 || x.power < -38) {
        whole = 0; // under 10^30 / 10^39: far below half a crown
    } else if (x.power >= 0) {
        whole = x.power > 12 || x.significand >= Huge ? Huge : x.significand * tenTo(x.power);
    } else {
        const Wide divisor = tenTo(-x.power);
        whole = x.significand / divisor;
        const Wide twice = 2 * (x.significand % divisor);
        rest = twice < divisor ? -1 : twice > divisor || x.sticky ? 1 : 0;
    }
    // 1000000 hundreds or more; reached exactly, whatever follows, is not below it.
    if (!x.negative && whole >= 100'000'000)
        return 1000;
    if (rest > 0 || (rest == 0 && whole % 2 == 1))
        ++whole;
    const long long crowns = static_cast<long long>(std::min(whole, Huge));
    if (x.negative && -crowns < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x.negative ? -crowns : crowns);
}

// The reading as a long double, which carries about three decimal digits more than a double.
long double referenceValue(const QString& text)
{
    const Exact x = exact(readLeadingNumber(text));
    if (x.significand == 0)
        return 0.0L;
    const long double magnitude
        = static_cast<long double>(x.significand) * std::pow(10.0L, static_cast<long double>(x.power));
    return x.negative ? -magnitude : magnitude;
}

bool valAgrees(double value, long double reference)
{
    const long double largest = std::numeric_limits<double>::max();
    if (std::fabs(reference) >= largest)
        return value == (reference < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max());
    if (std::fabs(reference) < std::numeric_limits<double>::min())
        return std::fabs(value - reference) <= std::numeric_limits<double>::denorm_min();
    return std::fabs(value - reference) <= std::fabs(reference) * std::numeric_limits<double>::epsilon();
}

[[noreturn]] void disagree(const char* what, const QString& text, long double expected, long double got)
{
    std::fprintf(
        stderr, "%s of \"%s\": expected %.21Lg, got %.21Lg\n", what, text.left(80).toUtf8().constData(), expected, got);
    std::abort();
}

} // namespace

// The command line as the program builds it: each argument (the bytes between NULs, as argv
// cannot hold a NUL) joined by a blank.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments;
    std::size_t start = 0;
    for (std::size_t k = 0; size > 0 && k <= size; ++k)
        if (k == size || data[k] == 0) {
            arguments << QString::fromLocal8Bit(
                reinterpret_cast<const char*>(data + start), static_cast<qsizetype>(k - start));
            start = k + 1;
        }
    const QString commandLine = arguments.join(u' ');

    const std::int32_t purse = PocatecniCastka(commandLine);
    const std::int32_t expected = referencePurse(commandLine);
    if (purse != expected)
        disagree("purse", commandLine, expected, purse);

    const double value = Val(commandLine);
    if (std::isnan(value) || std::isinf(value) || !valAgrees(value, referenceValue(commandLine)))
        disagree("value", commandLine, referenceValue(commandLine), value);
    return 0;
}
