#!/usr/bin/python3
"""The lesson walked as a blind pupil's screen reader walks it on Linux: through AT-SPI alone (the
accessible tree, its actions and the Value interface; no mouse, no X events), from the
introduction to a full choice, a change of it that must be announced, back to the introduction
and on again, then Home. What each control is called and says is checked in process
(tst_accessibility); this walk checks that it reaches a screen reader, on a session bus, an
accessibility bus and an X display of its own."""

import importlib.util
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
import desktop  # noqa: E402  the shared display, process and waiting harness
from desktop import check  # noqa: E402

KEYS = {"Next": "Alt+N", "Back": "Alt+B", "Print": "Alt+P", "Home": "Alt+H"}


def test(program):
    check(importlib.util.find_spec("pyatspi"), "this test needs the Debian package python3-pyatspi")
    with desktop.accessible_desktop() as (session, env):
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
        # A screen reader listens before the lesson starts; Qt reads the listeners as it starts,
        # and one added meanwhile may be missed.
        import pyatspi
        events = []
        pyatspi.Registry.registerEventListener(
            lambda e: events.append((e.type, e.source.name, e.detail1)),
            "object:state-changed:selected", "object:property-change:accessible-description",
            "object:state-changed:showing")
        lesson, _ = desktop.start_lesson(session, env["DISPLAY"], program,
                                         QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **env)
        walk(lesson, events, env["DISPLAY"])


def walk(lesson, events, display):
    import pyatspi as A  # roles and states
    from gi.repository import Atspi, GLib

    def wait_for(what, probe):
        def pumped():  # libatspi delivers events from GLib's main loop
            while GLib.MainContext.default().iteration(False):
                pass
            return probe()
        return desktop.wait_for(what, pumped)

    def application():
        check(lesson.poll() is None, f"the lesson ended early with status {lesson.returncode}")
        desk = A.Registry.getDesktop(0)
        return next((app for app in map(desk.getChildAtIndex, range(desk.childCount))
                     if app and app.get_process_id() == lesson.pid and app.childCount), None)
    app = wait_for("the lesson on the accessibility bus", application)
    # Read the program live, not libatspi's cache: what changes must be told by the program.
    app.set_cache_mask(Atspi.Cache.NONE)
    window = app.getChildAtIndex(0)
    check(app.childCount == 1 and window.getRole() == A.ROLE_FRAME and
          window.name == desktop.CAPTION, f"the window reads as {window.getRoleName()} "
          f"{window.name!r}, one of {app.childCount}")

    def children():  # a page being changed may have fewer children by the time one is asked for
        return list(filter(None, map(window.getChildAtIndex, range(window.childCount))))

    def named(name, role=A.ROLE_PUSH_BUTTON):
        return next((c for c in children() if c.name.startswith(name) and c.getRole() == role),
                    None)

    def page(*absent):
        """The children as the pupil sees them: named, showing, in reading order (top to
        bottom, then left to right on the screen), buttons pressed by an action with their
        shortcut; none of the absent roles or names."""
        read = children()
        for c in read:
            check(c.name.strip(), f"a {c.getRoleName()} of the window has no name")
            check(c.getState().contains(A.STATE_SHOWING), f"{c.name!r} is not showing")
            check(c.getRole() not in absent and c.name not in absent,
                  f"{c.getRoleName()} {c.name!r} is exposed on this page")
            if c.getRole() == A.ROLE_PUSH_BUTTON:
                action = c.queryAction()
                check(action.getName(0) == "Press" and
                      action.getKeyBinding(0) == KEYS.get(c.name),
                      f"{c.name!r} offers {action.getName(0)} by {action.getKeyBinding(0)!r}")
        places = [c.queryComponent().getExtents(A.DESKTOP_COORDS) for c in read]
        check([(p.y, p.x) for p in places] == sorted((p.y, p.x) for p in places),
              "the children are not in reading order: " +
              ", ".join(f"{c.name[:16]!r}@{p.x},{p.y}" for c, p in zip(read, places)))

    def press(name):
        named(name).queryAction().doAction(0)

    def choose(name, value, unlocks=None):
        box = named(name, A.ROLE_COMBO_BOX)
        box.queryValue().currentValue = value
        wait_for(f"{name!r} to read {value}", lambda: box.queryValue().currentValue == value)
        if unlocks:
            wait_for(f"{unlocks!r} to open", lambda: named(unlocks, A.ROLE_COMBO_BOX).getState()
                     .contains(A.STATE_SENSITIVE))

    page(A.ROLE_COMBO_BOX, A.ROLE_IMAGE, "Back", "Print")  # the introduction
    # The practice page: a whole choice through the lists' values.
    press("Next")
    wait_for("the practice page", lambda: named("Radius r1", A.ROLE_COMBO_BOX))
    page(A.ROLE_IMAGE, "Next", "Print")
    choose("Radius r1", 3, unlocks="Radius r2")
    choose("Radius r2", 2, unlocks="Distance PQ")
    choose("Distance PQ", 4)
    page("Next")
    check(named("Print") and named("Circle with centre", A.ROLE_IMAGE), "no Print or figure")

    # A change of the rule that holds is announced, not only there to be read; and the outcome
    # is told, as a notification that appears.
    del events[:]
    choose("Distance PQ", 0)
    wanted = {("state-changed:selected", "(3)", 0), ("state-changed:selected", "(4)", 1),
              ("property-change:accessible-description", "Circle", 0),
              ("state-changed:showing", "The two circles neither intersect nor touch and one of "
               "them is inside the other; rule (4) holds.", 1)}

    def heard():
        return {(t.partition(":")[2], n if t.endswith("showing") else n.partition(" ")[0], d)
                for t, n, d in events}
    try:
        wait_for("the change to rule (4) to be announced", lambda: wanted <= heard())
    except desktop.Failure:
        raise desktop.Failure(f"not announced: {sorted(wanted - heard())}; heard {heard()}")

    # Back to the introduction, and on again to the choice as it was, the distance in focus.
    press("Back")
    wait_for("the introduction", lambda: named("Next"))
    press("Next")
    wait_for("Distance PQ to have the focus",
             lambda: (pq := named("Distance PQ", A.ROLE_COMBO_BOX)) and
             pq.getState().contains(A.STATE_FOCUSED))
    page("Next")
    # Zoomed out a step from the keyboard, the controls are where they are drawn, smaller.
    home = named("Home").queryComponent().getExtents(A.DESKTOP_COORDS)
    desktop.x(display, "xdotool", "key", "ctrl+minus")
    wait_for("Home to be drawn at 7/8 of its size", lambda: abs(named("Home").queryComponent()
             .getExtents(A.DESKTOP_COORDS).width - home.width * 0.875) < 1)
    page("Next")
    press("Home")
    try:
        status = lesson.wait(timeout=desktop.TIMEOUT)
    except subprocess.TimeoutExpired:
        raise desktop.Failure("Home pressed through AT-SPI did not end the lesson")
    check(status == 0, f"the lesson ended with status {status}")


desktop.main(test)
