#pragma once

#include <QString>

// The author's contact line that rtfSelect shows on the introduction page, at start-up and again
// when the pupil goes back to that page.
inline QString contactLine()
{
    return QStringLiteral("Author:  lessons@example.org    Mobile:  07700 900461");
}
