#pragma once

#include <QString>

namespace platform {
class RichTextBox;
}

// The two rules by which the lesson formats its rich-text boxes, both through the box's
// selection. The caller has set the box's text before.

// Lowers and shrinks the digit that follows the first occurrence of the token: the digit "1" of
// "r1", or, with the token "r1 + r2", the digit of r1 or r2 inside that phrase. A token that does
// not occur changes nothing visible.
void FormatSubscript(platform::RichTextBox &box, const QString &token, const QString &digit,
                     int offsetTwips, double sizePoints);

// Colours every character of the box's text; the selection is left on the whole text.
void ColourWholeText(platform::RichTextBox &box, quint32 colour);
