#!/usr/bin/python3
"""Every way of having no usable display ends the same way: the program's own line on standard
error, naming the cause and how to run the lesson on a virtual display, exit status 1, and
nothing else printed (no Qt message, no abort)."""

import os
import subprocess

import desktop
from desktop import check, clean_environment


def free_display_number():
    """A display number with no X server behind it."""
    for number in range(900, 1000):
        if not any(os.path.exists(path) for path in
                   (f"/tmp/.X{number}-lock", f"/tmp/.X11-unix/X{number}")):
            return number
    raise desktop.Failure("no free display number between 900 and 999")


def test(program):
    stale = f":{free_display_number()}"
    cases = {
        "no DISPLAY": ({}, "DISPLAY is not set"),
        "DISPLAY of a server that is gone": ({"DISPLAY": stale}, f'cannot open display "{stale}"'),
        "malformed DISPLAY": ({"DISPLAY": "!!bad"}, 'cannot open display "!!bad"'),
        "X11 platform asked for, no DISPLAY": ({"QT_QPA_PLATFORM": "xcb"}, "DISPLAY is not set"),
        "Wayland asked for, no compositor": (
            {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-9"},
            'the Qt platform "wayland" could not start'),
    }
    for name, (settings, reason) in cases.items():
        result = subprocess.run([program], env=clean_environment(**settings), capture_output=True,
                                text=True, timeout=desktop.TIMEOUT)
        expected = (f"two-circles: no display found ({reason}); run it on a desktop, or on a "
                    f"virtual one with: xvfb-run -a {program}\n")
        check(result.returncode == 1,
              f"{name}: exit status {result.returncode}, not 1; stderr: {result.stderr!r}")
        check(result.stderr == expected, f"{name}: stderr {result.stderr!r}")
        check(result.stdout == "", f"{name}: stdout {result.stdout!r}")


desktop.main(test)
