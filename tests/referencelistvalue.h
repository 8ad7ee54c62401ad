#pragma once

// A second reader of a list's value, written another way than the program's: a regular
// expression picks the leading number, the C library converts it, and the result is rounded half
// to even and held to the 16-bit range. The soak's model and the list-value fuzzer check the
// program against it.

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>

// The conversion runs in the given rounding mode; the rounding to a whole number is always half
// to even.
inline qint16 referenceListValue(const QString &text, int conversionMode = FE_TONEAREST)
{
    // Blanks, then a sign, digits with an optional fraction (or a bare fraction), and an
    // exponent only when digits follow it. [0-9] matches ASCII digits only.
    static const QRegularExpression number(QStringLiteral(
        "\\A[ \\t\\n\\r]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    // A number is ASCII, so only the ASCII text before the first other character is matched:
    // the expression engine refuses a subject with a lone surrogate anywhere in it.
    qsizetype ascii = 0;
    while (ascii < text.size() && text.at(ascii).unicode() < 0x80)
        ++ascii;
    const QRegularExpressionMatch match = number.match(text.left(ascii));
    if (!match.hasMatch())
        return 0;
    const QByteArray digits = match.captured(1).toLatin1();
    const int saved = std::fegetround();
    std::fesetround(conversionMode);
    const double converted = std::strtod(digits.constData(), nullptr);
    std::fesetround(FE_TONEAREST);
    const double value = std::nearbyint(converted);
    std::fesetround(saved);
    if (value <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    if (value >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return qint16(value);
}
