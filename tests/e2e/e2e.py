#!/usr/bin/env python3
"""The programs on a real X display, driven as a person drives them.

Starts a private Xvfb with a small window manager, launches each program as
its own process and uses xdotool to click, type, paste and open the menus.
Every check reads what a person would see: the title, the fixed size, the
pixels of the digit cells, the notice and the scheme colours, and the exit
status when the program is left by "Exit" or by the close box.

usage: e2e.py --catalogue bad_inputs.tsv NAME=PROGRAM...
"""

import argparse
import collections
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

TITLE = ("Vantorel:        Drelmoth Software" + " " * 64 + "https://drelmoth.example/")
TWIPS_PER_PIXEL = 15
WAIT = 20.0  # seconds: generous for a loaded 2-core machine

# The window descriptions, as a person sees them: where each control lies, in
# twips inside its container, and which container holds it.
Control = collections.namedtuple("Control", "container left top width height")


def cells(container, left, top, step=2190):
    return {f"Label1({i})": Control(container, left + step * i, top, 1935, 4935)
            for i in range(5)}


LAYOUTS = {
    "corvane2": {
        "client": (11355, 8595), "menus": ["Output", "Visual"],
        "visual": ["Normal", "Negative", "Fluro", "grey"],
        "spin": "cmdSpin", "clear": "cmdClear",
        "controls": {
            "Frame2": Control("Form1", 0, 0, 11415, 8444),
            "lblStop": Control("Frame2", 360, 360, 6015, 495),
            **cells("Frame2", 240, 120),
            "Frame1": Control("Frame2", 240, 4800, 10815, 3255),
            "txtInterval": Control("Frame1", 360, 1680, 1095, 840),
            "cmdSpin": Control("Frame1", 3240, 600, 1455, 855),
            "Command1": Control("Frame1", 8640, 2160, 1815, 855),
            "txtloop": Control("Frame1", 6840, 1680, 1095, 840),
            "cmdAuto": Control("Frame1", 5400, 600, 2535, 855),
            "cmdClear": Control("Frame1", 8640, 600, 1815, 855),
            "cmdstart": Control("Frame1", 360, 600, 2175, 855),
        },
    },
    "corvane": {
        "client": (11355, 7800), "menus": ["Output", "Visual"],
        "visual": ["Normal", "Negative"],
        "spin": "cmdSpin", "clear": "cmdClear",
        "controls": {
            "Frame2": Control("Form1", 0, 0, 11415, 7815),
            **cells("Frame2", 120, 240),
            "Frame1": Control("Frame2", 360, 4800, 10695, 2655),
            "cmdSpin": Control("Frame1", 2760, 600, 2535, 855),
            "Command1": Control("Frame1", 8040, 1680, 2535, 855),
            "txtloop": Control("Frame1", 6480, 1695, 1455, 840),
            "cmdAuto": Control("Frame1", 5400, 600, 2535, 855),
            "cmdClear": Control("Frame1", 8040, 600, 2535, 855),
            "cmdstart": Control("Frame1", 120, 600, 2535, 855),
        },
    },
    "pallix": {
        "client": (11175, 7800), "menus": [], "visual": [],
        "spin": "cmdstart", "clear": "cmdClear",
        "controls": {
            "Frame2": Control("Form1", 120, 120, 10935, 7575),
            "Frame1": Control("Frame2", 120, 4800, 10695, 2655),
            **cells("Frame2", 120, 240),
            "Command1": Control("Frame1", 7560, 1680, 2535, 855),
            "txtloop": Control("Frame1", 5880, 1680, 735, 735),
            "cmdAuto": Control("Frame1", 4080, 600, 2535, 855),
            "cmdClear": Control("Frame1", 7560, 600, 2535, 855),
            "cmdstart": Control("Frame1", 600, 600, 2535, 855),
        },
    },
}
LAYOUTS["pallixb"] = LAYOUTS["pallix"]


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_until(predicate, what, timeout=WAIT, interval=0.05):
    """Polls until predicate() is true; the state, not a guessed delay."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def run(*args, timeout=WAIT, check_status=True, input_bytes=None):
    result = subprocess.run(args, capture_output=True, timeout=timeout, input=input_bytes)
    if check_status and result.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {result.stderr.decode(errors='replace')}")
    return result.stdout


def xdotool(*args):
    return run("xdotool", *args).decode()


# --- pixels -----------------------------------------------------------------

class Image:
    """An RGB picture of a window, from ImageMagick's binary PPM."""

    def __init__(self, ppm):
        fields = []
        pos = 0
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace():
                pos += 1
            if ppm[pos:pos + 1] == b"#":
                pos = ppm.index(b"\n", pos)
                continue
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected picture format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def region(self, rect):
        x, y, w, h = rect
        rows = []
        for row in range(y, y + h):
            i = 3 * (row * self.width + x)
            rows.append(self.data[i:i + 3 * w])
        return b"".join(rows)

    def colours(self, rect):
        data = self.region(rect)
        return collections.Counter(data[i:i + 3] for i in range(0, len(data), 3))


