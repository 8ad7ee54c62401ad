// Fuzzes the rich-text box's selection operations and the two formatting rules on arbitrary
// texts, tokens and character sets. After every step the selection must lie inside the text, the
// text must be unchanged unless it was set, and each operation must have done what it promises,
// checked here character by character rather than by the box's own searches.

#include "platform/richtextbox.h"
#include "window/richtextrules.h"

#include <QApplication>
#include <QImage>
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

using platform::RichTextBox;

namespace {

// Texts beyond this length are only searched and formatted, not checked character by character.
constexpr int kCheckedLength = 512;

[[noreturn]] void fail(const char *what, const RichTextBox &box)
{
    std::fprintf(stderr, "richtext: %s (text \"%s\", selection %d+%d)\n", what,
                 box.Text().left(200).toUtf8().constData(), box.SelStart(), box.SelLength());
    std::abort();
}

#define CHECK(condition, what)                                                                     \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fail(what, box);                                                                       \
    } while (false)

// Arbitrary texts: as UTF-8 most of the time, sometimes as raw UTF-16 code units (lone
// surrogates, paragraph separators, the text document's own frame markers).
QString consumeText(FuzzedDataProvider &input, std::size_t maxBytes)
{
    const bool utf16 = input.ConsumeBool();
    const std::string bytes = input.ConsumeRandomLengthString(maxBytes);
    if (!utf16)
        return QString::fromStdString(bytes);
    QString text(qsizetype(bytes.size() / 2), Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), bytes.size() / 2 * 2);
    return text;
}

bool matchesAt(const QString &text, int at, const QString &token)
{
    return at + token.size() <= text.size() &&
           QStringView(text).mid(at, token.size()).compare(token, Qt::CaseInsensitive) == 0;
}

// The first place at or after from where token matches, ignoring case, or -1.
int firstMatch(const QString &text, int from, const QString &token)
{
    if (token.isEmpty())
        return -1;
    for (int at = from; at + token.size() <= text.size(); ++at)
        if (matchesAt(text, at, token))
            return at;
    return -1;
}

struct Selection
{
    int start;
    int length;
};

Selection selectionOf(const RichTextBox &box)
{
    return {box.SelStart(), box.SelLength()};
}

// What FormatSubscript selects: the run of digit characters at the first digit character at or
// after the first occurrence of the token (or after the start when the token is missing).
Selection subscriptSelection(const QString &text, const QString &token, const QString &digit)
{
    int at = qMax(0, firstMatch(text, 0, token));
    while (at < text.size() && !digit.contains(text.at(at)))
        ++at;
    int end = at;
    while (end < text.size() && digit.contains(text.at(end)))
        ++end;
    return {at, end - at};
}

// A line break is the boundary between two blocks of the document: the format read back at its
// index is that of the next block's first character, so breaks are not checked one by one.
bool checkable(const QString &text, int index)
{
    return text.at(index) != QLatin1Char('\n');
}

void checkSelectionInside(const RichTextBox &box)
{
    const int length = int(box.Text().size());
    CHECK(box.SelStart() >= 0 && box.SelLength() >= 0, "negative selection");
    CHECK(box.SelStart() + box.SelLength() <= length, "selection beyond the text");
}

