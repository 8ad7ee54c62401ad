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
        cases = [(f"closed {c}", ["sh", "-c", f'exec "$0" {c}'], {"XDG_RUNTIME_DIR": None}, "")
                 for c in ("2>&-", "<&- >&- 2>&-")]
        cases += [(f"at factor {f}", [], {"QT_SCALE_FACTOR": f},
                   "two-circles: QT_SCALE_FACTOR is no positive number; it is ignored\n")
                  for f in ("0", "-1")]
        for how, args, settings, refusal in cases:
            lesson = session.start(args + [program], stderr=subprocess.PIPE, text=True,
                                   env=clean_environment(DISPLAY=display, **settings,
                                                         DBUS_SESSION_BUS_ADDRESS="disabled:"))
            window = desktop.lesson_window(display, lesson.pid)
            size = desktop.geometry(display, window)[2:]
            check(size == DESIGN, f"{how} the window is {size}")
            status = desktop.end_with_home(display, window, lesson)
            said = lesson.stderr.read()
            check(status == 0, f"{how} the lesson ended with status {status}: {said}")
            check(said == refusal, f"{how} the lesson said {said!r}")


desktop.main(test)
