#!/usr/bin/python3
"""Started without a session bus, the lesson leaves nothing behind: no dbus-launch or dbus-daemon
started on its behalf outlives it, and no ~/.dbus folder appears in a fresh home folder. The
lesson is ended as a pupil ends it, with Home, and ends with status 0."""

import os
import shutil
import tempfile

import desktop
from desktop import Session, check


def test(program):
    # libdbus autolaunches with dbus-launch; where it is missing nothing could be left behind, and
    # this check would prove nothing.
    check(shutil.which("dbus-launch"), "this test needs dbus-launch (Debian package dbus-x11)")
    home = tempfile.mkdtemp(prefix="two-circles-home-")
    # Processes started for a program run with this home folder (the lesson's ended).
    left = lambda: desktop.processes_with(f"HOME={home}")  # noqa: E731
    try:
        with Session() as session:
            display = session.xvfb(1280, 1024)
            lesson, window = desktop.start_lesson(session, display, program, HOME=home,
                                                  DBUS_SESSION_BUS_ADDRESS=None)
            status = desktop.end_with_home(display, window, lesson)
            check(status == 0, f"the lesson ended with status {status}")
            check(not left(), f"the lesson left processes running: {left()}")
        check(not os.path.exists(os.path.join(home, ".dbus")), "the lesson created ~/.dbus")
    finally:
        desktop.end_processes(left)  # whatever a failing run left behind was started for it
        shutil.rmtree(home, ignore_errors=True)


desktop.main(test)
