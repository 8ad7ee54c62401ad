#!/usr/bin/python3
"""The lesson walked as a blind pupil's screen reader walks it on Linux: through AT-SPI alone (the
accessible tree, its actions and the Value interface; no mouse, no X events), from the
introduction to a full choice, a change of that choice, back to the introduction and on again,
then Home. Runs on a session bus, an accessibility bus and an X display of its own."""

import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import uuid

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
import desktop  # noqa: E402  the shared display, process and waiting harness
from desktop import Session, check, clean_environment  # noqa: E402

CONTACT = "Author: lessons@example.org Mobile: 07700 900461"
HEADING = "Relative position of two circles in R\u00b2"
RULES = ["(1) If PQ = r1 + r2", "(2) If PQ = | r1 - r2 |", "(3) If | r1 - r2 | < PQ < r1 + r2",
         "(4) If PQ < | r1 - r2 |", "(5) If PQ > r1 + r2"]
HOLDS = "This rule holds for the circles you chose."
RELATIONS = {3: "The two circles intersect each other in 2 points; rule (3) holds.",
             4: "The two circles neither intersect nor touch and one of them is inside the other; "
                "rule (4) holds."}
KEYS = {"Next": "Alt+N", "Back": "Alt+B", "Print": "Alt+P", "Home": "Alt+H"}
MARK = "TWO_CIRCLES_ATSPI_RUN"


def marked(marker):
    """Live processes with the marker in their environment: what the session bus started for this
    run (at-spi-bus-launcher, its dbus-daemon, at-spi2-registryd) inherits it."""
    return desktop.processes_with(f"{MARK}={marker}")


