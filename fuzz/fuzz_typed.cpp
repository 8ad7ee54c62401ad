// Any text typed into the lists of a real lesson window, then committed with Enter or Tab, put
// back with Escape, or left for another list. After each the window must agree with its lists
// (agreement.h), and the list must have taken the text exactly when it is a plain whole number
// that it offers, blanks around it allowed (a sign before the digits may go either way).

#include "agreement.h"

#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QRegularExpression number(QStringLiteral("^([+-]?)0*([0-9]{1,3})$"));
    FuzzedDataProvider input(data, size);
    auto *pupil = new Pupil;
    pupil->next();
    // Some of the lists chosen first, in the lesson's order, so that the later ones are open.
    for (int i = 0, chosen = input.ConsumeIntegralInRange(0, 3); i < chosen; ++i)
        pupil->pick(agreement::kLists[i],
                    input.ConsumeIntegralInRange(i < 2 ? 1 : 0, i < 2 ? 5 : 12));
    while (input.remaining_bytes() > 0) {
        const int i = input.ConsumeIntegralInRange(0, 2);
        const int how = input.ConsumeIntegralInRange(0, 3); // Enter, Tab, Escape, another list
        const bool utf16 = input.ConsumeBool();
        const std::string bytes = input.ConsumeRandomLengthString(48);
        ChoiceList *list = pupil->list(agreement::kLists[i]);
        ChoiceList *other = pupil->list(agreement::kLists[(i + 1) % 3]);
        if (!list->isEnabled())
            continue;
        const std::optional<int> before = list->value();
        agreement::type(list, utf16 ? QString(reinterpret_cast<const QChar *>(bytes.data()),
                                              qsizetype(bytes.size() / 2))
                                    : QString::fromStdString(bytes));
        const QString typed = list->lineEdit()->isModified() ? list->lineEdit()->text() : "";
        if (how == 3 && other->isEnabled())
            other->setFocus(Qt::MouseFocusReason);
        else
            QTest::keyClick(list, how == 0   ? Qt::Key_Return
                                  : how == 2 ? Qt::Key_Escape
                                             : Qt::Key_Tab);
        agreement::check(*pupil, list);
        const QRegularExpressionMatch match = number.match(typed.trimmed());
        const int value = match.captured(2).toInt() * (match.captured(1) == "-" ? -1 : 1);
        const bool offered =
            how != 2 && match.hasMatch() && value >= list->first() && value <= list->last();
        const std::optional<int> after = list->value();
        if (offered ? after != value && (match.captured(1).isEmpty() || after != before)
                    : after != before)
            agreement::fail(
                QStringLiteral("%1 took \"%2\" wrongly").arg(list->objectName(), typed));
    }
    pupil->click("lblHome"); // the lesson ends as a pupil ends it
    delete pupil;
    return 0;
}
