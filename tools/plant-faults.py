#!/usr/bin/env python3
"""Plants faults into the program one at a time, each a one-line change a pupil or teacher would
notice, rebuilds, runs the suite and reports which tests catch it; the source is put back after
each. Usage: tools/plant-faults.py [BUILD_DIR] [FAULT_ID ...]  (make faults)"""
import os, re, subprocess, sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# (id, what the pupil or teacher would notice, file, text, replacement)
FAULTS = [
    ("F01", "one inside the other shown as each outside", "choice/choice.cpp", "difference ? 4 : 3", "difference ? 5 : 3"),
    ("F02", "touching inside tested against the sum", "choice/choice.cpp", "distance == difference", "distance == sum"),
    ("F03", "touching inside never found", "choice/choice.cpp", "    if (distance == difference)\n        return 2;", "    if (false)\n        return 2;"),
    ("F04", "rule (3) reads 'two Points'", "rules/ruleboard.cpp", "each other in 2 Points.", "each other in two Points."),
    ("F05", "invitation with three blanks", "pages/pages.cpp", "practice..    Click", "practice..   Click"),
    ("F06", "distance prompt loses its leading blank", "pages/pages.cpp", '" Select the distance', '"Select the distance'),
    ("F07", "heading ends in a plain 2", "pages/pages.cpp", "QChar(0x00B2)", "QChar('2')"),
    ("F08", "no blank before the comma", "pages/pages.cpp", "rearrange r1 , r2", "rearrange r1, r2"),
    ("F09", "rules' digits lowered as little as the sentences'", "rules/ruleboard.cpp", "kSubscriptOffset = -80", "kSubscriptOffset = -60"),
    ("F10", "rule (3)'s second r1 not lowered", "platform/richtext.cpp", "QStringLiteral(\"r[12]\")", "QStringLiteral(\"r[12](?!.*r1 \\\\+)\")"),
    ("F11", "prompt digits in 8 points", "platform/richtext.h", "int offsetTwips, double points = 7", "int offsetTwips, double points = 8"),
    ("F12", "the highlight light yellow", "rules/ruleboard.cpp", "colours::set(box, QPalette::Base, colours::kYellow, box->viewport());", "colours::set(box, QPalette::Base, colours::fromBgr(0x00C0FFFF), box->viewport());"),
    ("F13", "circles blue", "figure/figure.cpp", "painter.setPen(QPen(colours::kRed, line));", "painter.setPen(QPen(colours::kBlue, line));"),
    ("F14", "stipple dark green", "figure/figure.cpp", "dots(painter, stipple, colours::kGreen, onScreen);", "dots(painter, stipple, colours::kDarkGreen, onScreen);"),
    ("F15", "the waiting list flickers red", "window/lessonwindow.cpp", "second ? colours::kCyan : colours::kMagenta", "second ? colours::kCyan : colours::kRed"),
    ("F16", "letters 3 mm below their centres", "figure/figure.cpp", "kCentreLine + 0.1)", "kCentreLine + 0.3)"),
    ("F17", "centres on the line y = 12", "choice/choice.h", "kCentreLine = 13;", "kCentreLine = 12;"),
    ("F18", "length 5 mm left of the middle", "figure/figure.cpp", "kMidpoint - 0.2)", "kMidpoint - 0.5)"),
    ("F19", "Back puts the rules at 3 cm", "rules/ruleboard.cpp", "design::moveTo(m_boxes[k], 3.701, tops[k]);", "design::moveTo(m_boxes[k], 3, tops[k]);"),
    ("F20", "compact column: rule (5) at 8 cm", "rules/ruleboard.cpp", "design::moveTo(m_boxes[k], 3, 3.0 + k);", "design::moveTo(m_boxes[k], 3, 3.0 + k + (k == 4));"),
    ("F21", "Back leaves the invitation at the top", "pages/pages.cpp", "    m_texts.promptLine->show();\n    showInvitation();", "    m_texts.promptLine->show();\n    showInvitation();\n    design::moveTo(m_texts.promptLine, {}, 0.106);"),
    ("F22", "stipple on the circles too", "choice/choice.cpp", "fromP < float(*choice.r1) && fromQ < float(*choice.r2)", "fromP <= float(*choice.r1) && fromQ <= float(*choice.r2)"),
    ("F23", "stipple 2.5 mm apart", "figure/figure.cpp", "kGridStep = 0.2f", "kGridStep = 0.25f"),
    ("F24", "a radius before any distance draws a figure", "window/lessonwindow.cpp", "    if (choice.complete()) {\n        m_pages->showFullFrames();", "    if (choice.r1 && choice.r2) {\n        m_pages->showFullFrames();"),
    ("F25", "a new radius redraws the old figure", "window/lessonwindow.cpp", "        showFigure(choice, true);", "        showFigure(m_lists->choice().complete() ? Choice{choice.r1, choice.r1, choice.distance} : choice, true);"),
    ("F26", "pointing at Next while blue leaves it blinking", "cues/blinkingcue.cpp", "    m_first.stop();\n    m_second.stop();", "    m_first.stop();"),
    ("F27", "r2's list flickers while r1 waits", "lists/choicelists.h", "        return !m_widgets.r1->value()   ? m_widgets.r1\n               : !m_widgets.r2->value() ? m_widgets.r2", "        return !m_widgets.r2->value()   ? m_widgets.r2\n               : !m_widgets.r1->value() ? m_widgets.r1"),
    ("F29", "Next blinks every 500 ms", "window/lessonwindow.h", "kCueBeatMs = 400;", "kCueBeatMs = 500;"),
    ("F30", "the bare window leaves Print red", "buttons/lessonbuttons.cpp", "    m_buttons.print->setTextColour(colours::kBlue);", ""),
    ("F31", "the message line hides the help arrow", "window/lessonwindow.cpp", "        m_buttons->calmBackAndHome();\n        m_nextCue->start();", "        m_buttons->calmBackAndHome();\n        m_controls.helpArrow->hide();\n        m_nextCue->start();"),
    ("F32", "help arrow near the lists before a distance", "window/lessonwindow.cpp", "if (m_onPractice && m_lists->choice().complete())", "if (m_onPractice && m_lists->choice().r2)"),
    ("F33", "guided start leaves r2 open", "lists/choicelists.cpp", "m_widgets.r2->setEnabled(m_widgets.r1->value().has_value());", "m_widgets.r2->setEnabled(true);"),
    ("F34", "choosing r1 leaves r2 closed", "lists/choicelists.cpp", "            showProgress();\n", "            if (list != m_widgets.r1)\n                showProgress();\n"),
    ("F35", "Back leaves Print", "window/lessonwindow.cpp", "    m_buttons->offerPrint(false);\n", ""),
    ("F36", "resume leaves the focus elsewhere", "window/lessonwindow.cpp", "        m_lists->focusWaitingList(fromKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);\n", ""),
    ("F37", "guided start keeps the frames full", "pages/pages.cpp", "setMiddleHeight(Frames::kShortHeight)", "setMiddleHeight(Frames::kFullHeight)"),
    ("F38", "one copy too few", "print/printing.cpp", "int copy = 1;", "int copy = 2;"),
    ("F39", "a cancelled dialog prints a page", "print/printing.cpp", "    if (dialog.exec() != QDialog::Accepted)\n        return;", "    dialog.exec();"),
    ("F40", "printed at 90 % of true scale", "print/printing.cpp", "{1.0, printable.width()", "{0.9, printable.width()"),
    ("F41", "radius lists hold 1 to 4", "window/controls.cpp", "QStringLiteral(\" r1\"), 1, 5, true", "QStringLiteral(\" r1\"), 1, 4, true"),
    ("F42", "distance list holds 0 to 11", "window/controls.cpp", "QStringLiteral(\"PQ\"), 0, 12, false", "QStringLiteral(\"PQ\"), 0, 11, false"),
    ("F43", "highlighted box keeps its height", "rules/ruleboard.cpp", "    design::setHeight(box, kHighlightHeight);\n", ""),
    ("F44", "highlighted box without tooltip", "rules/ruleboard.cpp", "    box->setToolTip(m_note->toPlainText());\n", ""),
    ("F45", "Home does not end the lesson", "window/lessonwindow.cpp", "connect(c.buttons.home, &QAbstractButton::clicked, this, &QWidget::close);", "connect(c.buttons.home, &QAbstractButton::clicked, this, &QWidget::raise);"),
    ("F46", "Back leaves the figure", "window/lessonwindow.cpp", "    m_controls.figure->hide();\n", ""),
    ("F47", "a double-click on a button is two clicks", "platform/labelbutton.h", "override { event->accept(); }", "override { QAbstractButton::mouseDoubleClickEvent(event); }"),
    ("F48", "a typed value never counts", "platform/choicelist.cpp", "    if (!lineEdit()->isModified())\n        return;", "    return;"),
    ("F49", "typed text taken by Back", "window/lessonwindow.cpp", "    // Before the focus moves, which would commit it.\n    m_lists->dropTyping();\n", ""),
    ("F50", "an out-of-range number is taken", "platform/choicelist.cpp", "value < m_first || value > m_last || ", "value < m_first - 1 || value > m_last + 1 || "),
    ("F51", "Enter does not press a button", "platform/labelbutton.cpp", "        return click();", "        return;"),
    ("F52", "keyboard Next leaves the focus on Back", "window/lessonwindow.cpp", "            m_lists->focusWaitingList(Qt::TabFocusReason);", "            ;"),
    ("F53", "the lists lose their names to a screen reader", "window/accessibility.cpp", 'Accessibility::tr("Radius r1")', 'Accessibility::tr("r1")'),
    ("F54", "the rule that holds carries no state", "window/accessibility.cpp", "            state.selected = holds.toBool();", "            state.selected = false;"),
    ("F55", "hidden controls read out", "window/accessibility.cpp", "child->isWindow() || child->isHidden() ||", "child->isWindow() ||"),
    ("F56", "the figure described with the wrong rule", "figure/figure.cpp", ".arg(tr(kRelations[choice.rule() - 1]))", ".arg(tr(kRelations[choice.rule() % 5]))"),
    ("F57", "the title bar shows the display name", "app/launch.cpp", "    QApplication::setApplicationName(QStringLiteral(\"two-circles\"));", "    QApplication::setApplicationName(QStringLiteral(\"two-circles\"));\n    QApplication::setApplicationDisplayName(QStringLiteral(\"Two Circles\"));"),
    ("F58", "a small screen cuts the window off", "window/lessonwindow.cpp", "                        available.size() - design::kFrame));", "                        QSize(1 << 20, 1 << 20)));"),
    ("F59", "the message line red instead of blue", "window/controls.cpp", "paleGreen, Hidden, colours::kBlue);", "paleGreen, Hidden, colours::kRed);"),
    ("F60", "the bold note stays on the practice page", "rules/ruleboard.cpp", "    m_note->hide();\n", ""),
    ("F61", "subscript digits half as low as designed", "platform/richtext.cpp", "100.0 * format.intProperty(kDesignOffset)", "50.0 * format.intProperty(kDesignOffset)"),
    ("F62", "the prompts are not centred", "pages/pages.cpp", "centredWithSubscripts ? Qt::AlignHCenter : Qt::AlignLeft", "Qt::AlignLeft"),
    ("F63", "nothing blinks in real time", "cues/blinkingcue.cpp", "    if (!m_first.isActive())\n        m_first.start();", "    if (false)\n        m_first.start();"),
    ("F64", "a mouse pupil sees a focus ring", "platform/labelbutton.cpp", "if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))", "if (hasFocus())"),
    ("F65", "a second printed copy lands shifted", "print/printing.cpp", "    painter.restore();\n", ""),
    ("F66", "an earlier figure stays on the screen", "figure/figure.cpp", "    m_drawn = QImage();\n", ""),
    ("F67", "a new radius leaves the old circles described", "figure/figure.cpp", "    setAccessibleName(tr(", "    if (accessibleName().isEmpty())\n    setAccessibleName(tr("),
    ("F68", "the caption PQ stays hidden on the resume", "lists/choicelists.cpp", "    m_widgets.distanceCaption->setVisible(m_widgets.distance->value().has_value());\n", ""),
    ("F69", "the frames in front of the controls", "window/controls.cpp", "    c.helpArrow = new HelpArrow(w);", "    c.helpArrow = new HelpArrow(w);\n    c.pages.frames->raise();"),
    ("F70", "Next taken while red stops its cue", "cues/blinkingcue.cpp", "    m_second.stop();\n    start();", "    m_second.stop();"),
    ("F71", "radii chosen before Back ask for r1 again", "window/lessonwindow.cpp", "m_pages->showGuidedStart(choice.r1 && choice.r2);", "m_pages->showGuidedStart(false);"),
    ("F72", "the waiting list flickers blue", "window/lessonwindow.cpp", "second ? colours::kCyan : colours::kMagenta", "second ? colours::kBlue : colours::kMagenta"),
    ("F73", "the help arrow's hint dark blue", "cues/helparrow.cpp", "colours::fromBgr(0x00C000C0)", "colours::fromBgr(0x00C00000)"),
    ("F74", "the caption r1's digit sits lower", "window/controls.cpp", "\"r1Digit\", {12015, 885, 90, 165}", "\"r1Digit\", {12015, 945, 90, 165}"),
    ("F75", "Back, Home and Print stay blue under the pointer", "buttons/lessonbuttons.cpp", "[button] { button->setTextColour(colours::kRed); }", "[button] { button->setTextColour(colours::kBlue); }"),
    ("F76", "the printed window not centred", "print/printing.cpp", "    placed.moveCenter(printable.center());\n", ""),
    ("F77", "the heading not underlined", "window/controls.cpp", "font(\"Times New Roman\", 20.25, true, true, true)", "font(\"Times New Roman\", 20.25, true, true, false)"),
    ("F78", "a failed print says nothing", "print/printing.cpp", "    if (printed)\n        return;", "    if (true)\n        return;"),
    ("F79", "the practice page announced in English in every language", "window/accessibility.cpp", 'Accessibility::tr("The practice page.")', 'QStringLiteral("The practice page.")'),
    ("F80", "the rules in English in every language", "rules/ruleboard.cpp", "richtext::write(box, tr(kRules[k]));", "richtext::write(box, QString::fromUtf8(kRules[k]));"),
    ("F81", "the system's LANGUAGE ignored", "app/language.cpp", 'const QString list = qEnvironmentVariable("LANGUAGE");', "const QString list;"),
    ("F82", "the print dialog in English in every language", "app/language.cpp", "        QCoreApplication::installTranslator(qt);", "        delete qt;"),
    ("F83", "a German rule loses its lowered formula", "translations/two-circles_de.ts", "Wenn | r1 - r2 | &lt; PQ &lt; r1 + r2,", "Wenn |r1 - r2| &lt; PQ &lt; r1 + r2,"),
    ("F84", "type zoomed as it comes, texts cut at some steps", "platform/design.cpp", "return std::max(1.0, std::floor(designed * view.zoom + 1e-6)) / pixelsPerPoint;", "return points * view.zoom;"),
    ("F85", "F11 does nothing", "window/lessonwindow.cpp", "shortcut(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });", "shortcut(QKeySequence(Qt::Key_F11), [] {});"),
    ("F86", "Escape leaves full screen over a typed value", "platform/choicelist.cpp", "    if (event->key() == Qt::Key_Escape && lineEdit()->isModified()) {", "    if (event->key() == Qt::Key_Escape && lineEdit()->isModified() && false) {"),
    ("F87", "printed zoomed, not at true scale", "print/printing.cpp", "resolution / (design::kTwipsPerInch * design::pixelsPerTwip())", "resolution / (design::kTwipsPerInch * design::pixelsPerTwip() / design::view.zoom)"),
    ("F88", "full screen not centred", "window/lessonwindow.cpp", "origin = QPoint(room.width() / 2, room.height() / 2);", "origin = QPoint();"),
    ("F89", "the window back from full screen with its title bar off the screen", "window/lessonwindow.cpp", "        return windowHandle()->setFramePosition(m_windowFrame);", "        return;"),
    ("F90", "a new distance not told to a screen reader", "window/accessibility.cpp", "    QObject::connect(lists, &ChoiceLists::distanceChosen, announcer, outcome);\n", ""),
    ("F91", "a rule's words not where a screen reader reviews them", "window/accessibility.cpp", "return QRect(box()->viewport()->mapToGlobal(caret.topLeft()),", "return QRect(caret.topLeft(),"),
    ("F92", "without a session bus the lesson starts one, left running", "app/launch.cpp", 'QByteArray address("disabled:");', 'QByteArray address("autolaunch:");'),
    ("F93", "QT_SCALE_FACTOR=100 taken, the lesson takes gigabytes", "app/launch.cpp", "kLargestScaleFactor = 8;", "kLargestScaleFactor = 1000;"),
    ("F94", "a screen reader reads the page in the order the controls were made", "window/accessibility.cpp", "        std::ranges::stable_sort(children, {},\n                                 [](const QWidget *w) { return std::pair(w->y(), w->x()); });\n", ""),
]

