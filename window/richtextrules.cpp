#include "window/richtextrules.h"

#include "platform/richtextbox.h"

void FormatSubscript(platform::RichTextBox &box, const QString &token, const QString &digit,
                     int offsetTwips, double sizePoints)
{
    const platform::FormattingBatch batch(box);
    box.setSelStart(0);
    box.Find(token);
    box.UpTo(digit);
    box.Span(digit);
    box.setSelCharOffset(offsetTwips);
    box.setSelFontSize(sizePoints);
}

void ColourWholeText(platform::RichTextBox &box, quint32 colour)
{
    const platform::FormattingBatch batch(box);
    box.setSelStart(0);
    box.Find(box.Text());
    box.setSelColor(colour);
}