def alike(a, b):
    """Two pictures of one caption: glyph edges may be smoothed a little
    differently from one paint to the next, the glyph itself may not differ."""
    if a == b:
        return True
    return sum(1 for x, y in zip(a, b) if abs(x - y) > 48) < 60


def all_alike(cells_a, cells_b):
    return all(alike(a, b) for a, b in zip(cells_a, cells_b))


def all_differ(cells_a, cells_b):
    return not any(alike(a, b) for a, b in zip(cells_a, cells_b))


def colour_count(image, rect, colour):
    return image.colours(rect)[bytes(colour)]


# --- a program on the display ---------------------------------------------------

class App:
    def __init__(self, name, path):
        self.name = name
        self.layout = LAYOUTS[name]
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        self.window = wait_until(self._find_window, f"the window of {name}")
        self.menu_height = 0
        wait_until(self._mapped, "the window to be shown")
        info = self.geometry()
        client_w, client_h = (v // TWIPS_PER_PIXEL for v in self.layout["client"])
        check(info["width"] == client_w, f"window width {info['width']}, expected {client_w}")
        self.menu_height = info["height"] - client_h
        check(self.menu_height >= 0, "window smaller than its client area")
        check((self.menu_height > 0) == bool(self.layout["menus"]),
              "menu bar present where there is none, or missing")
        # The first frame has reached the screen once the cells show their digits.
        wait_until(lambda: self.shown(self.shot(), 0), "the first frame")

    def _find_window(self):
        out = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                  "--name", "^Vantorel:", check_status=False).split()
        if self.process.poll() is not None:
            raise Failure(f"{self.name} ended at start with status {self.process.returncode}")
        return out[0].decode() if out else None

    def _mapped(self):
        return b"IsViewable" in run("xwininfo", "-id", self.window)

    def geometry(self):
        info = {}
        for line in run("xwininfo", "-id", self.window).decode().splitlines():
            key, _, value = line.strip().partition(":")
            if key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                info[key.split()[-1].lower()] = int(value)
        return info

    def rect(self, name):
        """The control's rectangle in window pixels, as the window layer places it."""
        controls = self.layout["controls"]
        x, y = 0, self.menu_height
        control = controls[name]
        w, h = control.width // TWIPS_PER_PIXEL, control.height // TWIPS_PER_PIXEL
        while True:
            x += control.left // TWIPS_PER_PIXEL
            y += control.top // TWIPS_PER_PIXEL
            if control.container == "Form1":
                return x, y, w, h
            control = controls[control.container]

    def cell_rect(self, index, margin=6):
        """The part of a cell no other control covers."""
        x, y, w, h = self.rect(f"Label1({index})")
        fx, fy, _, _ = self.rect("Frame1")
        return x + margin, y + margin, w - 2 * margin, min(h, fy - y) - 2 * margin

    def shot(self):
        return Image(run("import", "-window", self.window, "-depth", "8", "ppm:-"))

    def click(self, name):
        info = self.geometry()
        x, y, w, h = self.rect(name)
        xdotool("mousemove", str(info["x"] + x + w // 2), str(info["y"] + y + h // 2),
                "click", "1")

    def focus(self):
        xdotool("windowactivate", "--sync", self.window)

    def alive(self):
        return self.process.poll() is None

    # What a cell shows: its digit is every pixel that is not the cell's
    # background, which the top-left corner shows.
    def background(self, image, index):
        x, y, _, _ = self.cell_rect(index)
        return image.pixel(x, y)

    def digit_pixels(self, image, index):
        rect = self.cell_rect(index)
        counts = image.colours(rect)
        return sum(counts.values()) - counts[bytes(self.background(image, index))]

    def shown(self, image, index):
        # A digit covers thousands of pixels; the outline of a shape crossing
        # an empty cell only a few hundred.
        return self.digit_pixels(image, index) > 1000

    def digit_colour(self, image, index):
        rect = self.cell_rect(index)
        counts = image.colours(rect)
        background = bytes(self.background(image, index))
        for colour, _ in counts.most_common():
            if colour != background:
                return tuple(colour)
        return None

    def cells(self, image):
        return [image.region(self.cell_rect(i)) for i in range(5)]

    def menu(self, menu, item):
        """Opens a menu of the menu bar with the mouse and picks an item with the keys."""
        info = self.geometry()
        shot = self.shot()
        # The titles are the runs of dark text in the menu bar, left to right.
        row = self.menu_height // 2
        dark = [x for x in range(info["width"] // 2)
                if min(shot.pixel(x, row + dy)[0] for dy in range(-4, 5)) < 100]
        runs = []
        for x in dark:
            if runs and x - runs[-1][-1] <= 8:
                runs[-1].append(x)
            else:
                runs.append([x])
        index = self.layout["menus"].index(menu)
        check(len(runs) >= len(self.layout["menus"]), "menu titles not found in the menu bar")
        title_x = (runs[index][0] + runs[index][-1]) // 2
        windows = self.visible_windows()
        xdotool("mousemove", str(info["x"] + title_x), str(info["y"] + row), "click", "1")
        wait_until(lambda: len(self.visible_windows()) > len(windows), f"the {menu} menu to open")
        keys = ["Down"] * (item + 1) + ["Return"]
        xdotool("key", "--delay", "30", *keys)
        wait_until(lambda: len(self.visible_windows()) == len(windows), f"the {menu} menu to close")

    def visible_windows(self):
        return run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                   check_status=False).split()

    def message_window(self):
        for window in self.visible_windows():
            if window.decode() != self.window:
                name = run("xdotool", "getwindowname", window.decode(), check_status=False)
                if name.strip() == b"Vantorel":
                    return window.decode()
        return None

    def close_message(self):
        message = wait_until(self.message_window, "the message")
        xdotool("windowactivate", "--sync", message)
        xdotool("key", "Return")
        wait_until(lambda: self.message_window() is None, "the message to close")

    def set_text(self, box, text, paste):
        self.click(box)
        xdotool("key", "ctrl+a")
        if paste:
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
        report = self.sanitizer_report()
        check(not report, f"{self.name} after {how}:\n{report}")
        check(status == 0, f"{self.name} ended with status {status} after {how}")

    def sanitizer_report(self):
        """What AddressSanitizer, LeakSanitizer or UBSan said, in the asan build."""
        if self.process.poll() is None:
            return ""
        errors = self.process.stderr.read().decode(errors="replace").splitlines()
        for i, line in enumerate(errors):
            if "runtime error" in line or "Sanitizer" in line:
                return "\n".join(errors[i:i + 40])
        return ""

    def kill(self):
        if self.alive():
            self.process.kill()
            self.process.wait()


# --- the scenarios ---------------------------------------------------------------

def fixed_size_and_title(app):
    name = run("xdotool", "getwindowname", app.window).decode().rstrip("\n")
    check(name == TITLE, f"title {name!r}")
    hints = run("xprop", "-id", app.window, "WM_NORMAL_HINTS").decode()
    info = app.geometry()
    size = f"{info['width']} by {info['height']}"
    check(f"program specified minimum size: {size}" in hints and
          f"program specified maximum size: {size}" in hints,
          f"the window can be resized: {hints}")


def space_bar(app, zero):
    """The space bar presses the button that has the focus at start."""
    app.focus()
    xdotool("key", "space")
    if app.name == "corvane":  # "Count down" on 0 0 0: cells 3 and 4 go
        wait_until(lambda: not any(app.shown(app.shot(), i) for i in (3, 4)),
                   "space to press Count down")
        app.click("cmdClear")  # stops the count before its first tick can rewrite cells
        app.menu("Output", 0)
        wait_until(lambda: all_alike(app.cells(app.shot()), zero), "five zeros again")
    else:
        wait_until(lambda: all_differ(app.cells(app.shot()), zero), "space to press Spin")
        app.click(app.layout["clear"])
        wait_until(lambda: all_alike(app.cells(app.shot()), zero), "five zeros again")


def spin_and_clear(app, zero):
    before = app.cells(app.shot())
    app.click(app.layout["spin"])
    # A spin never shows 0, so every cell must change.
    wait_until(lambda: all_differ(app.cells(app.shot()), zero),
               "all five cells to change after Spin")
    check(all_alike(before, zero), "the fresh window changed by itself")
    app.click(app.layout["clear"])
    wait_until(lambda: all_alike(app.cells(app.shot()), zero), "five zeros after Zero/Clear")


def output_patterns(app, zero):
    patterns = {"5 Numbers": [1, 1, 1, 1, 1], "4 Numbers": [1, 1, 1, 1, 0],
                "3 Numbers": [0, 1, 1, 1, 0], "2 Numbers": [0, 1, 1, 0, 0],
                "1 Number": [0, 0, 1, 0, 0]}
    for item, (caption, shown) in enumerate(patterns.items()):
        if caption == "5 Numbers":
            continue
        app.menu("Output", item)
        wait_until(lambda: [int(app.shown(app.shot(), i)) for i in range(5)] == shown,
                   f"the cells of {caption}")
    app.menu("Output", 0)
    wait_until(lambda: all_alike(app.cells(app.shot()), zero), "all five cells back after 5 Numbers")


def schemes(app):
    """Reads each scheme's colours from the screen, against colours the window
    itself shows: the face of Frame1, and the start-up colours."""
    shot = app.shot()
    fx, fy, _, _ = app.rect("Frame1")
    face = shot.pixel(fx + 4, fy + 4)
    start = (app.background(shot, 0), app.digit_colour(shot, 0))
    green = (0, 255, 0)
    if app.name == "corvane2":
        check(start[0] != face and start[1] == green, f"start-up is not Fluro: {start}")
        text = start[0]  # Fluro: digits on the button-text colour
        expected = {"Normal": (face, text), "Fluro": (text, green)}
    else:
        check(start[0] == face, f"corvane does not start in the control colours: {start}")
        text = start[1]
        expected = {"Normal": (face, text), "Negative": (text, green)}
    previous = start
    for item, scheme in enumerate(app.layout["visual"]):
        app.menu("Visual", item)

        def applied():
            image = app.shot()
            colours = {(app.background(image, i), app.digit_colour(image, i)) for i in range(5)}
            x, y, _, _ = app.rect("Frame2")
            if len(colours) != 1 or image.pixel(x + 4, y + 4) != next(iter(colours))[0]:
                return None  # not all of the display wears one scheme yet
            now = colours.pop()
            # Colours not known beforehand (highlight text) must at least
            # differ from the scheme before, which every scheme here does.
            if scheme in expected:
                return now if now == expected[scheme] else None
            return now if now != previous else None
        previous = wait_until(applied, f"the {scheme} scheme on Frame2 and all five cells")
        if scheme == "Negative" and app.name == "corvane2":
            highlight = previous[1]
            check(previous[0] == text and highlight not in (text, face),
                  f"Negative: {previous}, expected highlight text on {text}")
            expected["grey"] = (face, highlight)
    app.menu("Visual", app.layout["visual"].index("Fluro") if app.name == "corvane2" else 0)


def countdown_notice(app, zero):
    app.set_text("txtInterval", "1", paste=False)
    app.click("cmdSpin")
    wait_until(lambda: all_differ(app.cells(app.shot()), zero), "a spin")
    app.click("cmdstart")
    lx, ly, lw, lh = app.rect("lblStop")
    red = (255, 0, 0)
    shot = wait_until(lambda: (lambda s: s if colour_count(s, (lx, ly, lw, lh), red) > lw * lh // 3
                               else None)(app.shot()), "Countdown Complete", timeout=60)
    # Below the notice, cells 0 to 2 read 0 again; cells 3 and 4 are hidden.
    for i in range(3):
        x, y, w, h = app.cell_rect(i)
        top = ly + lh - y + 2
        zero_part = zero[i][3 * w * top:]
        check(alike(shot.region((x, y, w, h))[3 * w * top:], zero_part), f"cell {i} does not read 0")
    check(not any(app.shown(shot, i) for i in (3, 4)), "cells 3 and 4 still shown")
    app.click("cmdSpin")
    wait_until(lambda: colour_count(app.shot(), (lx, ly, lw, lh), red) == 0,
               "a spin to hide the notice")
    app.menu("Output", 0)


def auto_spin(app, zero):
    app.set_text("txtloop", "40", paste=False)
    app.click("cmdAuto")
    changes = 0
    last = app.cells(app.shot())
    deadline = time.monotonic() + WAIT
    while changes < 3:
        check(time.monotonic() < deadline, "auto-spin did not spin three times")
        now = app.cells(app.shot())
        if now != last:
            changes += 1
            last = now
        time.sleep(0.02)
    app.click("cmdClear")
    wait_until(lambda: all_alike(app.cells(app.shot()), zero), "Zero to stop auto-spin")
    # Stopped: the zeros stay through many intervals of 40 ms.
    deadline = time.monotonic() + 0.6
    while time.monotonic() < deadline:
        check(all_alike(app.cells(app.shot()), zero), "auto-spin went on after Zero")
        time.sleep(0.05)


def bad_inputs_interval_tick(app, rows, path, zero):
    """Speed of Spins: the first tick takes the value, spins, or refuses it with a message."""
    interval = 500
    for row in rows:
        if interval == 0 or interval > 1000:
            app.click("Command1")
            app.end("Exit")
            app = App(app.name, path)
            interval = 500
        paste = not row["text"].isprintable() or not row["text"].isascii()
        app.set_text("txtloop", row["text"], paste)
        app.click("cmdAuto")
        if row["interval"] is None:
            app.close_message()
            check(all_alike(app.cells(app.shot()), zero), f"{row['tag']}: refused, but the cells changed")
        else:
            wait_until(lambda: not all_alike(app.cells(app.shot()), zero), f"{row['tag']}: a spin at the tick")
            interval = row["interval"]
            app.click("cmdClear")
            wait_until(lambda: all_alike(app.cells(app.shot()), zero), "Zero")
        check(app.alive(), f"{row['tag']}: the program ended")
    return app


def bad_inputs_countdown(app, rows):
    """Countdown Speed: a refused value tints the box at once; others do not."""
    x, y, w, h = app.rect("txtInterval")
    for row in rows:
        paste = not row["text"].isprintable() or not row["text"].isascii()
        app.set_text("txtInterval", row["text"], paste)

        def tinted():
            return app.shot().pixel(x + 5, y + h - 5) == (255, 205, 205)
        if row["interval"] is None:
            wait_until(tinted, f"{row['tag']}: the refused value to tint the box")
        else:
            wait_until(lambda: not tinted(), f"{row['tag']}: an accepted value to leave the box plain")
        check(app.alive(), f"{row['tag']}: the program ended")


def bad_inputs_batch(app, rows, zero):
    """Number of Spins: a refused count shows the message and spins nothing."""
    for row in rows:
        paste = not row["text"].isprintable() or not row["text"].isascii()
        app.set_text("txtloop", row["text"], paste)
        app.click("cmdAuto")
        if row["spins"] is None:
            app.close_message()
            check(all_alike(app.cells(app.shot()), zero), f"{row['tag']}: refused, but the cells changed")
        elif row["spins"] > 0:
            wait_until(lambda: all_differ(app.cells(app.shot()), zero),
                       f"{row['tag']}: the batch to spin")
            app.click("cmdClear")
            wait_until(lambda: all_alike(app.cells(app.shot()), zero), "Clear")
        else:
            # No batch: the same click later spins nothing either.
            check(app.message_window() is None, f"{row['tag']}: a message for no spins")
            check(all_alike(app.cells(app.shot()), zero), f"{row['tag']}: cells changed without a spin")
        check(app.alive(), f"{row['tag']}: the program ended")


def close_box(app):
    """Clicks the close box the window manager draws at the right of the title bar."""
    frame = run("xprop", "-id", app.window, "_NET_FRAME_EXTENTS").decode()
    left, right, top, _ = (int(v) for v in frame.split("=")[1].split(","))
    info = app.geometry()
    x = info["x"] + info["width"] + right - top // 2 - 2
    y = info["y"] - top // 2
    xdotool("mousemove", str(x), str(y), "click", "1")
    app.end("the close box")


def load_catalogue(path):
    rows = []
    with open(path, encoding="ascii") as f:
        lines = [line.rstrip("\n") for line in f if not line.startswith("#")]
    header = lines[0].split("\t")
    for line in lines[1:]:
        row = dict(zip(header, line.split("\t")))
        row["text"] = row["text"].encode("ascii").decode("unicode_escape")
        for key in ("interval", "spins"):
            row[key] = None if row[key] == "refused" else int(row[key])
        rows.append(row)
    return rows


def scenarios(name, path, catalogue, fresh):
    rows = [row for row in catalogue if row["e2e"] == "yes"]
    app = App(name, path)
    fresh[name] = app.shot().data
    timings = []

    def step(what, function, *args):
        started = time.monotonic()
        result = function(*args)
        timings.append(f"{what} {time.monotonic() - started:.1f}s")
        return result
    try:
        step("title", fixed_size_and_title, app)
        zero = app.cells(app.shot())
        step("space", space_bar, app, zero)
        step("spin", spin_and_clear, app, zero)
        if name == "corvane2":
            step("countdown", countdown_notice, app, zero)
            app.click("cmdClear")
            wait_until(lambda: all_alike(app.cells(app.shot()), zero), "Zero")
        if app.layout["menus"]:
            step("output", output_patterns, app, zero)
            step("schemes", schemes, app)
            zero = app.cells(app.shot())
            step("auto-spin", auto_spin, app, zero)
        if name == "corvane2":
            step("countdown-box", bad_inputs_countdown, app, rows)
        if name in ("corvane2", "corvane"):
            app = step("spin-box", bad_inputs_interval_tick, app, rows, path, zero)
        if name.startswith("pallix"):
            step("spins-box", bad_inputs_batch, app, rows, zero)
        app.click("Command1")
        step("exit", app.end, "Exit")
        app = App(name, path)
        step("close-box", close_box, app)
    except Exception:
        run("import", "-window", "root", os.path.join(os.getcwd(), f"e2e-{name}.png"),
            check_status=False)
        raise
    finally:
        print(f"  {name}: " + ", ".join(timings), flush=True)
        app.kill()


def start_display(workdir):
    """A private Xvfb on a display number it chooses itself, and openbox on it."""
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp"], pass_fds=[write_fd],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    with os.fdopen(read_fd, "rb") as pipe:
        number = pipe.readline().strip()
    check(number, "Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number.decode()
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
    catalogue = load_catalogue(args.catalogue)
    fresh = {}  # each program's fresh window, as pixels
    failures = 0
    with tempfile.TemporaryDirectory(prefix="vantorel-e2e-") as workdir:
        xvfb, wm = start_display(workdir)
        try:
            for entry in args.programs:
                name, _, path = entry.partition("=")
                started = time.monotonic()
                try:
                    scenarios(name, path, catalogue, fresh)
                    print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
                except Exception as error:  # report and go on with the next program
                    failures += 1
                    print(f"FAIL {name}: {error}")
                    if not isinstance(error, Failure):
                        traceback.print_exc()
            if "pallix" in fresh and "pallixb" in fresh:
                if alike(fresh["pallix"], fresh["pallixb"]):
                    print("PASS pallix and pallixb open identical windows")
                else:
                    failures += 1
                    print("FAIL pallix and pallixb open different windows")
        finally:
            for process in (wm, xvfb):
                process.terminate()
                process.wait()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
