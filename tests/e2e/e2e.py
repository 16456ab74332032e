#!/usr/bin/env python3
"""The programs on a private Xvfb with openbox, each its own process, driven
with xdotool and xclip and judged by what a person sees: title, fixed size,
the pixels of the cells, notice and schemes, and the exit status. Every wait
polls with a time limit. usage: e2e.py --catalogue bad_inputs.tsv NAME=PROGRAM...
"""

import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts"))
from xvfb import start_xvfb  # noqa: E402

TITLE = "Vantorel:        Drelmoth Software" + " " * 64 + "https://drelmoth.example/"
TWIPS = 15  # per pixel
WAIT = 20.0  # seconds: generous for a loaded 2-core machine
RED, GREEN, TINT = (255, 0, 0), (0, 255, 0), (255, 205, 205)


def layout(client, spin, visual, cells_at, table):
    """Where each control lies, in twips inside its container ("name container
    left top width height", separated by ";")."""
    controls = {f"Label1({i})": ("Frame2", cells_at[0] + 2190 * i, cells_at[1], 1935, 4935)
                for i in range(5)}
    for entry in table.split(";"):
        name, container, *numbers = entry.split()
        controls[name] = (container, *map(int, numbers))
    return {"client": client, "spin": spin, "visual": visual, "controls": controls}


LAYOUTS = {
    "corvane2": layout((11355, 8595), "cmdSpin", ["Normal", "Negative", "Fluro", "grey"], (240, 120), """
        Frame2 Form1 0 0 11415 8444; lblStop Frame2 360 360 6015 495;
        Frame1 Frame2 240 4800 10815 3255; txtInterval Frame1 360 1680 1095 840;
        cmdSpin Frame1 3240 600 1455 855; Command1 Frame1 8640 2160 1815 855;
        txtloop Frame1 6840 1680 1095 840; cmdAuto Frame1 5400 600 2535 855;
        cmdClear Frame1 8640 600 1815 855; cmdstart Frame1 360 600 2175 855"""),
    "corvane": layout((11355, 7800), "cmdSpin", ["Normal", "Negative"], (120, 240), """
        Frame2 Form1 0 0 11415 7815; Frame1 Frame2 360 4800 10695 2655;
        cmdSpin Frame1 2760 600 2535 855; Command1 Frame1 8040 1680 2535 855;
        txtloop Frame1 6480 1695 1455 840; cmdAuto Frame1 5400 600 2535 855;
        cmdClear Frame1 8040 600 2535 855; cmdstart Frame1 120 600 2535 855"""),
    "pallix": layout((11175, 7800), "cmdstart", [], (120, 240), """
        Frame2 Form1 120 120 10935 7575; Frame1 Frame2 120 4800 10695 2655;
        Command1 Frame1 7560 1680 2535 855; txtloop Frame1 5880 1680 735 735;
        cmdAuto Frame1 4080 600 2535 855; cmdClear Frame1 7560 600 2535 855;
        cmdstart Frame1 600 600 2535 855"""),
}
LAYOUTS["pallixb"] = LAYOUTS["pallix"]


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_until(predicate, what, timeout=WAIT):
    """Polls until predicate() is true; the state, not a guessed delay."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)
    return value


def run(*args, check_status=True):
    result = subprocess.run(args, capture_output=True, timeout=WAIT)
    if check_status and result.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {result.stderr.decode(errors='replace')}")
    return result.stdout


def xdotool(*args):
    return run("xdotool", *map(str, args)).decode()


class Image:
    """An RGB picture of a window, from ImageMagick's binary PPM."""

    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        check(header, "unexpected picture format")
        self.width, self.data = int(header[1]), ppm[header.end():]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def region(self, rect):
        x, y, w, h = rect
        starts = (3 * (row * self.width + x) for row in range(y, y + h))
        return b"".join(self.data[i:i + 3 * w] for i in starts)

    def colours(self, rect):
        data = self.region(rect)
        return collections.Counter(data[i:i + 3] for i in range(0, len(data), 3))


def alike(a, b):
    """Two pictures of one caption: glyph edges may be smoothed a little
    differently from one paint to the next, the glyph itself may not differ."""
    return a == b or sum(1 for x, y in zip(a, b) if abs(x - y) > 48) < 60


