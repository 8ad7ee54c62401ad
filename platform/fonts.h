#pragma once

#include <QFont>
#include <QString>

namespace platform {

// A font as the window's design names it: face, size in points and style.
struct FontSpec
{
    const char *face = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont makeFont(const FontSpec &design);

// The design names Windows fonts; on a classroom Linux machine their metric twins (Liberation)
// or the nearest sans face stand in, so that texts keep their widths and line breaks.
void installFontSubstitutes();

} // namespace platform
