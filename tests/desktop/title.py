#!/usr/bin/python3
"""The title bar reads the window's caption exactly, both as the old WM_NAME and as the UTF-8
_NET_WM_NAME that current desktops show: nothing appended, the two blanks after the colon kept."""

import re

import desktop
from desktop import CAPTION, Session, check, x


def test(program):
    with Session() as session:
        display = session.xvfb(1280, 1024)
        _, window = desktop.start_lesson(session, display, program, LANG="C.UTF-8")

        def titles():  # xprop prints NAME = "text", quotes and backslashes escaped inside
            out = x(display, "xprop", "-notype", "-id", window, "WM_NAME", "_NET_WM_NAME")
            return len(found := dict(re.findall(r'^(\w+) = "(.*)"$', out, re.M))) == 2 and found
        for name, title in desktop.wait_for("the title properties", titles).items():
            title = re.sub(r"\\(.)", r"\1", title)
            check(title == CAPTION, f"{name} reads {title!r}, not {CAPTION!r}")


desktop.main(test)
