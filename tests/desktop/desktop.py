"""What the black-box desktop tests share: a virtual X display of their own, the lesson started on
it, bounded waits, and cleaning up every process they started, also when a check fails."""

import atexit
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

# Every wait is a poll against a deadline, never a fixed sleep.
TIMEOUT = 10.0
POLL = 0.05

CAPTION = "Chapter 4:  Relative Positions of Two Circles in a Plane."
DESIGN = (1018, 736)  # the client area at 96 dpi
BACKGROUND = 0xD5FFDC  # the window's pale green
HOME = (968, 15)  # the centre of Home in the designed client area
# Text is thin: even the most crowded page has under 2 % black pixels. Qt 6.4 at a scale factor
# below 1 draws rich text as black bars, over 10 % of the window.
MOST_BLACK = 0.04

# Tools and the Debian package that brings each.
TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "xwininfo": "x11-utils", "xprop": "x11-utils",
         "xwd": "x11-apps"}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(POLL)


# A runtime folder of the tests' own, as a desktop session has one (without it Qt makes one in /tmp).
RUNTIME = tempfile.mkdtemp(prefix="two-circles-runtime-")
atexit.register(shutil.rmtree, RUNTIME, ignore_errors=True)


def clean_environment(**extra):
    """The caller's environment without anything that would steer Qt, the display, the bus or the
    lesson's language (make test exports QT_QPA_PLATFORM=offscreen), plus extra; a value of None
    unsets."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "DBUS_", "WAYLAND_", "XDG_"))
           and k not in ("DISPLAY", "XAUTHORITY", "TWO_CIRCLES_RESTARTED")}
    env["XDG_RUNTIME_DIR"] = RUNTIME
    env["LANGUAGE"] = "en"  # the checks read the lesson's English, whatever the caller's language
    for key, value in extra.items():
        if value is None:
            env.pop(key, None)
        else:
            env[key] = value
    return env


class Session:
    """Processes started by one test; stop() ends them all, newest first."""

    def __init__(self):
        self.processes = []

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, **kwargs)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes.clear()

    def xvfb(self, width, height):
        """Starts Xvfb on a display number it picks itself (-displayfd), so that tests running
        side by side never meet; returns the DISPLAY value."""
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                    f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + TIMEOUT
        while not number.endswith(b"\n"):
            check(time.monotonic() < deadline, "Xvfb did not start")
            chunk = os.read(read_end, 16)
            check(chunk, "Xvfb ended before it named its display")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def window_manager(self, display):
        """Starts openbox on the display, as a pupil's desktop has a window manager that frames
        and activates windows, and waits until it manages the screen."""
        check(shutil.which("openbox"), "this test needs the Debian package openbox")
        self.start(["openbox", "--sm-disable"], env=clean_environment(
            DISPLAY=display, HOME=RUNTIME, XDG_CONFIG_HOME=RUNTIME, XDG_CACHE_HOME=RUNTIME),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the window manager",
                 lambda: "window id" in x(display, "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))


def session_bus(session, env):
    """Starts a private D-Bus session bus with the environment and returns its address."""
    read_end, write_end = os.pipe()
    session.start(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"],
                  pass_fds=(write_end,), env=env, stdout=subprocess.DEVNULL,
                  stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as address:
        bus = address.readline().strip()
    check(bus, "dbus-daemon did not name its address")
    return bus


def x(display, *args):
    """Runs an X client on the display and returns its output."""
    result = subprocess.run(list(args), env=clean_environment(DISPLAY=display),
                            capture_output=True, text=True, timeout=TIMEOUT)
    return result.stdout if result.returncode == 0 else ""


def lesson_window(display, pid):
    """The lesson's mapped top-level window, found by the process id Qt puts on it."""
    found = wait_for(f"a window of process {pid}",
                     lambda: x(display, "xdotool", "search", "--onlyvisible", "--pid",
                               str(pid)).split())
    return found[0]


def geometry(display, window):
    """The window's position on the screen and its size, in pixels: (x, y, width, height)."""
    info = x(display, "xwininfo", "-id", window)
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                          "Width", "Height"))


def frame(display, window):
    """The window with the frame its window manager put round it, once there is one: (x, y,
    width, height) on the screen, in pixels."""
    def extents():
        found = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                          x(display, "xprop", "-id", window, "_NET_FRAME_EXTENTS"))
        return found and tuple(map(int, found.groups()))
    left, right, top, bottom = wait_for("the window's frame", extents)
    x0, y0, width, height = geometry(display, window)
    return x0 - left, y0 - top, width + left + right, height + top + bottom


