"""What the black-box desktop tests share: a virtual X display of their own with a window manager,
the lesson started on it, bounded waits, and ending every process they started, also on failure."""

import atexit
import contextlib
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import uuid

TIMEOUT = 10.0  # every wait is a poll against a deadline, never a fixed sleep
# Tools and the Debian package that brings each. Without dbus-launch, which libdbus autolaunches,
# a start without a session bus could leave nothing behind, and that check would prove nothing.
TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "xwininfo": "x11-utils", "xprop": "x11-utils",
         "openbox": "openbox", "dbus-launch": "dbus-x11", "dbus-daemon": "dbus-daemon",
         "/usr/libexec/at-spi-bus-launcher": "at-spi2-core", "orca": "orca", "pgrep": "procps"}
MODULES = {"pyatspi": "python3-pyatspi", "psutil": "python3-psutil", "PIL": "python3-pil"}
# A runtime folder of the tests' own, as a desktop session has (else Qt makes one in /tmp).
RUNTIME = tempfile.mkdtemp(prefix="two-circles-runtime-")
atexit.register(shutil.rmtree, RUNTIME, ignore_errors=True)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true, and returns that. what names it, or is a
    function that says, once the time is up, what was seen instead."""
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        if time.monotonic() > deadline:
            raise Failure(what() if callable(what) else
                          f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)
    return value


def clean_environment(**extra):
    """The caller's environment less what would steer Qt, the display, the bus or the language
    (make test exports QT_QPA_PLATFORM=offscreen), plus extra (None unsets); lessons in English."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "DBUS_", "WAYLAND_", "XDG_"))
           and k not in ("DISPLAY", "XAUTHORITY")}
    env = {**env, "XDG_RUNTIME_DIR": RUNTIME, "LANGUAGE": "en", "LANG": "C.UTF-8", **extra}
    return {k: v for k, v in env.items() if v is not None}


def end_processes(**entries):
    """Ends the processes, other than this one, whose environment holds the entries, politely
    first; returns those it found."""
    import psutil
    found = [p for p in psutil.process_iter(["environ"]) if p.pid != os.getpid()
             and entries.items() <= (p.info["environ"] or {}).items()]
    for process in found:
        with contextlib.suppress(psutil.NoSuchProcess):
            process.terminate()
    for process in psutil.wait_procs(found, timeout=3)[1]:
        process.kill()
    return found


class Session:
    """Processes started by one test, marked in their environment: leaving the with block ends
    them and all they started (the buses start services), also on failure."""

    def __enter__(self):
        self.marker = {"TWO_CIRCLES_RUN": uuid.uuid4().hex}
        return self

    def __exit__(self, *_):
        end_processes(**self.marker)

    def start(self, args, env=None, **kwargs):
        return subprocess.Popen(args, env={**(env or clean_environment()), **self.marker}, **kwargs)

    def announced(self, args, **kwargs):
        """Starts a server that says on its standard output where it listens; returns that."""
        line = self.start(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                          **kwargs).stdout.readline().strip()
        check(line, f"{args[0]} ended before it said where it listens")
        return line

    def display(self, width, height):
        """An Xvfb on a display number it picks itself (tests side by side never meet), with Openbox
        to frame and activate windows as on a pupil's desktop; returns the DISPLAY value."""
        display = ":" + self.announced(["Xvfb", "-displayfd", "1", "-screen", "0",
                                        f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"])
        self.start(["openbox", "--sm-disable"], env=clean_environment(
            DISPLAY=display, HOME=RUNTIME), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the window manager",
                 lambda: "window id" in x(display, "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        return display


def x(display, *args):
    """Runs an X client on the display and returns its output."""
    result = subprocess.run(args, env=clean_environment(DISPLAY=display), capture_output=True,
                            text=True, timeout=TIMEOUT)
    return result.stdout if result.returncode == 0 else ""


def start_lesson(session, display, *command, stderr=None, **settings):
    """Starts the lesson (the program, maybe after what runs it) on the display, without a session
    bus unless settings give one; returns it and its window, found by the pid Qt puts on it."""
    lesson = session.start(command, stderr=stderr, env=clean_environment(
        **{"DBUS_SESSION_BUS_ADDRESS": "disabled:", **settings, "DISPLAY": display}))
    return lesson, wait_for(f"a window of {command} {settings}", lambda: x(
        display, "xdotool", "search", "--onlyvisible", "--pid", str(lesson.pid)).split())[0]


def main(test):
    """Runs test(program) with the program named on the command line; prints one verdict."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))  # ctest's timeout: clean up
    try:
        missing = sorted({package for tool, package in TOOLS.items() if not shutil.which(tool)} |
                         {p for m, p in MODULES.items() if not importlib.util.find_spec(m)})
        check(not missing, "these tests need the Debian packages " + " ".join(missing))
        test(os.path.abspath(sys.argv[1]))
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print("PASS")
