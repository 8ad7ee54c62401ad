#!/usr/bin/python3
"""On a screen too small for it the window is scaled down as a whole until it fits with its title
bar: every part of it lies on the screen, its proportions are kept, its texts are drawn, and its
controls answer where they are drawn (Home, clicked at its scaled place, ends the lesson)."""

import desktop
from desktop import DESIGN, MOST_BLACK, Session, check

TITLE_BAR = 30  # what a window manager's title bar takes at least, in device pixels
FRAME = 36  # what the program leaves for it, in its own pixels


def test(program):
    # A small laptop screen; and a 1366 x 768 one at 125 % (Xft.dpi 120, or QT_FONT_DPI 120),
    # where Qt's pixels are 1.25 device pixels each.
    for (screen_w, screen_h), settings in (((1024, 600), {}),
                                           ((1366, 768), {"QT_FONT_DPI": "120"})):
        name = f"{screen_w} x {screen_h} {settings}"
        with Session() as session:
            display = session.xvfb(screen_w, screen_h)
            lesson, window = desktop.start_lesson(session, display, program, **settings)
            x, y, width, height = desktop.geometry(display, window)
            check(x >= 0 and y >= 0 and x + width <= screen_w and y + height <= screen_h,
                  f"{name}: the window at {x},{y} size {width} x {height} leaves the screen")
            check(height + TITLE_BAR <= screen_h,
                  f"{name}: {height} px leave no room for a title bar")
            # Not smaller than needed: the height the screen allows, less some 7 % at most.
            check(height >= 0.93 * (screen_h - FRAME),
                  f"{name}: the window is smaller than the screen needs: {width} x {height}")
            check(abs(width / DESIGN[0] - height / DESIGN[1]) < 0.005,
                  f"{name}: the window lost its proportions: {width} x {height}")
            black = desktop.black_share(display, window)
            check(black < MOST_BLACK, f"{name}: {black:.1%} of the window is black")
            status = desktop.end_with_home(display, window, lesson, width / DESIGN[0])
            check(status == 0, f"{name}: the lesson ended with status {status}")


desktop.main(test)
