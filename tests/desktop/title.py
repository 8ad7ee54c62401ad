#!/usr/bin/python3
"""The title bar reads the window's caption exactly, both as the old WM_NAME and as the UTF-8
_NET_WM_NAME that current desktops show: nothing appended, the two blanks after the colon kept."""

import re

import desktop
from desktop import CAPTION, Session, check, x


def title_properties(display, window):
    out = x(display, "xprop", "-notype", "-id", window, "WM_NAME", "_NET_WM_NAME")
    # xprop prints: NAME = "text", escaping quotes and backslashes inside.
    found = {}
    for line in out.splitlines():
        match = re.fullmatch(r'(\w+) = "(.*)"', line)
        if match:
            found[match[1]] = re.sub(r'\\(.)', r'\1', match[2])
    return found


def test(program):
    with Session() as session:
        display = session.xvfb(1280, 1024)
        _, window = desktop.start_lesson(session, display, program, LANG="C.UTF-8")
        titles = desktop.wait_for("the title properties",
                                  lambda: (t := title_properties(display, window)) and
                                  len(t) == 2 and t)
        for name in ("WM_NAME", "_NET_WM_NAME"):
            check(titles[name] == CAPTION, f"{name} reads {titles[name]!r}, not {CAPTION!r}")


desktop.main(test)
