#!/usr/bin/python3
"""Scale factors below 1 draw the whole window smaller, with every text and control: the window
shrinks by about the factor, keeps its proportions, and its texts are drawn as text (Qt 6.4
itself draws them as black bars at such factors). At factor 1 on a screen that holds the window,
nothing changes: the designed size, and no restart with another font DPI."""

import desktop
from desktop import DESIGN, MOST_BLACK, Session, check


def run(session, display, program, scale):
    settings = {} if scale is None else {"QT_SCALE_FACTOR": str(scale)}
    lesson, window = desktop.start_lesson(session, display, program, **settings)
    _, _, width, height = desktop.geometry(display, window)
    black = desktop.black_share(display, window)
    # The font DPI the program restarted itself with, if it did.
    font_dpi = next((entry[len(b"QT_FONT_DPI="):].decode()
                     for entry in desktop.environment_of(lesson.pid)
                     if entry.startswith(b"QT_FONT_DPI=")), None)
    lesson.terminate()
    lesson.wait(timeout=desktop.TIMEOUT)
    return width, height, black, font_dpi


def test(program):
    with Session() as session:
        display = session.xvfb(1280, 1024)

        width, height, black, font_dpi = run(session, display, program, None)
        check((width, height) == DESIGN, f"at factor 1 the window is {width} x {height}")
        check(font_dpi is None, f"at factor 1 the program restarted with QT_FONT_DPI={font_dpi}")
        check(black < MOST_BLACK, f"at factor 1, {black:.1%} of the window is black")

        for scale in (0.9, 0.75, 0.5):
            width, height, black, _ = run(session, display, program, scale)
            shrink = width / DESIGN[0]
            # The DPI is whole and chosen so that no text is cut: up to some 7 % smaller.
            check(scale - 0.07 <= shrink <= scale + 0.002,
                  f"at factor {scale} the window is {width} x {height}")
            check(abs(height / DESIGN[1] - shrink) < 0.005,
                  f"at factor {scale} the window lost its proportions: {width} x {height}")
            check(black < MOST_BLACK,
                  f"at factor {scale}, {black:.1%} of the window is black: texts drawn as bars")


desktop.main(test)
