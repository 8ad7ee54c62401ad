#pragma once

#include <QString>

// What each list shows until the pupil picks an item. There is no flag for "chosen": a list is
// chosen as soon as its text differs from its placeholder, compared exactly (case and blanks
// count, so "r1" without the leading blank is a chosen value).
inline const QString kR1Placeholder = QStringLiteral(" r1");
inline const QString kR2Placeholder = QStringLiteral("r2");
inline const QString kPQPlaceholder = QStringLiteral("PQ");
