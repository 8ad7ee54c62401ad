#!/usr/bin/python3
"""Every way of having no usable display ends the same way: the program's own line on standard
error, naming the cause and how to run the lesson on a virtual display, exit status 1, and
nothing else printed (no Qt message, no abort)."""

import os
import subprocess

import desktop
from desktop import check, clean_environment


def test(program):
    stale = next((f":{n}" for n in range(900, 1000) if not any(  # no X server behind it
        os.path.exists(path) for path in (f"/tmp/.X{n}-lock", f"/tmp/.X11-unix/X{n}"))), None)
    check(stale, "no free display number between 900 and 999")
    for name, settings, reason in (
            ("no DISPLAY", {}, "DISPLAY is not set"),
            ("a server that is gone", {"DISPLAY": stale}, f'cannot open display "{stale}"'),
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