def run(build, fault):
    fid, what, path, old, new = fault
    full = os.path.join(ROOT, path)
    original = open(full).read()
    if original.count(old) != 1:
        return fid, what, "NOT PLANTED (text not found once)"
    try:
        open(full, "w").write(original.replace(old, new))
        b = subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True, text=True)
        if b.returncode != 0:
            return fid, what, "DOES NOT BUILD"
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        # The tests without a display first; the desktop checks only when those catch nothing.
        for which in (["-LE", "desktop"], ["-L", "desktop"]):
            t = subprocess.run(["ctest", "-E", "^package$", *which, "-j2", "--timeout", "180",
                                "--stop-on-failure"],
                               cwd=build, capture_output=True, text=True, env=env)
            failed = re.findall(r"\d+ - (\S+) \(", t.stdout)
            if failed:
                return fid, what, ", ".join(failed)
        return fid, what, "NOT CAUGHT"
    finally:
        open(full, "w").write(original)

def main():
    args = sys.argv[1:]
    build = os.path.abspath(args.pop(0) if args and not args[0].startswith("F") else os.path.join(ROOT, "build"))
    chosen = [f for f in FAULTS if not args or f[0] in args]
    # A fault counts as caught only against a suite that passes without it.
    clean = run(build, ("--", "nothing planted", "CMakeLists.txt", "project(", "project("))
    if clean[2] != "NOT CAUGHT":
        print(f"the suite fails with nothing planted: {clean[2]}")
        return 2
    missed = 0
    for fault in chosen:
        fid, what, result = run(build, fault)
        missed += result.startswith("NOT") or result.startswith("DOES")
        print(f"{fid}  {what:55}  {result}", flush=True)
    subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True)
    print(f"{len(chosen) - missed} of {len(chosen)} faults caught")
    return 1 if missed else 0

if __name__ == "__main__":
    sys.exit(main())
