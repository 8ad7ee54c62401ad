#pragma once

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QTextCursor>
#include <QTextEdit>

namespace platform {

// The largest font size a rich-text box takes, in points.
inline constexpr double kLargestFontSize = 1638;

struct RichTextDesign
{
    const char *name;
    TwipsRect rect;
    FontSpec font;
    quint32 back;
    bool visible = true;
    bool tabStop = true;
};

// A rich-text box driven through its selection, as the lesson's rules expect: set the text,
// place the selection, search, and format the selected characters. The pupil can read it but
// not edit it. The selection is the box's own state and is never shown as a highlight.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    RichTextBox(QWidget *parent, const RichTextDesign &design);

    // The plain text. Setting it replaces all content and formatting; the caret goes to 0.
    QString Text() const;
    void setText(const QString &text);

    int SelStart() const;
    int SelLength() const;
    QString SelText() const;
    // Puts the caret at the index and empties the selection (indices are clamped to the text).
    void setSelStart(int index);
    // Selects that many characters from the caret.
    void setSelLength(int length);

    // Searches from the caret to the end, ignoring letter case. When found, selects the match and
    // returns its index; otherwise returns -1 and leaves the selection as it was.
    int Find(const QString &text);
    // Moves the caret forward from the selection's start to just before the first character that
    // belongs to the set (or to the end of the text) and empties the selection.
    void UpTo(const QString &characterSet);
    // Extends the selection from the caret over the consecutive characters that belong to the set.
    void Span(const QString &characterSet);

    // Formats of the selected characters. An empty selection changes nothing that is shown.
    // The offset is in twips; a negative one lowers the characters by exactly that much.
    void setSelCharOffset(int twips);
    void setSelFontSize(double points);
    void setSelColor(quint32 colour);
    // Alignment of the paragraphs holding the selection: 0 left, 1 right, 2 centre.
    void setSelAlignment(int alignment);

    void setBackColor(quint32 colour);
    quint32 backColor() const { return m_back; }
    void setToolTipText(const QString &text) { setToolTip(text); }
    QString toolTipText() const { return toolTip(); }
    bool Visible() const { return !isHidden(); }

    double Left() const { return twipsToCentimetres(m_rect.left); }
    double Top() const { return twipsToCentimetres(m_rect.top); }
    double Height() const { return m_heightCm; }
    void setLeft(double cm);
    void setTop(double cm);
    void setHeight(double cm);

    // For tests: the vertical offset in twips and the size in points of the character at index.
    int charOffsetAt(int index) const;
    double fontSizeAt(int index) const;
    quint32 colourAt(int index) const;

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void applyRect();
    void updateBaselines(int from, int to);

    TwipsRect m_rect;
    float m_heightCm;
    quint32 m_back;
    QTextCursor m_selection;
};

// While one lives, the format changes made to a box are one edit of its document: the box lays
// its text out once, at the end, instead of after every change. Nothing is shown in between
// anyway, since the window repaints only after a handler returns.
class FormattingBatch
{
public:
    explicit FormattingBatch(RichTextBox &box);
    ~FormattingBatch();
    FormattingBatch(const FormattingBatch &) = delete;
    FormattingBatch &operator=(const FormattingBatch &) = delete;

private:
    QTextCursor m_cursor;
};

} // namespace platform
