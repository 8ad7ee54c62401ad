#!/usr/bin/python3
"""The lesson's window on a pupil's desktop, started as desktops start it and as they do not
prepare for. Framed, it lies on the screen, zoomed down as a whole where screen or scale factor is
small, in proportion, texts drawn as text; titled with the caption (WM_NAME, UTF-8 _NET_WM_NAME);
F11 fills the screen, Escape gives the window back where it was; Home where drawn ends it with
status 0. It says nothing but its line refusing a factor and leaves nothing running (dbus-launch)
nor a ~/.dbus. With no usable display it says so in one line, with the cause and a way out."""

import os
import re
import subprocess
import tempfile

import desktop
from desktop import Session, check, clean_environment

CAPTION = "Chapter 4:  Relative Positions of Two Circles in a Plane."
DESIGN = (1018, 736)  # the client area at 96 dpi
HOME = (968, 15)  # the centre of Home in the designed client area
FRAME = 36  # what the program leaves for a title bar and borders, in its own pixels
BACKGROUND = (0xD5, 0xFF, 0xDC)  # the window's pale green
# Text is thin: even the most crowded page has under 2 % black pixels. Qt 6.4 at a scale factor
# below 1 draws rich text as black bars, over 10 % of the window.
MOST_BLACK = 0.04
REFUSAL = "two-circles: QT_SCALE_FACTOR is no positive number; it is ignored\n"
# The screen, the desktop's settings, how standard streams are redirected, what it says. At the
# designed size: without a session bus; streams closed (Qt warns on standard error without
# XDG_RUNTIME_DIR: with descriptor 2 closed the warning went into the X connection, and no window
# came); a scale factor Qt would hang on. Zoomed down: a small laptop; 1366 x 768 at 125 %; a large
# screen at factors that leave the window just short of its height or at half; factors below 1.
CASES = [((1280, 1024), {"DBUS_SESSION_BUS_ADDRESS": None}, "", ""),
         ((1280, 1024), {"XDG_RUNTIME_DIR": None}, "2>&-", ""),
         ((1280, 1024), {"XDG_RUNTIME_DIR": None}, "<&- >&- 2>&-", ""),
         ((1280, 1024), {"QT_SCALE_FACTOR": "0"}, "", REFUSAL),
         ((1024, 600), {}, "", ""),
         ((1366, 768), {"QT_FONT_DPI": "120"}, "", ""),
         ((1600, 1200), {"QT_SCALE_FACTOR": "1.5"}, "", ""),
         ((1600, 1200), {"QT_SCALE_FACTOR": "3"}, "", ""),
         ((1280, 1024), {"QT_SCALE_FACTOR": "0.9"}, "", ""),
         ((1280, 1024), {"QT_SCALE_FACTOR": "0.5"}, "", "")]


