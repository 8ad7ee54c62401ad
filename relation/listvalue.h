#pragma once

#include <QString>

// The number a list shows, as the lesson reads it: the leading decimal number of the text
// (blanks before it are skipped; a sign, a fraction and an exponent belong to it), 0 when the
// text does not start with one, rounded to the nearest whole number with halves going to the
// even neighbour. A pupil can type any text into a list's field, so a number beyond the 16-bit
// range is clamped to it rather than ending the lesson with an overflow.
qint16 readListValue(const QString &text);
