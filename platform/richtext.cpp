#include "platform/richtext.h"

#include "platform/design.h"

#include <QColor>
#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace richtext {

void write(QTextEdit *box, const QString &text, Qt::Alignment alignment)
{
    box->setPlainText(text);
    QTextBlockFormat paragraph;
    paragraph.setAlignment(alignment);
    QTextCursor(box->document()).mergeBlockFormat(paragraph);
}

void colourAll(QTextEdit *box, const QColor &colour)
{
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(colour);
    all.mergeCharFormat(format);
}

void lowerDigit(QTextEdit *box, const QString &token, QChar digit, int offsetTwips, double points)
{
    const QString text = box->document()->toPlainText();
    const qsizetype found = text.indexOf(token, 0, Qt::CaseInsensitive);
    if (found < 0)
        return;
    const qsizetype start = text.indexOf(digit, found);
    if (start < 0)
        return;
    qsizetype end = start;
    while (end < text.size() && text.at(end) == digit)
        ++end;

    QFont lowered = box->document()->defaultFont();
    lowered.setPointSizeF(points);
    const QFontMetricsF metrics(lowered);
    const double height = metrics.ascent() + metrics.descent();
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setBaselineOffset(height > 0 ? 100.0 * offsetTwips * design::pixelsPerTwip() / height
                                        : 0.0);

    QTextCursor digits(box->document());
    digits.setPosition(int(start));
    digits.setPosition(int(end), QTextCursor::KeepAnchor);
    digits.mergeCharFormat(format);
}

void lowerRadiusDigits(QTextEdit *box, int offsetTwips, double points)
{
    lowerDigit(box, QStringLiteral("r1"), QLatin1Char('1'), offsetTwips, points);
    lowerDigit(box, QStringLiteral("r2"), QLatin1Char('2'), offsetTwips, points);
}

} // namespace richtext