def geometry(display, window):
    """The window's position on the screen and its size, in pixels: (x, y, width, height)."""
    info = desktop.x(display, "xwininfo", "-id", window)
    return [int(re.search(key + r":\s*(-?\d+)", info)[1]) for key in (
        "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]


def framed(display, window, wanted, fault):
    """Waits until the window with the frame its window manager put round it, (x, y, width,
    height) on the screen, is as wanted (the manager may move it once it has framed it)."""
    seen = []

    def probe():
        extents = desktop.x(display, "xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")
        if extents[2]:
            left, right, top, bottom = map(int, extents[2].split(","))
            x, y, width, height = geometry(display, window)
            seen[:] = [x - left, y - top, width + left + right, height + top + bottom]
            return wanted(*seen) and seen
    return desktop.wait_for(lambda: f"{fault}; framed it is (x, y, width, height) {seen}", probe)


def black_share(display, window):
    """The share of black pixels in the window, once Qt has painted it (a good part shows the
    background)."""
    from PIL import ImageGrab

    def painted():
        x, y, width, height = geometry(display, window)
        shot = ImageGrab.grab((x, y, x + width, y + height), xdisplay=display)
        share = {colour: n / width / height for n, colour in shot.getcolors(width * height)}
        return share.get(BACKGROUND, 0) > 0.25 and share
    return desktop.wait_for("the window to be painted", painted).get((0, 0, 0), 0)


def opened(program, home, screen, settings, redirect, said):
    name = f"{screen} {settings} {redirect}"
    factor = float(settings.get("QT_SCALE_FACTOR", 1)) or 1  # 0 is refused
    with Session() as session:
        display = session.display(*screen)
        lesson, window = desktop.start_lesson(session, display, "sh", "-c",
                                              f'exec "$0" {redirect}', program, HOME=home,
                                              stderr=subprocess.PIPE, **settings)
        _, _, width, height = geometry(display, window)
        frame = framed(display, window, lambda x, y, w, h: x >= 0 and y >= 0 and x + w <= screen[0]
                       and y + h <= screen[1], f"{name}: the window is not on the screen")
        check(frame[3] > height, f"{name}: no title bar above the window: {frame}")
        # As large as the screen and the factor allow, less a few hundredths where a text would
        # not fit its box; never larger than designed, nor smaller than half; exactly as designed
        # where the screen holds it.
        room = max(0.5, min(1.0, factor,
                            (screen[1] - FRAME * max(factor, 1)) / DESIGN[1] / max(factor, 1)))
        shrink = width / DESIGN[0] / max(factor, 1)
        check(room - 0.05 * (room < 1) <= shrink <= room + 0.002 * (room < 1),
              f"{name}: the window is {width} x {height}, zoomed {shrink:.3f} for {room:.3f}")
        check(abs(width / DESIGN[0] - height / DESIGN[1]) < 0.005,
              f"{name}: the window lost its proportions: {width} x {height}")

        titles = desktop.x(display, "xprop", "-notype", "-id", window, "WM_NAME", "_NET_WM_NAME")
        check(titles == f'WM_NAME = "{CAPTION}"\n_NET_WM_NAME = "{CAPTION}"\n',
              f"{name}: the titles read {titles!r}")
        black = black_share(display, window)
        check(black < MOST_BLACK, f"{name}: {black:.1%} of the window is black")
        # F11 fills the screen with the lesson, painted whole (no black left where the window
        # grew); Escape gives the window back where it was (at factor 1.5 a pixel narrower: Qt
        # rounds).
        desktop.x(display, "xdotool", "windowactivate", "--sync", window, "key", "F11")
        desktop.wait_for(f"{name}: the lesson to fill the screen",
                         lambda: geometry(display, window) == [0, 0, *screen])
        desktop.wait_for(f"{name}: the full screen painted",
                         lambda: black_share(display, window) < MOST_BLACK)
        desktop.x(display, "xdotool", "key", "Escape")

        framed(display, window, lambda x, y, w, h: [x, y, h] == frame[:2] + frame[3:] and
               abs(w - frame[2]) <= 1, f"{name}: the window is not back at {frame}")
        at = [str(round(c * width / DESIGN[0])) for c in HOME]
        desktop.x(display, "xdotool", "mousemove", "--window", window, *at, "click", "1")
        desktop.wait_for(f"{name}: Home at {at} to end the lesson",
                         lambda: lesson.poll() is not None)
        told = lesson.stderr.read().decode()
        check((lesson.returncode, told) == (0, said),
              f"{name}: the lesson ended with status {lesson.returncode}, saying {told!r}")
        # What a start without a session bus may have started for the lesson (it has ended).
        left = desktop.end_processes(HOME=home)
        check(not left, f"{name}: the lesson left processes running: {left}")


def test(program):
    with tempfile.TemporaryDirectory(prefix="two-circles-home-") as home:
        for case in CASES:
            opened(program, home, *case)
        check(not os.path.exists(os.path.join(home, ".dbus")), "the lesson created ~/.dbus")
    for settings, reason in (({}, "DISPLAY is not set"),
                             ({"DISPLAY": "!!bad"}, 'cannot open display "!!bad"'),
                             ({"QT_QPA_PLATFORM": "xcb"}, "DISPLAY is not set"),
                             ({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-9"},
                              'the Qt platform "wayland" could not start')):
        result = subprocess.run([program], env=clean_environment(**settings), capture_output=True,
                                text=True, timeout=desktop.TIMEOUT)
        said = (f"two-circles: no display found ({reason}); run it on a desktop, or on a "
                f"virtual one with: xvfb-run -a {program}\n")
        check((result.returncode, result.stderr, result.stdout) == (1, said, ""),
              f"{settings}: exit status {result.returncode}, said {result.stderr!r} "
              f"{result.stdout!r}")


desktop.main(test)
