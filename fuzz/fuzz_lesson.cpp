// Bytes read as a pupil's actions on a real lesson window (the lesson model's reading of them):
// clicks on the text buttons, Print answered in the system's dialog, picks, typing, keys. After
// every action the window must agree with the model; a disagreement aborts, so that libFuzzer
// keeps the input.

#include "tests/lessonmodel.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_lesson";
    static char *argv[] = {name, nullptr};
    if (!qApp) { // under libFuzzer, for the life of the process; scripts/fuzz.sh sets the screen
        new QApplication(argc, argv);
    }
    std::size_t at = 0;
    Pupil pupil;
    const QString wrong =
        LessonModel().play(pupil, 64, [&] { return at < size ? int(data[at++]) : -1; });
    if (!wrong.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(wrong));
        std::abort();
    }
    return 0;
}
