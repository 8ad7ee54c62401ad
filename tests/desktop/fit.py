#!/usr/bin/python3
"""The window fits the pupil's screen, under a window manager as on a pupil's desktop. On a screen
too small for it, or at a scale factor below 1, the lesson opens zoomed down as a whole: the
framed window lies on the screen, keeps its proportions, draws its texts as text (Qt 6.4 itself
draws them as black bars at factors below 1) and answers where it is drawn (Home ends the
lesson). F11 fills the screen with it, at every scale, and Escape gives the window back."""

import re

import desktop
from desktop import DESIGN, MOST_BLACK, Session, check

FRAME = 36  # what the program leaves for a title bar and borders, in its own pixels


def framed(display, window):
    """The window with the frame its window manager put round it, once there is one: (x, y,
    width, height) on the screen, in pixels."""
    extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                        desktop.x(display, "xprop", "-id", window, "_NET_FRAME_EXTENTS"))
    if extents:
        left, right, top, bottom = map(int, extents.groups())
        x, y, width, height = desktop.geometry(display, window)
        return [x - left, y - top, width + left + right, height + top + bottom]


def fitted(program, screen_w, screen_h, settings):
    name = f"{screen_w} x {screen_h} {settings}"
    factor = float(settings.get("QT_SCALE_FACTOR", 1))
    with Session() as session:
        display = session.xvfb(screen_w, screen_h)
        session.window_manager(display)
        lesson, window = desktop.start_lesson(session, display, program, **settings)
        _, _, width, height = desktop.geometry(display, window)
        seen = []

        def on_screen():  # the window manager may move the window once it has framed it
            seen[:] = framed(display, window) or []
            return seen and seen[0] >= 0 and seen[1] >= 0 and seen[0] + seen[2] <= screen_w \
                and seen[1] + seen[3] <= screen_h
        desktop.wait_for(lambda: f"{name}: the framed window (x, y, width, height) {seen} does "
                         "not lie on the screen", on_screen, 3)
        check(seen[3] > height, f"{name}: no title bar above the window: {seen}")
        # As large as the screen and the factor allow, less a few hundredths where a text would
        # not fit its box; never larger than designed, nor smaller than half.
        room = max(0.5, min(1.0, factor,
                            (screen_h - FRAME * max(factor, 1)) / DESIGN[1] / max(factor, 1)))
        shrink = width / DESIGN[0] / max(factor, 1)
        check(room - 0.05 <= shrink <= room + 0.002,
              f"{name}: the window is {width} x {height}, zoomed {shrink:.3f} for {room:.3f}")
        check(abs(width / DESIGN[0] - height / DESIGN[1]) < 0.005,
              f"{name}: the window lost its proportions: {width} x {height}")
        black = desktop.black_share(display, window)
        check(black < MOST_BLACK, f"{name}: {black:.1%} of the window is black")
        # F11 fills the screen with the lesson, painted whole (no black left where the window
        # grew); Escape gives the window back where it was (at factor 1.5 a pixel narrower: Qt
        # rounds).
        before = seen[:]
        desktop.x(display, "xdotool", "windowactivate", "--sync", window, "key", "F11")
        desktop.wait_for(f"{name}: the lesson to fill the screen", lambda: desktop.geometry(
            display, window) == (0, 0, screen_w, screen_h))
        desktop.wait_for(f"{name}: the full screen painted",
                         lambda: desktop.black_share(display, window) < MOST_BLACK)
        desktop.x(display, "xdotool", "key", "Escape")

        def back():
            seen[:] = framed(display, window) or []
            return seen[:2] == before[:2] and abs(seen[2] - before[2]) <= 1 and \
                seen[3] == before[3]
        desktop.wait_for(lambda: f"{name}: the framed window {seen} is not back as it was, "
                         f"{before}", back)
        status = desktop.end_with_home(display, window, lesson, width / DESIGN[0])
        check(status == 0, f"{name}: the lesson ended with status {status}")


def test(program):
    # A small laptop screen, a 1366 x 768 one at 125 % (Xft.dpi 120, or QT_FONT_DPI 120), where
    # Qt's pixels are 1.25 device pixels each; a large screen at scale factors that leave the
    # window just short of its height, or at half its size; and the desktop's own factors below
    # 1 on a screen that holds the window. (At 1 it opens at its designed size: see starts.py.)
    for (screen_w, screen_h), settings in (((1024, 600), {}),
                                           ((1366, 768), {"QT_FONT_DPI": "120"}),
                                           ((1600, 1200), {"QT_SCALE_FACTOR": "1.5"}),
                                           ((1600, 1200), {"QT_SCALE_FACTOR": "3"}),
                                           ((1280, 1024), {"QT_SCALE_FACTOR": "0.9"}),
                                           ((1280, 1024), {"QT_SCALE_FACTOR": "0.5"})):
        fitted(program, screen_w, screen_h, settings)


desktop.main(test)
