#!/usr/bin/python3
"""On a screen too small for it the window is scaled down as a whole until it fits with its title
bar: the whole window, frame and title bar included, lies on the screen, its proportions are
kept, its texts are drawn, and its controls answer where they are drawn (Home, clicked at its
scaled place, ends the lesson). A window manager frames it, as on a pupil's desktop."""

import desktop
from desktop import DESIGN, MOST_BLACK, Session, check

FRAME = 36  # what the program leaves for a title bar and borders, in its own pixels


def test(program):
    # A small laptop screen, an old 640 x 480 one, a 1366 x 768 one at 125 % (Xft.dpi 120, or
    # QT_FONT_DPI 120), where Qt's pixels are 1.25 device pixels each; and a large screen at
    # scale factors that leave the window just short of its height, or at half its size.
    for (screen_w, screen_h), settings in (((1024, 600), {}), ((640, 480), {}),
                                           ((1366, 768), {"QT_FONT_DPI": "120"}),
                                           ((1600, 1200), {"QT_SCALE_FACTOR": "1.5"}),
                                           ((1600, 1200), {"QT_SCALE_FACTOR": "3"})):
        name = f"{screen_w} x {screen_h} {settings}"
        factor = float(settings.get("QT_SCALE_FACTOR", 1))
        with Session() as session:
            display = session.xvfb(screen_w, screen_h)
            session.window_manager(display)
            lesson, window = desktop.start_lesson(session, display, program, **settings)
            _, _, width, height = desktop.geometry(display, window)
            # The window manager may move the window once it has framed it.
            seen = []

            def on_screen():
                seen[:] = desktop.frame(display, window)
                fx, fy, fw, fh = seen
                return fx >= 0 and fy >= 0 and fx + fw <= screen_w and fy + fh <= screen_h
            try:
                desktop.wait_for("the framed window to lie on the screen", on_screen, 3)
            except desktop.Failure:
                raise desktop.Failure(f"{name}: the framed window at {seen[0]},{seen[1]} size "
                                      f"{seen[2]} x {seen[3]} leaves the screen")
            check(seen[3] > height, f"{name}: no title bar above the window: {seen}")
            # Not smaller than needed: the height the screen allows, less some 7 % at most.
            check(height >= 0.93 * (screen_h - FRAME * factor),
                  f"{name}: the window is smaller than the screen needs: {width} x {height}")
            check(abs(width / DESIGN[0] - height / DESIGN[1]) < 0.005,
                  f"{name}: the window lost its proportions: {width} x {height}")
            black = desktop.black_share(display, window)
            check(black < MOST_BLACK, f"{name}: {black:.1%} of the window is black")
            status = desktop.end_with_home(display, window, lesson, width / DESIGN[0])
            check(status == 0, f"{name}: the lesson ended with status {status}")


desktop.main(test)
