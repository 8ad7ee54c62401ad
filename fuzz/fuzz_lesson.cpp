// Bytes read as a pupil's actions on a real lesson window: clicks on the text buttons (Print
// answered by a scripted dialog that cancels or asks for copies, whose pages are counted), picks,
// typing, keys in the focused list, the pointer over controls and the bare window, and the cues'
// blinks. After every action the window must agree with itself and with its lists (agreement.h).

#include "agreement.h"

#include "print/printing.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const char *const buttons[] = {"lblNext", "lblBack", "lblPrint"};
    static const char *const pointed[] = {"lblNext",  "lblPrint", "lblHome", "rtfSelect",
                                          "lblCombo", "cboR1",    "rtBox2"};
    static const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Return,
                                   Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};
    FuzzedDataProvider input(data, size);
    auto *pupil = new Pupil;
    int answer = 0, printed = 0; // the dialog's answer: 0 cancels, n asks for n - 1 copies
    pupil->window().printing().replaceDialog([&answer](QPrinter &) -> std::optional<int> {
        return answer ? std::optional(answer - 1) : std::nullopt;
    });
    pupil->window().printing().replacePagePrinter([&printed](int) { return bool(++printed); });
    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        const int action = input.ConsumeIntegralInRange(0, 5);
        const int k = input.ConsumeIntegral<std::uint8_t>();
        ChoiceList *list = pupil->list(agreement::kLists[k % 3]);
        const bool usable = list->isVisible() && list->isEnabled();
        if (action == 0 && pupil->shows(buttons[k % 3])) {
            answer = input.ConsumeIntegralInRange(0, 3);
            printed = 0;
            pupil->click(buttons[k % 3]);
            if (k % 3 == 2 && printed != std::max(answer - 1, 0))
                agreement::fail(QStringLiteral("%1 pages printed").arg(printed));
        } else if (action == 1 && usable) {
            pupil->pick(agreement::kLists[k % 3],
                        list->first() + input.ConsumeIntegral<std::uint8_t>() % list->count());
        } else if (action == 2 && usable) {
            agreement::type(list, QString::fromStdString(input.ConsumeRandomLengthString(16)));
        } else if (action == 3 && qobject_cast<ChoiceList *>(QApplication::focusWidget())) {
            pupil->press(keys[k % std::size(keys)]); // a key where the pupil is typing
        } else if (action == 3 && usable) {
            list->setFocus(Qt::MouseFocusReason); // or first a click into a list
        } else if (action == 4) {
            const char *name = pointed[k % std::size(pointed)];
            pupil->shows(name) ? pupil->point(name) : pupil->pointAtBareWindow();
        } else if (action == 5) {
            k % 2 ? pupil->tickListCue() : pupil->tickNextCue();
        }
        agreement::check(*pupil);
    }
    pupil->click("lblHome"); // the lesson ends as a pupil ends it
    delete pupil;
    return 0;
}
