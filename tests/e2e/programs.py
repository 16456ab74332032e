#!/usr/bin/env python3
"""Each program on a real X display as its users meet it: a private Xvfb with
a window manager and a private session bus with the accessibility bus. The
controls are read and pressed from another process, as a screen reader does,
and the keyboard is driven with xdotool. Every wait polls with a time limit.
usage: programs.py NAME=PROGRAM..."""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings

try:
    import gi
except ImportError:  # Debian's python3-gi serves Debian's own interpreter only
    os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
from xvfb import start_xvfb  # noqa: E402

# get_action_name is deprecated; Qt 6.4 answers no GetLocalizedName, its successor.
warnings.simplefilter("ignore", DeprecationWarning)
WAIT = 20.0  # seconds: generous for a loaded 2-core machine
COUNTDOWN = {"Count down", "Spin", "Auto- Spinner", "Zero", "Exit"}
BATCH = {"Spin", "Auto- Spinner", "Clear", "Exit"}
PROGRAMS = {  # buttons, boxes by the label that names them, keys from the first focus to Spin
    "corvane2": (COUNTDOWN, {"Countdown Speed": "93", "Speed of Spins": "1001"}, []),
    "corvane": (COUNTDOWN, {"Speed of Spins": "1000"}, ["shift+Tab"]),
    "pallix": (BATCH, {"Number of Spins": "233"}, []),
    "pallixb": (BATCH, {"Number of Spins": "233"}, []),
}


def pump(seconds=0.05):
    """Lets AT-SPI's events in for that long: they come through GLib's main context."""
    end, context = time.monotonic() + seconds, GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending() and time.monotonic() < end:
            context.iteration(False)
        time.sleep(0.01)


def wait_until(predicate, what):
    deadline = time.monotonic() + WAIT
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {WAIT:.0f} s waiting for {what}")
        pump()
    return value


class Heard:
    """What a screen reader hears: Orca speaks a notification as it is shown.
    The events are kept raw and read afterwards, since reading a role or a
    name asks the program, too slow to keep up with a flood of events."""

    def __init__(self):
        self.events = []
        self.listener = Atspi.EventListener.new(
            lambda event: self.events.append((event.source, event.detail1)))
        self.listener.register("object:state-changed:showing")

    def notifications(self):
        with contextlib.suppress(GLib.Error):
            return [source.get_name() for source, shown in self.events
                    if shown and source.get_role() == Atspi.Role.NOTIFICATION]
        return []

    def close(self):
        self.listener.deregister("object:state-changed:showing")


def run(*args, timeout=WAIT, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout, **kwargs)


def nodes(node, depth=0):
    yield depth, node
    for i in range(node.get_child_count()):
        yield from nodes(node.get_child_at_index(i), depth + 1)


def active_window():
    root = run("xprop", "-root", "_NET_ACTIVE_WINDOW").stdout
    found = re.search(r"window id # (0x[0-9a-f]+)", root)
    return int(found[1], 16) if found else None


def press(found, caption):
    button = found[(Atspi.Role.PUSH_BUTTON, caption)]
    actions = [button.get_action_name(i) for i in range(button.get_n_actions())]
    assert button.do_action(actions.index("Press")), f"{caption} refused its Press action"


def check_program(name, process):
    buttons, boxes, keys_to_spin = PROGRAMS[name]

    def find_window():  # the program's window, at depth 2 below the desktop
        assert process.poll() is None, f"{name} ended: {process.returncode}"
        with contextlib.suppress(GLib.Error):  # a program that has just left
            return next((w for depth, w in nodes(Atspi.get_desktop(0)) if depth == 2 and
                         w.get_process_id() == process.pid and w.get_role() == Atspi.Role.FRAME
                         and w.get_name().startswith("Vantorel:")), None)
    window = wait_until(find_window, f"a window titled Vantorel: of {name} on the AT-SPI bus")
    found = {(node.get_role(), node.get_name()): node for _, node in nodes(window)}
    cells = [found.get((Atspi.Role.PARAGRAPH, f"Digit {i}")) for i in range(1, 6)]
    # Flat review and pointing read a cell's text; a frame inside the window
    # would be taken for a window of its own, and review kept inside it.
    assert all(c and "Value" in c.get_interfaces() and c.get_text(0, -1) == "0" for c in cells), "cells"
    assert not [n for d, n in nodes(window) if d and n.get_role() == Atspi.Role.FRAME], "frames"
    desktop = Atspi.get_desktop(0)
    assert any(desktop.get_child_at_index(i).get_name() == name and
               desktop.get_child_at_index(i).get_process_id() == process.pid
               for i in range(desktop.get_child_count())), f"no application named {name}"

    def values():
        return [cell.get_current_value() for cell in cells]
    assert values() == [0] * 5, f"cells at start read {values()}"
    assert {n for role, n in found if role == Atspi.Role.PUSH_BUTTON} == buttons, "buttons"
    for label, text in boxes.items():
        box = found.get((Atspi.Role.TEXT, label))
        assert box and box.get_text(0, -1) == text, f"box {label!r}"
        labels = [r.get_target(0).get_name() for r in box.get_relation_set()
                  if r.get_relation_type() == Atspi.RelationType.LABELLED_BY]
        assert labels == [label], f"box {label!r} is labelled by {labels}"

    # Off the task bar by its own hint, a dialog, and focused when it opens:
    # openbox gives the focus to such a window only when it asks.
    xid = wait_until(lambda: run("xdotool", "search", "--onlyvisible", "--pid",
                                 str(process.pid), "--name", "^Vantorel:").stdout.split(),
                     "the X window")[0]
    hints = run("xprop", "-id", xid, "_NET_WM_STATE", "_NET_WM_WINDOW_TYPE").stdout
    for hint in ("_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_WINDOW_TYPE_DIALOG"):
        assert hint in hints, f"{hint} missing: {hints}"
    # The keys go where the X input focus is, which follows the active window.
    wait_until(lambda: active_window() == int(xid) and
               run("xdotool", "getwindowfocus").stdout.strip() == str(int(xid)),
               "the window to have the focus at open")

    # Enter presses the button that has the focus, as Space does.
    run("xdotool", "key", "--delay", "50", *keys_to_spin, "Return")
    wait_until(lambda: all(v in range(1, 11) for v in values()), "Enter to press Spin")
    press(found, "Clear" if "Clear" in buttons else "Zero")
    wait_until(lambda: values() == [0] * 5, "five zeros")
    check_heard(name, found, values)
    if "Clear" in buttons:  # a refused batch: the focus comes back once its message goes
        found[(Atspi.Role.TEXT, "Number of Spins")].set_text_contents("4e4")
        press(found, "Auto- Spinner")
        wait_until(lambda: active_window() not in (None, int(xid)), "the message to open")
        run("xdotool", "key", "Return")
        wait_until(lambda: active_window() == int(xid), "the focus back after the message")
    press(found, "Exit")
    status = process.wait(timeout=WAIT)
    errors = [line for line in process.stderr.read().splitlines()
              if "runtime error" in line or "Sanitizer" in line]
    assert status == 0 and not errors, f"{name} ended with {status}: {errors[:5]}"