void step(RichTextBox &box, FuzzedDataProvider &input)
{
    const QString before = box.Text();
    const Selection was = selectionOf(box);
    bool textMayChange = false;

    switch (input.ConsumeIntegralInRange(0, 12)) {
    case 0:
        box.setText(consumeText(input, 256));
        textMayChange = true;
        CHECK(box.SelStart() == 0 && box.SelLength() == 0, "new text keeps a selection");
        break;
    case 1: {
        const int index = input.ConsumeIntegral<int>();
        box.setSelStart(index);
        CHECK(box.SelStart() == qBound(0, index, int(before.size())), "SelStart not clamped");
        CHECK(box.SelLength() == 0, "SelStart keeps a selection");
        break;
    }
    case 2: {
        // Any length, up to the largest int (corpus: selection-length-overflow, once a fault).
        const int length = input.ConsumeIntegral<int>();
        box.setSelLength(length);
        CHECK(box.SelStart() == was.start, "SelLength moved the start");
        const qint64 wanted = std::clamp<qint64>(length, 0, before.size() - was.start);
        CHECK(box.SelLength() == wanted, "SelLength not clamped");
        break;
    }
    case 3: {
        const QString token = consumeText(input, 16);
        const int found = box.Find(token);
        const int expected = firstMatch(before, was.start, token);
        CHECK(found == expected, "Find missed or invented a match");
        if (found >= 0)
            CHECK(box.SelStart() == found && box.SelLength() == token.size(),
                  "Find did not select the match");
        else
            CHECK(box.SelStart() == was.start && box.SelLength() == was.length,
                  "a failed Find moved the selection");
        break;
    }
    case 4: {
        const QString set = consumeText(input, 8);
        box.UpTo(set);
        CHECK(box.SelLength() == 0, "UpTo left a selection");
        const int caret = box.SelStart();
        CHECK(caret >= was.start, "UpTo moved backwards");
        for (int i = was.start; i < caret; ++i)
            CHECK(!set.contains(before.at(i)), "UpTo passed a character of the set");
        CHECK(caret == before.size() || set.contains(before.at(caret)),
              "UpTo stopped before a character outside the set");
        break;
    }
    case 5: {
        const QString set = consumeText(input, 8);
        box.Span(set);
        CHECK(box.SelStart() == was.start, "Span moved the caret");
        const int end = box.SelStart() + box.SelLength();
        for (int i = box.SelStart(); i < end; ++i)
            CHECK(set.contains(before.at(i)), "Span took a character outside the set");
        CHECK(end == before.size() || !set.contains(before.at(end)), "Span stopped too early");
        break;
    }
    case 6: {
        const int offset = input.ConsumeIntegral<qint16>();
        box.setSelCharOffset(offset);
        if (before.size() <= kCheckedLength)
            for (int i = was.start; i < was.start + was.length; ++i)
                CHECK(!checkable(before, i) || box.charOffsetAt(i) == offset,
                      "SelCharOffset missed a character");
        break;
    }
    case 7: {
        // A 16-bit size in points, sometimes with a fraction such as the design's 6.75.
        const double points =
            input.ConsumeIntegral<qint16>() + input.ConsumeIntegralInRange(0, 3) / 4.0;
        box.setSelFontSize(points);
        if (points > 0 && before.size() <= kCheckedLength)
            for (int i = was.start; i < was.start + was.length; ++i)
                CHECK(!checkable(before, i) ||
                          box.fontSizeAt(i) == std::min(points, platform::kLargestFontSize),
                      "SelFontSize missed a character");
        break;
    }
    case 8: {
        const quint32 colour = input.ConsumeIntegral<quint32>();
        box.setSelColor(colour);
        if (colour <= 0x00FFFFFF && before.size() <= kCheckedLength)
            for (int i = was.start; i < was.start + was.length; ++i)
                CHECK(!checkable(before, i) || box.colourAt(i) == colour,
                      "SelColor missed a character");
        break;
    }
    case 9:
        box.setSelAlignment(input.ConsumeIntegral<int>());
        break;
    case 10: {
        const QString token = consumeText(input, 16);
        const QString digit = consumeText(input, 4);
        const int offset = input.ConsumeIntegralInRange(-32768, 32767);
        const double size = input.ConsumeIntegralInRange(1, 72);
        FormatSubscript(box, token, digit, offset, size);
        const Selection expected = subscriptSelection(before, token, digit);
        CHECK(box.SelStart() == expected.start && box.SelLength() == expected.length,
              "FormatSubscript selected the wrong characters");
        if (before.size() <= kCheckedLength)
            for (int i = expected.start; i < expected.start + expected.length; ++i)
                CHECK(!checkable(before, i) ||
                          (box.charOffsetAt(i) == offset && box.fontSizeAt(i) == size),
                      "FormatSubscript left a digit unformatted");
        break;
    }
    case 11: {
        const quint32 colour = input.ConsumeIntegral<quint32>() & 0x00FFFFFF;
        ColourWholeText(box, colour);
        CHECK(box.SelStart() == 0 && box.SelLength() == before.size(),
              "ColourWholeText did not select the whole text");
        if (before.size() <= kCheckedLength)
            for (int i = 0; i < before.size(); ++i)
                CHECK(!checkable(before, i) || box.colourAt(i) == colour,
                      "ColourWholeText missed a character");
        break;
    }
    case 12: {
        // Lay the text out and paint it, with whatever formats the steps left.
        const QImage image = box.grab().toImage();
        CHECK(!image.isNull(), "the box could not be painted");
        break;
    }
    }

    if (!textMayChange)
        CHECK(box.Text() == before, "a selection or format operation changed the text");
    checkSelectionInside(box);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // A fresh box for every input, so that a finding replays from its input alone.
    auto box = std::make_unique<RichTextBox>(
        nullptr, platform::RichTextDesign{.name = "rtBox",
                                          .rect = {0, 0, 9240, 405},
                                          .font = {"Times New Roman", 14.25},
                                          .back = 0x00DCFFD5});
    box->setText(consumeText(input, 1024));
    for (int steps = 0; steps < 64 && input.remaining_bytes() > 0; ++steps)
        step(*box, input);
    return 0;
}
