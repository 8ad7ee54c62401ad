"""What the black-box desktop tests share: a virtual X display of their own, the lesson started on
it, bounded waits, and cleaning up every process they started, also when a check fails."""

import atexit
import contextlib
import importlib.util
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import uuid

TIMEOUT = 10.0  # every wait is a poll against a deadline, never a fixed sleep
CAPTION = "Chapter 4:  Relative Positions of Two Circles in a Plane."
DESIGN = (1018, 736)  # the client area at 96 dpi
BACKGROUND = 0xD5FFDC  # the window's pale green
HOME = (968, 15)  # the centre of Home in the designed client area
# Text is thin: even the most crowded page has under 2 % black pixels. Qt 6.4 at a scale factor
# below 1 draws rich text as black bars, over 10 % of the window.
MOST_BLACK = 0.04
# Tools and the Debian package that brings each. libdbus autolaunches with dbus-launch: where it
# is missing nothing could be left behind by a start without a session bus, and that check would
# prove nothing.
TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "xwininfo": "x11-utils", "xprop": "x11-utils",
         "xwd": "x11-apps", "openbox": "openbox", "dbus-launch": "dbus-x11",
         "dbus-daemon": "dbus-daemon", "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
         "orca": "orca", "speech-dispatcher": "speech-dispatcher", "pgrep": "procps"}
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


def stop(process):
    process.terminate()
    with contextlib.suppress(subprocess.TimeoutExpired):
        return process.wait(timeout=3)
    process.kill()
    process.wait()


class Session(contextlib.ExitStack):
    """Processes started by one test; leaving the with block ends them all, newest first."""

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, **kwargs)
        self.callback(stop, process)
        return process

    def announced(self, args, **kwargs):
        """Starts a server that says on its standard output where it listens; returns that."""
        line = self.start(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                          **kwargs).stdout.readline().strip()
        check(line, f"{args[0]} ended before it said where it listens")
        return line

    def xvfb(self, width, height):
        """An Xvfb on a display number it picks itself, so that tests running side by side never
        meet; returns the DISPLAY value."""
        return ":" + self.announced(["Xvfb", "-displayfd", "1", "-screen", "0",
                                     f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"])

    def window_manager(self, display):
        """Openbox on the display, as a pupil's desktop has a window manager that frames and
        activates windows, once it manages the screen."""
        self.start(["openbox", "--sm-disable"], env=clean_environment(
            DISPLAY=display, HOME=RUNTIME), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the window manager",
                 lambda: "window id" in x(display, "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))


def x(display, *args):
    """Runs an X client on the display and returns its output."""
    result = subprocess.run(args, env=clean_environment(DISPLAY=display), capture_output=True,
                            text=True, timeout=TIMEOUT)
    return result.stdout if result.returncode == 0 else ""


def geometry(display, window):
    """The window's position on the screen and its size, in pixels: (x, y, width, height)."""
    info = x(display, "xwininfo", "-id", window)
    return tuple(int(re.search(key + r":\s*(-?\d+)", info)[1]) for key in (
        "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def black_share(display, window):
    """The share of pure black pixels in the window, once Qt has painted it (a good part shows
    the background), read from xwd's dump of 32-bit pixels in this machine's byte order."""
    def painted():
        dump = subprocess.run(["xwd", "-silent", "-id", window], capture_output=True, check=True,
                              env=clean_environment(DISPLAY=display), timeout=TIMEOUT).stdout
        header = struct.unpack(">25I", dump[:100])  # its size at 0, the colour map's at 19
        pixels = [p & 0xFFFFFF for p in memoryview(dump)[header[0] + 12 * header[19]:].cast("I")]
        return pixels.count(BACKGROUND) > len(pixels) // 4 and pixels
    pixels = wait_for("the window to be painted", painted)
    return pixels.count(0) / len(pixels)


def end_with_home(display, window, lesson, scale=1.0):
    """Clicks Home, at its place in a window drawn at scale, until the lesson ends (a click that
    comes before Qt is ready to take it is lost); returns the lesson's exit status."""
    at = [str(round(c * scale)) for c in HOME]

    def clicked_and_ended():
        x(display, "xdotool", "mousemove", "--window", window, *at, "click", "1")
        with contextlib.suppress(subprocess.TimeoutExpired):
            return lesson.wait(timeout=0.5) is not None
    wait_for(f"Home at {at} to end the lesson", clicked_and_ended)
    return lesson.returncode


def start_lesson(session, display, *command, stderr=None, **settings):
    """Starts the lesson (the program, maybe after what runs it) on the display, without a session
    bus unless settings give one; returns it and its window, found by the pid Qt puts on it."""
    lesson = session.start(command, stderr=stderr, env=clean_environment(
        **{"DBUS_SESSION_BUS_ADDRESS": "disabled:", **settings, "DISPLAY": display}))
    return lesson, wait_for(f"a window of {command} {settings}", lambda: x(
        display, "xdotool", "search", "--onlyvisible", "--pid", str(lesson.pid)).split())[0]


def end_processes(entry):
    """Ends the live processes, other than this one, whose environment holds the entry, politely
    first, and waits until none is left; returns those it found."""
    def find():
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            # A process that is gone, a zombie or not ours to read has no environment to read.
            with contextlib.suppress(OSError), open(f"/proc/{pid}/environ", "rb") as environ:
                if entry.encode() in environ.read().split(b"\0") and int(pid) != os.getpid():
                    found.append(int(pid))
        return found
    first = find()
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in find():
            with contextlib.suppress(OSError):
                os.kill(pid, sig)
        with contextlib.suppress(Failure):
            wait_for("the processes to end", lambda: not find(), 3)
            return first
    raise Failure(f"processes outlived the test: {find()}")


@contextlib.contextmanager
def accessible_desktop(**env):
    """A display with a window manager (only in a window it has activated does a control report
    the focus), a session bus and the accessibility bus; yields the session and the environment.
    On leaving, also when stopped by a timeout, it ends what the buses started: by a marker."""
    marker = uuid.uuid4().hex
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    try:
        with Session() as session:
            env.update(DISPLAY=session.xvfb(1280, 1024), TWO_CIRCLES_RUN=marker)
            env["DBUS_SESSION_BUS_ADDRESS"] = session.announced(
                ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                env=clean_environment(**env))
            session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                          env=clean_environment(**env), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
            session.window_manager(env["DISPLAY"])
            wait_for("the accessibility bus", lambda: "unix:" in x(
                env["DISPLAY"], "xprop", "-root", "AT_SPI_BUS"))
            yield session, env
    finally:
        end_processes(f"TWO_CIRCLES_RUN={marker}")


def main(test):
    """Runs test(program) with the program named on the command line; prints one verdict."""
    try:
        missing = sorted({package for tool, package in TOOLS.items() if not shutil.which(tool)})
        missing += [] if importlib.util.find_spec("pyatspi") else ["python3-pyatspi"]
        check(not missing, "these tests need the Debian packages " + " ".join(missing))
        test(os.path.abspath(sys.argv[1]))
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print("PASS")
