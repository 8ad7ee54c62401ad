#!/usr/bin/python3
"""The lesson as a blind pupil meets it: heard through Orca, from its debug log, and driven by the
keyboard alone, also zoomed, while the test reads over AT-SPI what Orca is given: the controls
where they are drawn, buttons pressed by an action with their shortcut, the rule that holds told
as a selection, Home pressed through AT-SPI. (What each control is called and reads:
tst_accessibility.)"""

import os
import re
import subprocess
import tempfile
import threading
import tty

import desktop
from desktop import check, clean_environment

# SPEECH OUTPUT: 'words' followed by the voice, as Orca 43 logs it.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?\s*(?:\[?\{.*\}\]?|None)?\r?$")
PRACTICE = "The practice page. Now select length of radius r1 and r2 for the circles."
DISTANCE = "Select the distance PQ between their centers P and Q"
RULE_3 = "The two circles intersect each other in 2 points; rule (3) holds."
RULE_2 = "The two circles touch each other internally; rule (2) holds."
REARRANGE = "You can rearrange r1 , r2 and PQ"
INTRODUCTION = "The introduction page."
KEYS = {"Next": "Alt+N", "Back": "Alt+B", "Print": "Alt+P", "Home": "Alt+H"}
SAID = []  # what Orca has said, one utterance an item


def plain(utterance):
    """An utterance without its spacing and the full stop Orca may add."""
    return " ".join(utterance.split()).rstrip(".")


def hear(*words, since=0):
    """Waits until Orca has said each of the words, as an utterance of its own, after its first
    `since` utterances."""
    desktop.wait_for(lambda: f"Orca did not say {words}; it said {SAID[since:]}", lambda:
                     {plain(w) for w in words} <= {plain(s) for s in SAID[since:]})


def test(program):
    with tempfile.TemporaryDirectory(prefix="two-circles-orca-") as home, \
            desktop.Session() as session:
        # A window manager: only in a window it has activated does a control report the focus.
        # The session bus starts the accessibility bus when it is first asked for.
        env = dict(HOME=home, GSETTINGS_BACKEND="memory", DISPLAY=session.display(1280, 1024))
        env["DBUS_SESSION_BUS_ADDRESS"] = session.announced(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            env=clean_environment(**env))

        # Orca's log goes to a terminal of the test's own: Python writes each line to a terminal
        # at once, but keeps lines back from a file. Orca logs what it says before it hands it to
        # a speech server, so it needs none.
        terminal, orcas_end = os.openpty()
        tty.setraw(orcas_end)

        def listen(rest=b""):
            while chunk := os.read(terminal, 65536):
                *lines, rest = (rest + chunk).split(b"\n")
                SAID.extend(m[1] for m in map(SPEECH.search, map(bytes.decode, lines)) if m)
        threading.Thread(target=listen, daemon=True).start()
        # An Orca ends at once where another of this user runs, on any display; --replace
        # would end that one.
        desktop.wait_for("other Orcas of this user to end", lambda: subprocess.run(
            ["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL)
            .returncode == 1, 60)
        session.start(["orca", "--debug-file=" + os.ttyname(orcas_end)], env=clean_environment(
            **env), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        hear("Screen reader on.")
        # Listening before the lesson starts, as Orca does: Qt reads the listeners as it
        # starts, and one added meanwhile may be missed.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi
        selections = []
        pyatspi.Registry.registerEventListener(
            lambda e: selections.append((e.source.name.partition(" ")[0], e.detail1)),
            "object:state-changed:selected")
        lesson, _ = desktop.start_lesson(session, env["DISPLAY"], program,
                                         stderr=subprocess.PIPE, **env)
        walk(lesson, env["DISPLAY"], selections)  # which ends the lesson
        said = lesson.stderr.read().decode()
        check("qt.accessibility" not in said, f"the lesson warned: {said}")


def walk(lesson, display, selections):
    import pyatspi as A  # roles and states
    from gi.repository import Atspi, GLib

    app = desktop.wait_for("the lesson on the accessibility bus", lambda: next((
        a for a in A.Registry.getDesktop(0) if a and a.get_process_id() == lesson.pid and
        a.childCount), None))
    # Read the program live, not libatspi's cache: what changes must be told by the program.
    app.set_cache_mask(Atspi.Cache.NONE)
    window = app.getChildAtIndex(0)

    def children():  # a page being changed may have fewer children by the time one is asked for
        return list(filter(None, window))

    def home():
        return next(c for c in children() if c.name == "Home")

    def buttons():
        """Each button shown is pressed by an action, which names its shortcut."""
        for button in (c for c in children() if c.getRole() == A.ROLE_PUSH_BUTTON):
            action = button.queryAction()
            check((action.getName(0), action.getKeyBinding(0)) == ("Press", KEYS.get(button.name)),
                  f"{button.name!r} offers {action.getName(0)} by {action.getKeyBinding(0)!r}")

    def keys(*names, then):
        since = len(SAID)
        desktop.x(display, "xdotool", "key", "--delay", "20", *names)
        hear(*then, since=since)

    # The window opens with Next in the focus; Tab goes round to it again.
    hear("Next push button.")
    buttons()
    keys("Tab", then=["Home push button."])
    keys("Tab", then=["Next push button."])
    keys("space", then=["Radius r1 combo box.", PRACTICE])
    keys("3", "Return", then=["Radius r1 combo box"])
    keys("Tab", then=["Radius r2 combo box."])
    keys("2", "Return", then=[DISTANCE])
    # Back and Next again: the choice left half made comes back, told with what it still wants,
    # and the focus goes to the list that waits.
    keys("alt+b", then=[INTRODUCTION])
    keys("alt+n", then=["Distance PQ combo box.", f"The practice page. {DISTANCE}"])
    keys("4", "Return", then=[f"{RULE_3} {REARRANGE}"])
    buttons()
    for distance in (3, 2):  # the same words again are told again
        keys("Up", then=[str(distance), RULE_3])
    del selections[:]
    keys("Up", then=["1", RULE_2])

    def selected():  # libatspi delivers events from GLib's main loop
        while GLib.MainContext.default().iteration(False):
            pass
        return {("(3)", 0), ("(2)", 1)} <= set(selections)
    desktop.wait_for(lambda: f"the change to rule (2) not told as a selection: {selections}",
                     selected)
    # Zoomed out a step from the keyboard, the controls are where they are drawn, smaller, and
    # the keys work as before.
    width = home().queryComponent().getExtents(A.DESKTOP_COORDS).width
    desktop.x(display, "xdotool", "key", "ctrl+minus")
    desktop.wait_for("Home to be drawn at 7/8 of its size",
                     lambda: abs(home().queryComponent().getExtents(A.DESKTOP_COORDS).width -
                                 width * 0.875) < 1)
    keys("alt+b", then=["Next push button.", INTRODUCTION])
    # The choice made comes back with the page, and is told with it.
    keys("alt+n", then=[f"The practice page. {RULE_2} {REARRANGE}"])
    home().queryAction().doAction(0)
    desktop.wait_for("Home pressed through AT-SPI to end the lesson",
                     lambda: lesson.poll() is not None)
    check(lesson.returncode == 0, f"the lesson ended with status {lesson.returncode}, saying: "
          + lesson.stderr.read().decode()[-3000:])


desktop.main(test)
