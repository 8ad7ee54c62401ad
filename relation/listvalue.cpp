#include "relation/listvalue.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

// The longest prefix of text (after blanks) that is a decimal number, in C locale form.
std::string leadingNumber(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text.at(i)))
        ++i;
    std::string number;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        number += char(text.at(i++).unicode());
    qsizetype digits = 0;
    while (i < n && isDigit(text.at(i))) {
        number += char(text.at(i++).unicode());
        ++digits;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (i < n && isDigit(text.at(i))) {
            number += char(text.at(i++).unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    // An exponent counts only when digits follow it: "2e" is 2, "2e3" is 2000.
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            exponent += char(text.at(j++).unicode());
        if (j < n && isDigit(text.at(j))) {
            while (j < n && isDigit(text.at(j)))
                exponent += char(text.at(j++).unicode());
            number += exponent;
        }
    }
    return number;
}

} // namespace

qint16 readListValue(const QString &text)
{
    const std::string number = leadingNumber(text);
    if (number.empty())
        return 0;
    // strtod saturates to infinity on overflow and to zero on underflow; both clamp below.
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    if (value <= low)
        return std::numeric_limits<qint16>::min();
    if (value >= high)
        return std::numeric_limits<qint16>::max();
    // Round half to even, whatever rounding mode the process happens to be in.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return qint16(rounded);
}