def test(program):
    missing = [package for package, there in (
        ("python3-pyatspi", importlib.util.find_spec("pyatspi")),
        ("at-spi2-core", os.path.exists("/usr/libexec/at-spi-bus-launcher")),
        ("dbus-daemon", shutil.which("dbus-daemon")), ("openbox", shutil.which("openbox")),
        ("x11-utils", shutil.which("xprop"))) if not there]
    check(not missing, "this test needs the Debian packages " + " ".join(missing))
    marker = uuid.uuid4().hex
    # Stopped from outside (a timeout), the test still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    try:
        with Session() as session:
            bus = desktop.session_bus(session, clean_environment(**{MARK: marker}))
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus  # where libatspi asks for the a11y bus
            display = session.xvfb(1280, 1024)
            # A pupil's desktop has a window manager: it activates the lesson's window, and only
            # in an active window does a control report the focus.
            session.window_manager(display)
            # A screen reader listens before the lesson starts; Qt reads the listeners as it
            # starts, and one added meanwhile may be missed.
            import pyatspi
            events = []
            pyatspi.Registry.registerEventListener(
                lambda e: events.append((e.type, e.source.name, e.detail1)),
                "object:state-changed:selected", "object:property-change:accessible-description",
                "object:state-changed:showing")
            lesson, _ = desktop.start_lesson(session, display, program,
                                             DBUS_SESSION_BUS_ADDRESS=bus,
                                             QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            walk(lesson, events)
    finally:
        desktop.end_processes(lambda: marked(marker))


def walk(lesson, events):
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
        for app in filter(None, (desk.getChildAtIndex(i) for i in range(desk.childCount))):
            if app.get_process_id() == lesson.pid and app.childCount:
                return app
    app = wait_for("the lesson on the accessibility bus", application)
    # Read the program live, not libatspi's cache: what changes must be told by the program.
    app.set_cache_mask(Atspi.Cache.NONE)
    check(app.childCount == 1, f"the application has {app.childCount} windows, not 1")
    window = app.getChildAtIndex(0)
    check(window.getRole() == A.ROLE_FRAME and window.name == desktop.CAPTION,
          f"the window reads as {window.getRoleName()} {window.name!r}")

    def children():  # a page being changed may have fewer children by the time one is asked for
        return list(filter(None, (window.getChildAtIndex(i) for i in range(window.childCount))))

    def named(name, role):
        return next((c for c in children() if c.name == name and c.getRole() == role), None)

    def states(accessible):
        return set(accessible.getState().getStates())

    def press_action(button):
        action = button.queryAction()
        actions = {action.getName(i): i for i in range(action.nActions)}
        check("Press" in actions, f"{button.name!r} offers the actions {list(actions)}, not Press")
        key = action.getKeyBinding(actions["Press"])
        check(key == KEYS.get(button.name), f"{button.name!r}'s shortcut reads {key!r}")
        return lambda: action.doAction(actions["Press"])

    def press(name):
        button = named(name, A.ROLE_PUSH_BUTTON)
        check(button, f"no push button {name!r} in {[c.name for c in children()]}")
        press_action(button)()

    def page(absent=()):
        """The children, checked as the pupil sees them: named, showing, in reading order (top to
        bottom, then left to right on the screen), buttons with their shortcuts; none of the
        absent roles or names."""
        read = children()
        for c in read:
            check(c.name.strip(), f"a {c.getRoleName()} of the window has no name")
            check({A.STATE_SHOWING, A.STATE_VISIBLE} <= states(c), f"{c.name!r} is not showing")
            check(c.getRole() not in absent and c.name not in absent,
                  f"{c.getRoleName()} {c.name!r} is exposed on this page")
            if c.getRole() == A.ROLE_PUSH_BUTTON:
                press_action(c)
        places = [c.queryComponent().getExtents(A.DESKTOP_COORDS) for c in read]
        check([(p.y, p.x) for p in places] == sorted((p.y, p.x) for p in places),
              "the children are not in reading order: " +
              ", ".join(f"{c.name[:16]!r}@{p.x},{p.y}" for c, p in zip(read, places)))
        return read

    def on_introduction():
        read = page(absent=(A.ROLE_COMBO_BOX, A.ROLE_IMAGE, "Back", "Print"))
        check([(c.getRole(), c.name) for c in read[:4]] ==
              [(A.ROLE_LABEL, CONTACT), (A.ROLE_PUSH_BUTTON, "Next"),
               (A.ROLE_PUSH_BUTTON, "Home"), (A.ROLE_HEADING, HEADING)],
              f"the introduction begins {[c.name for c in read[:4]]}")
        check(len(read) == 14, f"the introduction has {len(read)} children, not 14")
        check([c.name[:len(r)] for c, r in zip(read[7:12], RULES)] == RULES,
              f"the rules read {[c.name[:24] for c in read[7:12]]}")
        check(read[-1].name.endswith("Click 'Next'."), f"the page ends {read[-1].name!r}")
        return read

    # The introduction; the screen reader starts where the keyboard does, on Next.
    read = on_introduction()
    wait_for("Next to have the focus", lambda: A.STATE_FOCUSED in states(read[1]))

    # The practice page before any choice: only r1 can be chosen.
    press("Next")
    r1, r2, pq = (wait_for(f"the list {n!r}", lambda n=n: named(n, A.ROLE_COMBO_BOX))
                  for n in ("Radius r1", "Radius r2", "Distance PQ"))
    page(absent=(A.ROLE_IMAGE, "Next", "Print"))
    check(named("Back", A.ROLE_PUSH_BUTTON) and named("Home", A.ROLE_PUSH_BUTTON),
          "the practice page lacks Back or Home")
    for box, low, high in ((r1, 1, 5), (r2, 1, 5), (pq, 0, 12)):
        v = box.queryValue()
        check((v.minimumValue, v.maximumValue, v.minimumIncrement) == (low, high, 1),
              f"{box.name!r} ranges {v.minimumValue}..{v.maximumValue} by {v.minimumIncrement}")
    check(A.STATE_SENSITIVE in states(r1), "Radius r1 is not sensitive")
    check(not {A.STATE_SENSITIVE, A.STATE_ENABLED} & (states(r2) | states(pq)),
          "Radius r2 or Distance PQ is usable before r1 is chosen")
    r2.queryValue().currentValue = 2  # a list that cannot be used now refuses this too
    check(r2.queryValue().currentValue != 2 and A.STATE_SENSITIVE not in states(pq),
          "setting the disabled Radius r2 was taken as a choice")

    def choose(box, value, unlocks=None):
        box.queryValue().currentValue = value
        wait_for(f"{box.name!r} to read {value}", lambda: box.queryValue().currentValue == value)
        if unlocks:
            wait_for(f"{unlocks.name!r} to become usable",
                     lambda: A.STATE_SENSITIVE in states(unlocks))

    def check_choice(rule, distance):
        read = page(absent=("Next",))
        check(named("Print", A.ROLE_PUSH_BUTTON), "no Print once a distance is chosen")
        figure = next((c for c in read if c.getRole() == A.ROLE_IMAGE), None)
        check(figure, f"no figure among {[c.getRoleName() for c in read]}")
        check(figure.name == "Circle with centre P and radius 3 cm, circle with centre Q and "
              f"radius 2 cm, centres {distance} cm apart.", f"the figure reads {figure.name!r}")
        check(figure.description == RELATIONS[rule], f"the figure: {figure.description!r}")
        boxes = [c for c in read if c.name.startswith(tuple(RULES))]
        check(len(boxes) == 5, f"{len(boxes)} rule boxes on the practice page")
        for k, box in enumerate(boxes, 1):
            selected = A.STATE_SELECTED in states(box)
            check(selected == (k == rule) and (box.description == HOLDS) == (k == rule),
                  f"rule ({k}) selected={selected} described {box.description!r} "
                  f"while rule ({rule}) holds")
            check("Text" in box.get_interfaces(), f"rule ({k}) has no text")
            text = box.queryText().getText(0, -1)
            check(text.split() == box.name.split(), f"rule ({k}) reads as text {text!r}")

    choose(r1, 3, unlocks=r2)
    choose(r2, 2, unlocks=pq)
    choose(pq, 4)
    check_choice(3, 4)

    # A change of the rule that holds is announced, not only there to be read; and the outcome
    # is told, as a notification that appears.
    del events[:]
    choose(pq, 0)
    check_choice(4, 0)
    wanted = {("state-changed:selected", "(3)", 0), ("state-changed:selected", "(4)", 1),
              ("property-change:accessible-description", "Circle", 0),
              ("state-changed:showing", RELATIONS[4], 1)}

    def heard():
        return {(t.partition(":")[2], n if t.endswith("showing") else n.partition(" ")[0], d)
                for t, n, d in events}
    try:
        wait_for("the change to rule (4) to be announced", lambda: wanted <= heard())
        unannounced = None
    except desktop.Failure:  # the walk goes on, so that one run tells everything
        unannounced = f"not announced: {sorted(wanted - heard())}; heard {sorted(heard())}"

    # Back to the introduction, and on again to the choice as it was, the distance in focus.
    press("Back")
    wait_for("the introduction", lambda: named("Next", A.ROLE_PUSH_BUTTON))
    on_introduction()
    press("Next")
    pq = wait_for("Distance PQ", lambda: named("Distance PQ", A.ROLE_COMBO_BOX))
    check_choice(4, 0)
    wait_for("Distance PQ to have the focus", lambda: A.STATE_FOCUSED in states(pq))

    press("Home")
    try:
        lesson.wait(timeout=desktop.TIMEOUT)
    except subprocess.TimeoutExpired:
        raise desktop.Failure("Home pressed through AT-SPI did not end the lesson")
    check(lesson.returncode == 0, f"the lesson ended with status {lesson.returncode}")
    check(not unannounced, unannounced)


desktop.main(test)
