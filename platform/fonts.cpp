#include "platform/fonts.h"

#include <QStringList>

namespace platform {

QFont makeFont(const FontSpec &spec)
{
    QFont font(QString::fromLatin1(spec.face));
    font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
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
