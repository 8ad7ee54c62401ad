#!/usr/bin/python3
"""Starts a desktop does not prepare for still show the whole window, and Home ends them: standard
streams closed (as "two-circles 2>&-" leaves them) while Qt has a warning to give, and a scale
factor Qt would hang or crash on, which the lesson refuses in one line on standard error."""

import subprocess

import desktop
from desktop import DESIGN, Session, check, clean_environment


def test(program):
    with Session() as session:
        display = session.xvfb(1280, 1024)
        # Without XDG_RUNTIME_DIR Qt warns on standard error; with descriptor 2 closed the X
        # connection took its number, the warning went into it, and no window came.
        for closed in ("2>&-", "<&- >&- 2>&-"):
            lesson = session.start(["sh", "-c", f'exec "$0" {closed}', program],
                                   env=clean_environment(DISPLAY=display, XDG_RUNTIME_DIR=None,
                                                         DBUS_SESSION_BUS_ADDRESS="disabled:"))
            window = desktop.lesson_window(display, lesson.pid)
            status = desktop.end_with_home(display, window, lesson)
            check(status == 0, f"closed {closed}: the lesson ended with status {status}")

        for factor in ("0", "-1"):
            lesson = session.start([program], stderr=subprocess.PIPE, text=True,
                                   env=clean_environment(DISPLAY=display, QT_SCALE_FACTOR=factor,
                                                         DBUS_SESSION_BUS_ADDRESS="disabled:"))
            window = desktop.lesson_window(display, lesson.pid)
            _, _, width, height = desktop.geometry(display, window)
            check((width, height) == DESIGN, f"at factor {factor} the window is {width} x {height}")
            status = desktop.end_with_home(display, window, lesson)
            said = lesson.stderr.read()
            check(status == 0, f"at factor {factor} the lesson ended with status {status}: {said}")
            check(said == "two-circles: QT_SCALE_FACTOR is no positive number; it is ignored\n",
                  f"at factor {factor} the lesson said {said!r}")


desktop.main(test)
