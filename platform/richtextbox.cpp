#include "platform/richtextbox.h"

#include "platform/colour.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPalette>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

namespace platform {

namespace {

// The lowering in twips is kept on the characters; Qt's own baseline offset is a percentage of
// the characters' font height and is worked out from it whenever offset or size change.
constexpr int kCharOffsetProperty = QTextFormat::UserProperty + 1;

} // namespace

RichTextBox::RichTextBox(QWidget *parent, const RichTextDesign &design)
    : QTextEdit(parent), m_rect(design.rect),
      m_heightCm(float(twipsToCentimetres(design.rect.height))), m_back(design.back)
{
    setObjectName(QString::fromLatin1(design.name));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(design.tabStop ? Qt::TabFocus : Qt::NoFocus);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setFont(makeFont(design.font));
    document()->setDocumentMargin(1);
    // Every box is one line high: a line runs on to the box's edge instead of wrapping into a
    // second line that the box would hide. Alignment still works within the box's width.
    setWordWrapMode(QTextOption::NoWrap);
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::ArrowCursor);
    m_selection = QTextCursor(document());
    setBackColor(design.back);
    applyRect();
    setVisible(design.visible);
}

QString RichTextBox::Text() const
{
    return document()->toPlainText();
}

void RichTextBox::setText(const QString &text)
{
    setPlainText(text);
    m_selection = QTextCursor(document());
}

int RichTextBox::SelStart() const
{
    return m_selection.selectionStart();
}

int RichTextBox::SelLength() const
{
    return m_selection.selectionEnd() - m_selection.selectionStart();
}

QString RichTextBox::SelText() const
{
    return m_selection.selectedText();
}

void RichTextBox::setSelStart(int index)
{
    m_selection.setPosition(qBound(0, index, int(Text().size())));
}

void RichTextBox::setSelLength(int length)
{
    const int start = m_selection.selectionStart();
    // In 64 bits, so that a length near the largest int cannot wrap round.
    const int end = int(qBound<qint64>(start, qint64(start) + qMax(0, length), Text().size()));
    m_selection.setPosition(start);
    m_selection.setPosition(end, QTextCursor::KeepAnchor);
}

int RichTextBox::Find(const QString &text)
{
    if (text.isEmpty())
        return -1;
    const int found = Text().indexOf(text, m_selection.selectionStart(), Qt::CaseInsensitive);
    if (found < 0)
        return -1;
    m_selection.setPosition(found);
    m_selection.setPosition(found + int(text.size()), QTextCursor::KeepAnchor);
    return found;
}

void RichTextBox::UpTo(const QString &characterSet)
{
    const QString text = Text();
    int at = m_selection.selectionStart();
    while (at < text.size() && !characterSet.contains(text.at(at)))
        ++at;
    m_selection.setPosition(at);
}

void RichTextBox::Span(const QString &characterSet)
{
    const QString text = Text();
    const int start = m_selection.selectionStart();
    int end = start;
    while (end < text.size() && characterSet.contains(text.at(end)))
        ++end;
    m_selection.setPosition(start);
    m_selection.setPosition(end, QTextCursor::KeepAnchor);
}

void RichTextBox::setSelCharOffset(int twips)
{
    if (!m_selection.hasSelection())
        return;
    QTextCharFormat format;
    format.setProperty(kCharOffsetProperty, twips);
    m_selection.mergeCharFormat(format);
    updateBaselines(m_selection.selectionStart(), m_selection.selectionEnd());
}

void RichTextBox::setSelFontSize(double points)
{
    if (!m_selection.hasSelection() || points <= 0)
        return;
    QTextCharFormat format;
    // Rich-text boxes stop at 1638 points; larger sizes would only make Qt cache glyphs of
    // gigabytes (found by fuzzing), and nothing larger fits any screen.
    format.setFontPointSize(qMin(points, kLargestFontSize));
    m_selection.mergeCharFormat(format);
    updateBaselines(m_selection.selectionStart(), m_selection.selectionEnd());
}

void RichTextBox::setSelColor(quint32 colour)
{
    if (!m_selection.hasSelection())
        return;
    QTextCharFormat format;
    format.setForeground(colourFromBgr(colour));
    m_selection.mergeCharFormat(format);
}

void RichTextBox::setSelAlignment(int alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment == 2   ? Qt::AlignHCenter
                        : alignment == 1 ? Qt::AlignRight
                                         : Qt::AlignLeft);
    m_selection.mergeBlockFormat(format);
}

// Turns each lowered character's offset in twips into Qt's percentage of its font height.
void RichTextBox::updateBaselines(int from, int to)
{
    QTextCursor cursor(document());
    for (int at = from; at < to; ++at) {
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat current = cursor.charFormat();
        if (!current.hasProperty(kCharOffsetProperty))
            continue;
        const double pixels = current.intProperty(kCharOffsetProperty) * pixelsPerTwip();
        const QFontMetricsF metrics(current.font().resolve(document()->defaultFont()));
        const double height = metrics.ascent() + metrics.descent();
        QTextCharFormat format;
        format.setBaselineOffset(height > 0 ? 100.0 * pixels / height : 0.0);
        cursor.mergeCharFormat(format);
    }
}

FormattingBatch::FormattingBatch(RichTextBox &box) : m_cursor(box.document())
{
    m_cursor.beginEditBlock();
}

FormattingBatch::~FormattingBatch()
{
    m_cursor.endEditBlock();
}

void RichTextBox::setBackColor(quint32 colour)
{
    m_back = colour;
    QPalette p = palette();
    p.setColor(QPalette::Base, colourFromBgr(colour));
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    viewport()->setPalette(p);
}

void RichTextBox::setLeft(double cm)
{
    m_rect.left = centimetresToTwips(cm);
    applyRect();
}

void RichTextBox::setTop(double cm)
{
    m_rect.top = centimetresToTwips(cm);
    applyRect();
}

void RichTextBox::setHeight(double cm)
{
    m_heightCm = float(cm);
    m_rect.height = centimetresToTwips(m_heightCm);
    applyRect();
}

void RichTextBox::applyRect()
{
    setGeometry(pixelRect(m_rect));
}

int RichTextBox::charOffsetAt(int index) const
{
    QTextCursor cursor(document());
    cursor.setPosition(index);
    cursor.setPosition(index + 1, QTextCursor::KeepAnchor);
    return cursor.charFormat().intProperty(kCharOffsetProperty);
}

double RichTextBox::fontSizeAt(int index) const
{
    QTextCursor cursor(document());
    cursor.setPosition(index);
    cursor.setPosition(index + 1, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    return format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                          : font().pointSizeF();
}

quint32 RichTextBox::colourAt(int index) const
{
    QTextCursor cursor(document());
    cursor.setPosition(index);
    cursor.setPosition(index + 1, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    return bgrFromColour(format.hasProperty(QTextFormat::ForegroundBrush)
                             ? format.foreground().color()
                             : palette().color(QPalette::Text));
}

void RichTextBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

} // namespace platform
