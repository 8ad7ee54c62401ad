#include "platform/richtext.h"

#include "platform/design.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace richtext {

namespace {

// A lowered digit keeps its design in its format, so that it can be sized again for any zoom.
constexpr int kDesignPoints = QTextFormat::UserProperty;
constexpr int kDesignOffset = QTextFormat::UserProperty + 1;

// Qt's baseline offset is a percentage of the digit's own font height.
void lower(QTextEdit *box, QTextCharFormat &format)
{
    QFont lowered = box->document()->defaultFont();
    lowered.setPointSizeF(design::zoomedPoints(format.doubleProperty(kDesignPoints)));
    const double height = QFontMetricsF(lowered).height();
    format.setFontPointSize(lowered.pointSizeF());
    format.setBaselineOffset(height > 0 ? 100.0 * format.intProperty(kDesignOffset) *
                                              design::pixelsPerTwip() / height
                                        : 0.0);
}

} // namespace

QSize overflow(const QFont &font, const QRect &box, int flags, const QString &text)
{
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), 1 << 20), flags, text);
    return needed.size() - box.size();
}

void write(QTextEdit *box, const QString &text, Qt::Alignment alignment)
{
    box->setPlainText(text);
    QTextBlockFormat paragraph;
    paragraph.setAlignment(alignment);
    QTextCursor(box->document()).mergeBlockFormat(paragraph);
}

void lowerRadiusDigits(QTextEdit *box, int offsetTwips, double points)
{
    QTextCharFormat format;
    format.setProperty(kDesignPoints, points);
    format.setProperty(kDesignOffset, offsetTwips);
    lower(box, format);
    static const QRegularExpression radius(QStringLiteral("r[12]"),
                                           QRegularExpression::CaseInsensitiveOption);
    // One edit: the box lays its text out once rather than after every digit.
    QTextCursor edit(box->document());
    edit.beginEditBlock();
    for (const QRegularExpressionMatch &found : radius.globalMatch(box->toPlainText())) {
        edit.setPosition(int(found.capturedEnd()) - 1);
        edit.setPosition(int(found.capturedEnd()), QTextCursor::KeepAnchor);
        edit.mergeCharFormat(format);
    }
    edit.endEditBlock();
}

void follow(QTextEdit *box)
{
    // The digits are found first: a change of format may join or split the fragments walked.
    QList<QTextFragment> digits;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().hasProperty(kDesignPoints))
                digits.append(it.fragment());
    QTextCursor edit(box->document());
    edit.beginEditBlock();
    for (const QTextFragment &fragment : std::as_const(digits)) {
        QTextCharFormat format = fragment.charFormat();
        lower(box, format);
        edit.setPosition(fragment.position());
        edit.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        edit.setCharFormat(format);
    }
    edit.endEditBlock();
    // A size at which the text ran out of the box must not leave it scrolled.
    box->horizontalScrollBar()->setValue(0);
    box->verticalScrollBar()->setValue(0);
}

} // namespace richtext
