#include "platform/fonts.h"

#include <QStringList>

namespace platform {

QFont makeFont(const FontSpec &design)
{
    QFont font(QString::fromLatin1(design.face));
    font.setPointSizeF(design.size);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
}

void installFontSubstitutes()
{
    const auto substitute = [](const char *family, const char *first, const char *second) {
        QFont::insertSubstitutions(QString::fromLatin1(family), QStringList()
                                                                    << QString::fromLatin1(first)
                                                                    << QString::fromLatin1(second));
    };
    substitute("Times New Roman", "Liberation Serif", "DejaVu Serif");
    substitute("Arial", "Liberation Sans", "DejaVu Sans");
    substitute("MS Sans Serif", "Liberation Sans", "DejaVu Sans");
    substitute("Trebuchet MS", "Liberation Sans", "DejaVu Sans");
}

} // namespace platform
