#pragma once

// Shared by the fuzz targets: the application on the offscreen platform, typing of any text, and
// the check that a real lesson window agrees with itself and with its three lists once the pupil
// has left them (the list the pupil is still typing in counts with the value the window holds).
// A disagreement aborts, so that libFuzzer keeps the input.

#include "tests/pupil.h"

#include "platform/choicelist.h"
#include "platform/design.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv); // for the life of the process
    return 0;
}

namespace agreement {

inline const char *const kLists[] = {"cboR1", "cboR2", "cboPQ"};

[[noreturn]] inline void fail(const QString &what)
{
    std::fprintf(stderr, "disagreement: %s\n", qPrintable(what));
    std::abort();
}

// Any text, one key event per character, as an input method sends them.
inline void type(ChoiceList *list, const QString &text)
{
    list->setFocus(Qt::MouseFocusReason);
    list->lineEdit()->selectAll();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// `left` is a list the pupil has just committed or left: it must show its value, typed or not.
inline void check(Pupil &pupil, const ChoiceList *left = nullptr)
{
    const Choice &choice = pupil.window().choice();
    const std::optional<int> held[] = {choice.r1, choice.r2, choice.distance};
    const char *const placeholders[] = {" r1", "r2", "PQ"};
    for (int i = 0; i < 3; ++i) {
        ChoiceList *list = pupil.list(kLists[i]);
        const QString shown = held[i] ? QString::number(*held[i]) : placeholders[i];
        if (held[i] && (*held[i] < list->first() || *held[i] > list->last()))
            fail(QStringLiteral("%1 holds %2, no item of it").arg(kLists[i]).arg(*held[i]));
        const bool typing = list->hasFocus() && list->lineEdit()->isModified() && list != left;
        if (!typing && list->currentText() != shown)
            fail(QStringLiteral("%1 shows \"%2\" for \"%3\"")
                     .arg(kLists[i], list->currentText(), shown));
    }
    const bool practice = pupil.shows("lblBack");
    if (practice == pupil.shows("lblNext") || practice != pupil.shows("cboR1"))
        fail(QStringLiteral("Next, Back and the lists on different pages"));
    const bool figure = practice && held[0] && held[1] && held[2];
    const int d = held[2].value_or(0), sum = held[0].value_or(0) + held[1].value_or(0);
    const int difference = std::abs(held[0].value_or(0) - held[1].value_or(0));
    const int rule = !figure           ? 0
                     : d == sum        ? 1
                     : d == difference ? 2
                     : d < difference  ? 4
                     : d > sum         ? 5
                                       : 3;
    if (pupil.highlightedRule() != rule || pupil.shows("lblPrint") != figure)
        fail(QStringLiteral("rule %1 highlighted and Print %2 for %3 %4 %5 on page %6")
                 .arg(pupil.highlightedRule())
                 .arg(pupil.shows("lblPrint"))
                 .arg(held[0].value_or(-1))
                 .arg(held[1].value_or(-1))
                 .arg(d)
                 .arg(practice));
    // Something drawn at P's centre when there is a figure, nothing at all otherwise. The
    // surface is read as it is kept, without a copy, since it is read after every step.
    static QImage blank;
    const QImage &surface = pupil.window().surface().image();
    if (blank.size() != surface.size() || blank.format() != surface.format()) {
        blank = QImage(surface.size(), surface.format());
        blank.fill(Qt::transparent);
    }
    const double ratio = surface.devicePixelRatio();
    const QPoint p(int(design::centimetresToPixels(13 - d / 2.0) * ratio),
                   int(design::centimetresToPixels(13) * ratio));
    if (figure ? qAlpha(surface.pixel(p)) == 0 : surface != blank)
        fail(figure ? QStringLiteral("no centre P") : QStringLiteral("a drawing without a figure"));
}

} // namespace agreement