def all_alike(cells_a, cells_b):
    return all(map(alike, cells_a, cells_b))


def all_differ(cells_a, cells_b):
    return not any(map(alike, cells_a, cells_b))


class App:
    """A program on the display, as its own process."""

    def __init__(self, name, path):
        self.name, self.path, self.layout = name, path, LAYOUTS[name]
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.window = wait_until(self._find_window, f"the window of {name}")
        self.menu_height = 0
        wait_until(lambda: b"IsViewable" in run("xwininfo", "-id", self.window), "the window shown")
        title = xdotool("getwindowname", self.window).rstrip("\n")
        check(title == TITLE, f"title {title!r}")
        info = self.geometry()
        width, height = (v // TWIPS for v in self.layout["client"])
        check(info["width"] == width, f"window width {info['width']}, expected {width}")
        self.menu_height = info["height"] - height
        check(self.menu_height > 0 if self.layout["visual"] else self.menu_height == 0,
              f"a menu bar of {self.menu_height} pixels")
        # A fixed size: the size hints allow no other.
        hints = run("xprop", "-id", self.window, "WM_NORMAL_HINTS").decode()
        size = f"{info['width']} by {info['height']}"
        check(all(f"program specified {m} size: {size}" in hints for m in ("minimum", "maximum")),
              f"the window can be resized: {hints}")
        # The first frame has reached the screen once the cells show their digits.
        wait_until(lambda: self.cell(self.shot(), 0)[2] > 1000, "the first frame")
        self.zero = self.cells()

    def _find_window(self):
        out = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                  "--name", "^Vantorel:", check_status=False).split()
        check(self.process.poll() is None, f"{self.name} ended at start: {self.process.returncode}")
        return out[0].decode() if out else None

    def geometry(self):
        keys = {"Absolute upper-left X": "x", "Absolute upper-left Y": "y",
                "Width": "width", "Height": "height"}
        lines = (line.strip().partition(":") for line in
                 run("xwininfo", "-id", self.window).decode().splitlines())
        return {keys[key]: int(value) for key, _, value in lines if key in keys}

    def rect(self, name):
        """The control's rectangle in window pixels, as the window layer places it."""
        controls = self.layout["controls"]
        container, _, _, w, h = controls[name]
        x, y = 0, self.menu_height
        while name != "Form1":
            container, left, top, _, _ = controls[name]
            x, y, name = x + left // TWIPS, y + top // TWIPS, container
        return x, y, w // TWIPS, h // TWIPS

    def cell_rect(self, index, margin=6):
        """The part of a cell no other control covers."""
        x, y, w, h = self.rect(f"Label1({index})")
        frame_top = self.rect("Frame1")[1]
        return x + margin, y + margin, w - 2 * margin, min(h, frame_top - y) - 2 * margin

    def shot(self):
        return Image(run("import", "-window", self.window, "-depth", "8", "ppm:-"))

    def cells(self, image=None):
        image = image or self.shot()
        return [image.region(self.cell_rect(i)) for i in range(5)]

    def cell(self, image, index):
        """A cell's background (its top-left corner), the commonest other
        colour (the digit's) and how many pixels are not background."""
        rect = self.cell_rect(index)
        counts = image.colours(rect)
        back = bytes(image.pixel(*rect[:2]))
        digit = next((tuple(c) for c, _ in counts.most_common() if c != back), None)
        return tuple(back), digit, sum(counts.values()) - counts[back]

    def pattern(self, image=None):
        """Which cells show a digit: thousands of pixels; the outline of a
        shape crossing an empty cell is only a few hundred."""
        image = image or self.shot()
        return [self.cell(image, i)[2] > 1000 for i in range(5)]

    def wait_cells(self, compare, what):
        wait_until(lambda: compare(self.cells(), self.zero), what)

    def click(self, name):
        info = self.geometry()
        x, y, w, h = self.rect(name)
        xdotool("mousemove", info["x"] + x + w // 2, info["y"] + y + h // 2, "click", "1")

    def windows(self):
        return run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                   check_status=False).decode().split()

    def menu(self, menu, item):
        """Opens a menu of the menu bar with the mouse and picks an item with the keys."""
        info, shot, row = self.geometry(), self.shot(), self.menu_height // 2
        # The titles are the runs of dark text in the menu bar, left to right.
        runs = []
        for x in range(info["width"] // 2):
            if min(shot.pixel(x, row + dy)[0] for dy in range(-4, 5)) < 100:
                if runs and x - runs[-1][-1] <= 8:
                    runs[-1].append(x)
                else:
                    runs.append([x])
        check(len(runs) >= 2, "menu titles not found in the menu bar")
        title = runs[["Output", "Visual"].index(menu)]
        count = len(self.windows())
        xdotool("mousemove", info["x"] + (title[0] + title[-1]) // 2, info["y"] + row, "click", "1")
        wait_until(lambda: len(self.windows()) > count, f"the {menu} menu to open")
        xdotool("key", "--delay", "30", *["Down"] * (item + 1), "Return")
        wait_until(lambda: len(self.windows()) == count, f"the {menu} menu to close")

    def message_window(self):
        return next((w for w in self.windows() if w != self.window and
                     run("xdotool", "getwindowname", w, check_status=False).strip() == b"Vantorel"),
                    None)

    def close_message(self):
        xdotool("windowactivate", "--sync", wait_until(self.message_window, "the message"))
        xdotool("key", "Return")
        wait_until(lambda: self.message_window() is None, "the message to close")

    def set_text(self, box, text):
        """Selects all of the box, then types the text, or pastes it where it
        holds characters a keyboard does not type."""
        self.click(box)
        xdotool("key", "ctrl+a")
        if not (text.isprintable() and text.isascii()):
            # xclip stays behind to serve the clipboard until the next copy.
            subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=WAIT,
                           check=True)
            xdotool("key", "ctrl+v")
        elif text:
            xdotool("type", "--delay", "20", "--", text)
        else:
            xdotool("key", "BackSpace")

    def end(self, how):
        try:
            status = self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            self.kill()
            raise Failure(f"{self.name} did not end after {how}")
        # What AddressSanitizer, LeakSanitizer or UBSan said, in the asan build.
        errors = self.process.stderr.read().decode(errors="replace").splitlines()
        first = next((i for i, line in enumerate(errors)
                      if "runtime error" in line or "Sanitizer" in line), None)
        check(first is None, f"{self.name} after {how}:\n" + "\n".join(errors[first or 0:][:40]))
        check(status == 0, f"{self.name} ended with status {status} after {how}")

    def restart(self):
        """Leaves by "Exit" and starts the program again."""
        self.click("Command1")
        self.end("Exit")
        return App(self.name, self.path)

    def kill(self):
        self.process.kill()
        self.process.wait()


# --- the scenarios ---------------------------------------------------------------

def space_and_spin(app):
    """The space bar presses the button that has the focus at start, then the
    Spin button: a spin never shows 0, so every cell changes; Zero/Clear
    brings the zeros back."""
    def spun_then_zero(what):
        app.wait_cells(all_differ, f"all five cells to change after {what}")
        app.click("cmdClear")
        app.wait_cells(all_alike, f"five zeros after {what} and Zero/Clear")

    xdotool("windowactivate", "--sync", app.window)
    xdotool("key", "space")
    if app.name == "corvane":  # "Count down" on 0 0 0: cells 3 and 4 go
        wait_until(lambda: app.pattern()[3:] == [False, False], "space to press Count down")
        app.click("cmdClear")  # stops the count before its first tick can rewrite cells
        app.menu("Output", 0)
        app.wait_cells(all_alike, "five zeros again")
    else:
        spun_then_zero("space")
    app.click(app.layout["spin"])
    spun_then_zero("Spin")


def output_patterns(app):
    shown = {1: "11110", 2: "01110", 3: "01100", 4: "00100"}
    for item, cells in shown.items():
        app.menu("Output", item)
        wait_until(lambda: app.pattern() == [c == "1" for c in cells], f"Output item {item}")
    app.menu("Output", 0)
    app.wait_cells(all_alike, "all five cells back after 5 Numbers")


def schemes(app):
    """Reads each scheme's colours from the screen, against colours the window
    itself shows: the face of Frame1, and the start-up colours."""
    shot = app.shot()
    fx, fy, _, _ = app.rect("Frame1")
    face = shot.pixel(fx + 4, fy + 4)
    previous = app.cell(shot, 0)[:2]
    if app.name == "corvane2":  # starts in Fluro: green digits on the button-text colour
        check(previous[0] != face and previous[1] == GREEN, f"start-up is not Fluro: {previous}")
        text = previous[0]
        expected = {"Normal": (face, text), "Fluro": (text, GREEN)}
    else:
        check(previous[0] == face, f"corvane does not start in the control colours: {previous}")
        text = previous[1]
        expected = {"Normal": (face, text), "Negative": (text, GREEN)}
    for item, scheme in enumerate(app.layout["visual"]):
        app.menu("Visual", item)

        def applied():
            image = app.shot()
            worn = {app.cell(image, i)[:2] for i in range(5)}
            x, y, _, _ = app.rect("Frame2")
            if len(worn) != 1 or image.pixel(x + 4, y + 4) != next(iter(worn))[0]:
                return None  # not all of the display wears one scheme yet
            now = worn.pop()
            # Colours not known beforehand (highlight text) must at least
            # differ from the scheme before, which every scheme here does.
            done = now == expected[scheme] if scheme in expected else now != previous
            return now if done else None
        previous = wait_until(applied, f"the {scheme} scheme on Frame2 and all five cells")
        if scheme == "Negative" and app.name == "corvane2":
            check(previous[0] == text and previous[1] not in (text, face),
                  f"Negative: {previous}, expected highlight text on {text}")
            expected["grey"] = (face, previous[1])
    app.menu("Visual", 2 if app.name == "corvane2" else 0)
    app.wait_cells(all_alike, "the start-up scheme back")


def countdown_notice(app):
    app.set_text("txtInterval", "1")
    app.click("cmdSpin")
    app.wait_cells(all_differ, "a spin")
    app.click("cmdstart")
    notice = app.rect("lblStop")
    lx, ly, lw, lh = notice
    shot = wait_until(lambda: (lambda s: s if s.colours(notice)[bytes(RED)] > lw * lh // 3
                               else None)(app.shot()), "Countdown Complete", timeout=60)
    # Below the notice, cells 0 to 2 read 0 again; cells 3 and 4 are hidden.
    for i, (x, y, w, h) in enumerate(map(app.cell_rect, range(3))):
        below = 3 * w * (ly + lh - y + 2)
        check(alike(shot.region((x, y, w, h))[below:], app.zero[i][below:]), f"cell {i} not 0")
    check(app.pattern(shot)[3:] == [False, False], "cells 3 and 4 still shown")
    app.click("cmdSpin")
    wait_until(lambda: app.shot().colours(notice)[bytes(RED)] == 0, "a spin to hide the notice")
    app.menu("Output", 0)
    app.click("cmdClear")
    app.wait_cells(all_alike, "Zero")


def auto_spin(app):
    app.set_text("txtloop", "40")
    app.click("cmdAuto")
    seen = {tuple(app.cells())}
    wait_until(lambda: seen.add(tuple(app.cells())) or len(seen) > 3, "three spins by auto-spin")
    app.click("cmdClear")
    app.wait_cells(all_alike, "Zero to stop auto-spin")
    # Stopped: the zeros stay through many intervals of 40 ms.
    deadline = time.monotonic() + 0.6
    while time.monotonic() < deadline:
        check(all_alike(app.cells(), app.zero), "auto-spin went on after Zero")


def bad_inputs(app, rows, box, key):
    """Each value is taken, or refused visibly (the box's tint, or its
    message when "Auto" reads it), and the program lives on. Speed of Spins
    spins at the first tick of an accepted interval; Number of Spins spins a
    batch of a count above 0 and nothing otherwise."""
    x, y, _, h = app.rect(box)
    interval = 500
    for row in rows:
        tag, value = row["tag"], row[key]
        if key == "interval" and box == "txtloop" and not 0 < interval <= 1000:
            app, interval = app.restart(), 500  # the timer no longer ticks, or too slowly
        app.set_text(box, row["text"])
        if box == "txtInterval":  # taken at each change
            wait_until(lambda: (app.shot().pixel(x + 5, y + h - 5) == TINT) == (value is None),
                       f"{tag}: the box tinted for a refused value only")
        else:
            app.click("cmdAuto")
            if value is not None and (value > 0 or key == "interval"):
                app.wait_cells(lambda a, b: not all_alike(a, b), f"{tag}: a spin")
                interval = value
                app.click("cmdClear")
                app.wait_cells(all_alike, "Zero")
            else:
                if value is None:
                    app.close_message()
                else:
                    check(app.message_window() is None, f"{tag}: a message for no spins")
                check(all_alike(app.cells(), app.zero), f"{tag}: the cells changed")
        check(app.process.poll() is None, f"{tag}: the program ended")
    return app


def close_box(app):
    """Clicks the close box the window manager draws at the right of the title bar."""
    frame = run("xprop", "-id", app.window, "_NET_FRAME_EXTENTS").decode()
    _, right, top, _ = (int(v) for v in frame.split("=")[1].split(","))
    info = app.geometry()
    xdotool("mousemove", info["x"] + info["width"] + right - top // 2 - 2, info["y"] - top // 2,
            "click", "1")
    app.end("the close box")


def scenarios(name, path, rows, fresh):
    app = App(name, path)
    fresh[name] = app.shot().data
    steps = [("spin", space_and_spin)]
    if name == "corvane2":
        steps.append(("countdown", countdown_notice))
    if app.layout["visual"]:
        steps += [("output", output_patterns), ("schemes", schemes), ("auto-spin", auto_spin)]
    key = "spins" if name.startswith("pallix") else "interval"
    for box in ("txtInterval", "txtloop"):
        if box in app.layout["controls"]:
            steps.append((box, lambda app, box=box: bad_inputs(app, rows, box, key)))
    steps += [("exit", App.restart), ("close-box", close_box)]
    timings = []
    try:
        for what, step in steps:
            started = time.monotonic()
            app = step(app) or app
            timings.append(f"{what} {time.monotonic() - started:.1f}s")
    except Exception:
        run("import", "-window", "root", os.path.join(os.getcwd(), f"e2e-{name}.png"),
            check_status=False)
        raise
    finally:
        print(f"  {name}: " + ", ".join(timings), flush=True)
        app.kill()


def load_catalogue(path):
    """The rows marked for the real display."""
    with open(path, encoding="ascii") as f:
        lines = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    rows = [dict(zip(lines[0].split("\t"), line.split("\t"))) for line in lines[1:]]
    for row in rows:
        row["text"] = row["text"].encode("ascii").decode("unicode_escape")
        for key in ("interval", "spins"):
            row[key] = None if row[key] == "refused" else int(row[key])
    return [row for row in rows if row["e2e"] == "yes"]


def start_display(workdir):
    """A private Xvfb on a display number it chooses itself, and openbox on it."""
    xvfb, display = start_xvfb()
    check(display, "Xvfb did not start")
    os.environ["DISPLAY"] = display
    os.environ["HOME"] = workdir  # openbox and Qt keep their files here
    os.environ.pop("QT_QPA_PLATFORM", None)
    wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    wait_until(lambda: b"window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                           check_status=False), "the window manager")
    return xvfb, wm


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--catalogue", required=True)
    parser.add_argument("programs", nargs="+", help="NAME=PATH")
    args = parser.parse_args()
    for tool in ("Xvfb", "openbox", "xdotool", "xclip", "xprop", "xwininfo", "import"):
        if not shutil.which(tool):
            print(f"{tool} is missing: run scripts/setup-deps.sh", file=sys.stderr)
            return 1
    rows = load_catalogue(args.catalogue)
    fresh = {}  # each program's fresh window, as pixels
    failures = 0
    with tempfile.TemporaryDirectory(prefix="vantorel-e2e-") as workdir:
        xvfb, wm = start_display(workdir)
        try:
            for name, _, path in (entry.partition("=") for entry in args.programs):
                started = time.monotonic()
                try:
                    scenarios(name, path, rows, fresh)
                    print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
                except Exception as error:  # report and go on with the next program
                    failures += 1
                    print(f"FAIL {name}: {error}")
                    if not isinstance(error, Failure):
                        traceback.print_exc()
            if "pallix" in fresh and "pallixb" in fresh:
                same = alike(fresh["pallix"], fresh["pallixb"])
                failures += not same
                print(f"{'PASS' if same else 'FAIL'} pallix and pallixb open identical windows")
        finally:
            for process in (wm, xvfb):
                process.terminate()
                process.wait()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
