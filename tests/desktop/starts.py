#!/usr/bin/python3
"""The lesson started as desktops start it and as they do not prepare for: without a session bus,
with standard streams closed (as "two-circles 2>&-" leaves them), at a scale factor Qt would hang
on. Each shows its whole window, titled with the caption exactly (WM_NAME and the UTF-8
_NET_WM_NAME), Home ends it with status 0, and it says nothing but its line refusing the factor;
nothing started for it outlives it (dbus-launch), no ~/.dbus appears. With no usable display it
says so in its own line, with the cause and a way out, exit status 1, and nothing else."""

import os
import re
import subprocess
import tempfile

import desktop
from desktop import CAPTION, DESIGN, Session, check, clean_environment


def started(session, display, program, how, wrapper, settings, refusal):
    lesson, window = desktop.start_lesson(session, display, *wrapper, program,
                                          stderr=subprocess.PIPE, **settings)
    size = desktop.geometry(display, window)[2:]
    check(size == DESIGN, f"{how}: the window is {size}")

    def titles():  # xprop prints NAME = "text", quotes and backslashes escaped inside
        out = desktop.x(display, "xprop", "-notype", "-id", window, "WM_NAME", "_NET_WM_NAME")
        return len(found := dict(re.findall(r'^(\w+) = "(.*)"$', out, re.M))) == 2 and found
    for name, title in desktop.wait_for("the title properties", titles).items():
        title = re.sub(r"\\(.)", r"\1", title)
        check(title == CAPTION, f"{how}: {name} reads {title!r}, not {CAPTION!r}")
    status = desktop.end_with_home(display, window, lesson)
    said = lesson.stderr.read().decode()
    check(status == 0, f"{how}: the lesson ended with status {status}: {said}")
    check(said == refusal, f"{how}: the lesson said {said!r}")


def test(program):
    with tempfile.TemporaryDirectory(prefix="two-circles-home-") as home:
        cases = [("without a session bus", [], dict(HOME=home, DBUS_SESSION_BUS_ADDRESS=None), ""),
                 ("at factor 0", [], {"QT_SCALE_FACTOR": "0"},
                  "two-circles: QT_SCALE_FACTOR is no positive number; it is ignored\n")]
        # Without XDG_RUNTIME_DIR Qt warns on standard error; with descriptor 2 closed the X
        # connection took its number, the warning went into it, and no window came.
        cases += [(f"closed {c}", ["sh", "-c", f'exec "$0" {c}'], {"XDG_RUNTIME_DIR": None}, "")
                  for c in ("2>&-", "<&- >&- 2>&-")]
        try:
            with Session() as session:
                display = session.xvfb(1280, 1024)
                for how, wrapper, settings, refusal in cases:
                    started(session, display, program, how, wrapper, settings, refusal)
                # Processes started for a program run with this home folder (the lesson's ended).
                left = desktop.end_processes(f"HOME={home}")
            check(not left, f"the lesson left processes running: {left}")
            check(not os.path.exists(os.path.join(home, ".dbus")), "the lesson created ~/.dbus")
        finally:
            desktop.end_processes(f"HOME={home}")  # what a failing run left behind
    for name, settings, reason in (
            ("no DISPLAY", {}, "DISPLAY is not set"),
            ("malformed DISPLAY", {"DISPLAY": "!!bad"}, 'cannot open display "!!bad"'),
            ("X11 asked for, no DISPLAY", {"QT_QPA_PLATFORM": "xcb"}, "DISPLAY is not set"),
            ("Wayland asked for, no compositor",
             {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-9"},
             'the Qt platform "wayland" could not start')):
        result = subprocess.run([program], env=clean_environment(**settings), capture_output=True,
                                text=True, timeout=desktop.TIMEOUT)
        said = (f"two-circles: no display found ({reason}); run it on a desktop, or on a "
                f"virtual one with: xvfb-run -a {program}\n")
        check((result.returncode, result.stderr, result.stdout) == (1, said, ""),
              f"{name}: exit status {result.returncode}, said {result.stderr!r} {result.stdout!r}")


desktop.main(test)
