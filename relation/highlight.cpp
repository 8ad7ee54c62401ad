#include "window/lessonwindow.h"

#include "platform/integer16.h"
#include "relation/classification.h"
#include "relation/listvalue.h"
#include "window/accessibility.h"

namespace {

constexpr quint32 kYellow = 0x0000FFFF;
// A highlighted box is a little lower than designed (405 twips, about 0.714 cm).
constexpr double kHighlightHeight = 0.7;

} // namespace

// Decides which of the five relations holds for r1, r2 and the distance the list shows, and
// highlights the box of its rule.
void LessonWindow::HighlightRelation()
{
    // The distance is read from what the list shows now, not from the stored value.
    PQ = readListValue(cboPQ->Text());
    r1PlusR2 = platform::add16(r1, r2);
    absR1MinusR2 = platform::abs16(platform::subtract16(r1, r2));

    // All five rules plain again first, so that only one box is ever highlighted.
    WriteConditionTexts();

    platform::RichTextBox *const boxes[] = {rtBox1, rtBox2, rtBox3, rtBox4, rtBox5};
    platform::RichTextBox &box = *boxes[relationRule(PQ, r1PlusR2, absR1MinusR2) - 1];

    // The selection rests on the first character only, the blank every rule starts with.
    box.setSelStart(0);
    box.Find(box.Text());
    box.setSelLength(1);
    box.setBackColor(kYellow);
    box.setHeight(kHighlightHeight);
    box.setToolTipText(rtfHighlight->Text());
    // A screen reader says what the yellow says to the eye.
    box.setAccessibleDescription(QString::fromLatin1(kRuleHoldsDescription));
}
