// Bytes read as a pupil's actions on a real lesson window: clicks on the text buttons (Print
// answered in the system's dialog, cancelled or with copies), picks, typing of any text, keys in
// the focused list. After every action the window must agree with the lesson model; a
// disagreement aborts, so that libFuzzer keeps the input.

#include "tests/lessonmodel.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Characters a pupil might type, numbers and what looks like them above all.
const QString kTyped = QStringLiteral(" 0123456789+-.,eExabPQr") + QChar(0x00A0) + QChar(0x0663);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_lesson";
    static char *argv[] = {name, nullptr};
    if (!qApp) { // under libFuzzer, for the life of the process
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    std::size_t at = 0;
    const auto next = [&] { return at < size ? data[at++] : 0; };
    Pupil pupil;
    LessonModel model;
    for (int step = 0; step < 64 && at < size; ++step) {
        PupilAction action{"CPPTTKKK"[next() % 8], next() % 64, next() * 4 + next() % 4, {}};
        for (int length = next() % 8; length > 0; --length)
            action.text += kTyped.at(next() % kTyped.size());
        const QString done = model.perform(pupil, action);
        if (const QString wrong = model.disagreement(pupil); !wrong.isEmpty()) {
            std::fprintf(stderr, "after %s: %s\n", qPrintable(done), qPrintable(wrong));
            std::abort();
        }
    }
    pupil.click("home"); // the lesson ends as a pupil ends it
    return 0;
}