def grab(display, window):
    """The window's pixels, read from xwd's dump: (width, height, [0xRRGGBB, ...] row by row)."""
    data = subprocess.run(["xwd", "-silent", "-id", window],
                          env=clean_environment(DISPLAY=display), capture_output=True,
                          timeout=TIMEOUT, check=True).stdout
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height, byte_order = fields[0], fields[4], fields[5], fields[7]
    bits_per_pixel, bytes_per_line, red_mask, ncolors = fields[11], fields[12], fields[14], \
        fields[19]
    check(bits_per_pixel == 32 and red_mask == 0xFF0000,
          f"unexpected xwd format: {bits_per_pixel} bits per pixel, red mask {red_mask:#x}")
    order = "<" if byte_order == 0 else ">"
    start = header_size + 12 * ncolors
    pixels = []
    for y in range(height):
        row = data[start + y * bytes_per_line:start + y * bytes_per_line + 4 * width]
        pixels.extend(value & 0xFFFFFF for value in struct.unpack(f"{order}{width}I", row))
    return width, height, pixels


def drawn_window(display, window, background):
    """The window's pixels once Qt has painted it: a good part shows its background colour."""
    def painted():
        shot = grab(display, window)
        width, height, pixels = shot
        return shot if pixels.count(background) > width * height // 4 else None
    return wait_for("the window to be painted", painted)


def black_share(display, window):
    """The share of pure black pixels in the window, once it is painted."""
    _, _, pixels = drawn_window(display, window, BACKGROUND)
    return pixels.count(0) / len(pixels)


def end_with_home(display, window, lesson, scale=1.0):
    """Clicks Home, at its place in a window drawn at scale, until the lesson ends (a click that
    comes before Qt is ready to take it is lost); returns the lesson's exit status."""
    at = [str(round(c * scale)) for c in HOME]

    def clicked_and_ended():
        x(display, "xdotool", "mousemove", "--window", window, *at, "click", "1")
        try:
            lesson.wait(timeout=0.5)
            return True
        except subprocess.TimeoutExpired:
            return False
    wait_for(f"Home at {at} to end the lesson", clicked_and_ended)
    return lesson.returncode


def start_lesson(session, display, program, stderr=None, **settings):
    """Starts the lesson on the display without a session bus (unless settings give one), with
    the settings added to a clean environment; returns the process and its window."""
    lesson = session.start([program], stderr=stderr, env=clean_environment(
        **{"DBUS_SESSION_BUS_ADDRESS": "disabled:", **settings, "DISPLAY": display}))
    return lesson, lesson_window(display, lesson.pid)


def environment_of(pid):
    """The entries (b"NAME=value") of a live process's environment; none for one that is gone,
    a zombie or not ours to read."""
    try:
        with open(f"/proc/{pid}/environ", "rb") as environ:
            return environ.read().split(b"\0")
    except OSError:
        return []


def processes_with(entry, names=None):
    """The live processes, other than this one, whose environment holds the entry, as (pid,
    name); only those of the given names, if any."""
    found = []
    for pid in map(int, filter(str.isdigit, os.listdir("/proc"))):
        try:
            with open(f"/proc/{pid}/comm") as comm:
                name = comm.read().strip()
        except OSError:
            continue  # gone meanwhile
        if pid != os.getpid() and (names is None or name in names) and \
                entry.encode() in environment_of(pid):
            found.append((pid, name))
    return found


def end_processes(find):
    """Ends the processes find() returns, politely first, and waits until none is left."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid, _ in find():
            try:
                os.kill(pid, sig)
            except OSError:
                pass
        try:
            return wait_for("the processes to end", lambda: not find(), 3)
        except Failure:
            pass
    raise Failure(f"processes outlived the test: {find()}")


def require_tools():
    missing = sorted({package for tool, package in TOOLS.items() if not shutil.which(tool)})
    check(not missing, "these tests need the Debian packages " + " ".join(missing))


def main(test):
    """Runs test(program) with the program named on the command line; prints one verdict."""
    program = os.path.abspath(sys.argv[1])
    try:
        require_tools()
        test(program)
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print("PASS")