def check_heard(name, found, values):
    """Spin is heard once, the digits in order; a batch once, as its last spin;
    auto-spin at 1 ms about once a second; the countdown's end, last."""
    heard = Heard()
    try:
        press(found, "Spin")
        wait_until(heard.notifications, "Spin heard")
        pump(0.5)
        assert all(v in range(1, 11) for v in values()), f"cells read {values()}"
        assert heard.notifications() == [" ".join(str(int(v)) for v in values())]
        box, count = ("Speed of Spins", "1") if "corvane" in name else ("Number of Spins", "999")
        found[(Atspi.Role.TEXT, box)].set_text_contents(count)
        heard.events.clear()
        press(found, "Auto- Spinner")
        if "corvane" in name:
            pump(3.0)
            press(found, "Zero")
            assert 1 <= len(heard.notifications()) <= 5, f"{heard.notifications()} in 3 s"
        else:
            wait_until(heard.notifications, "a batch heard")
            pump(1.0)
            assert heard.notifications() == [" ".join(str(int(v)) for v in values())]
        if name == "corvane2":
            found[(Atspi.Role.TEXT, "Countdown Speed")].set_text_contents("1")
            press(found, "Spin")
            heard.events.clear()
            press(found, "Count down")
            wait_until(lambda: "Countdown Complete" in heard.notifications(), "the end heard")
            pump(2.0)  # longer than a paced reading of the last tick would wait
            assert heard.notifications()[-1] == "Countdown Complete", heard.notifications()
    finally:
        heard.close()


def check_headless_run(path):
    """make run without a display keeps a picture of the window, not of the screen."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    # run-app.sh itself waits up to 20 s for the window and a virtual display.
    out = run(os.path.join(HERE, "..", "..", "scripts", "run-app.sh"), path, env=env,
              timeout=3 * WAIT).stdout
    shot = re.search(r"Screenshot of its window: (\S+)", out)
    assert shot, out
    with open(shot[1], "rb") as png:
        header = png.read(24)
    width, height = (int.from_bytes(header[i:i + 4], "big") for i in (16, 20))
    assert 757 <= width < 800 and 573 < height < 680, f"picture of {width} x {height}"


def main():
    programs = [arg.partition("=")[::2] for arg in sys.argv[1:]]
    home = tempfile.mkdtemp(prefix="vantorel-e2e-")  # HOME and XDG_RUNTIME_DIR, mode 0700
    os.environ.update(HOME=home, XDG_RUNTIME_DIR=home)
    for name in ("AT_SPI_BUS_ADDRESS", "QT_QPA_PLATFORM"):
        os.environ.pop(name, None)  # the programs' own choices, and this run's buses
    failures, process, wm = 0, None, None
    try:
        check_headless_run(programs[0][1])
        print(f"PASS {programs[0][0]} under make run without a display")
    except Exception as error:
        failures += 1
        print(f"FAIL {programs[0][0]} under make run without a display: {error!r}")
    # Without -noreset Xvfb resets when its last client leaves, and refuses the
    # clients that connect meanwhile (the accessibility registry).
    xvfb, os.environ["DISPLAY"] = start_xvfb("-noreset")
    # The session bus in a process group of its own, which the services it
    # starts on demand join, so that they all end together.
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                            f"--address=unix:path={home}/bus"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, start_new_session=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, start_new_session=True)
        wait_until(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout,
                   "the window manager")
        # As a screen reader does. Qt reads it once, as a program starts.
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                   GLib.Variant("b", True))), None, 0, int(WAIT * 1000))
        for name, path in programs:
            started = time.monotonic()
            process = subprocess.Popen([path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                       text=True)
            try:
                check_program(name, process)
                print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
            except Exception as error:  # report and go on with the next program
                failures += 1
                print(f"FAIL {name}: {error!r}")
            process.kill()
            process.wait()
    finally:
        if process:
            process.kill()
        for group in (p.pid for p in (wm, bus) if p):
            with contextlib.suppress(ProcessLookupError):
                os.killpg(group, signal.SIGTERM)
        bus.wait()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(home, ignore_errors=True)
    print(f"{failures} failed")
    return 1 if failures or not programs else 0


if __name__ == "__main__":
    sys.exit(main())
