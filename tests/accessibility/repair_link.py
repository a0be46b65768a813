#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A repair link of the diagnosis clicked by a real mouse: Dipo on Xvfb with openbox, in
id_ID.UTF-8, at 1366x768 and at 200 % (a 2732x1536 screen with QT_SCALE_FACTOR=2). The
cooling diagnosis T, Y, Y ends in "Radiator" in "Langkah perbaikan"; xdotool activates it
by a double click and by a single click, with the maintenance guide fresh, showing another
component, and locked after a choice of another component. Each ends, as read through
AT-SPI, in the state the user's own clicks in the guide give.

Usage: repair_link.py DIPO   (exit 0 passed, 1 failed, 77 skipped: no X tools)"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stack  # noqa: E402

PASSWORD = "kEra langsir"
DEADLINE = 40.0
SCREENS = [("1366x768", "1"), ("2732x1536", "2")]
GUIDE = "Panduan perawatan — Dipo"
DIAGNOSIS = "Diagnosa kerusakan — Dipo"
MENU = "Menu utama — Dipo"
# What the user does in the guide before the diagnosis, and by hand to show the radiator
# (3rd component); the link must give the same. "r7": the 7th component. The fresh guide
# comes first; ULANGI then sets it up for the next.
SCENARIOS = [
    ("fresh", [], ["r3", "PROSES"]),
    ("another component shown", ["ULANGI", "r7", "PROSES"], ["ULANGI", "r3", "PROSES"]),
    ("locked after a choice", ["ULANGI", "r7"], ["ULANGI", "r3", "PROSES"]),
]


class Run:
    def __init__(self, desktop, pyatspi, scale):
        self.s = desktop
        self.at = pyatspi
        self.scale = scale
        self.app = None

    def wait_for(self, condition, what):
        deadline = time.monotonic() + DEADLINE
        while time.monotonic() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise RuntimeError(f"timed out waiting for {what}")

    def start(self):
        self.s.start_program(extra_env={"QT_SCALE_FACTOR": self.scale, "LC_ALL": "id_ID.UTF-8"})
        self.app = self.wait_for(self.find_app, "Dipo on the AT-SPI bus")
        self.active("Layar awal — Dipo")
        self.s.key(type_text=PASSWORD)
        field = self.control("Layar awal — Dipo", "password text")
        self.wait_for(lambda: field.queryText().characterCount == len(PASSWORD),
                      "the password typed")
        self.click(self.control("Layar awal — Dipo", "push button", "PROSES"))
        self.active(MENU)

    def find_app(self):
        for app in self.at.Registry.getDesktop(0):
            if app is not None and app.name == "dipo" and len(app) > 0:
                return app
        return None

    def window(self, name):
        for window in self.app:
            if window is not None and window.name == name \
                    and window.getState().contains(self.at.STATE_SHOWING):
                return window
        return None

    def active(self, name):
        """Waits until the window is active for the program and for the window manager."""
        def ready():
            window = self.window(name)
            if window is None or not window.getState().contains(self.at.STATE_ACTIVE):
                return None
            return window if self.s.active_x_window() else None
        return self.wait_for(ready, f"{name!r} to be active")

    def nodes(self, root):
        found = []

        def walk(node):
            for child in node:
                if child is not None and child.getState().contains(self.at.STATE_SHOWING):
                    found.append(child)
                    walk(child)
        walk(root)
        return found

    def control(self, window_name, role, name=None, index=None):
        def find():
            window = self.window(window_name)
            if window is None:
                return None
            hits = [n for n in self.nodes(window) if n.getRoleName() == role
                    and (name is None or n.name.strip().startswith(name))]
            if index is not None:
                return hits[index] if len(hits) > index else None
            return hits[0] if hits else None
        return self.wait_for(find, f"{role} {name or index} in {window_name!r}")

    def click(self, node, repeat=1):
        # Qt 6.4 gives the extents in its own scaled pixels, the X server wants the screen's.
        box = node.queryComponent().getExtents(self.at.DESKTOP_COORDS)
        x, y = box.x + box.width // 2, box.y + box.height // 2
        # A radio button by its mark, as in the tests of the windows.
        if node.getRoleName() == "radio button":
            x = box.x + 8
        x, y = x * int(self.scale), y * int(self.scale)
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "--repeat",
                        str(repeat), "--delay", "60", "1"], env=self.s.env, timeout=30,
                       check=True)

    def in_guide(self, step):
        if step.startswith("r"):
            radio = self.control(GUIDE, "radio button", index=int(step[1:]) - 1)
            self.click(radio)
            self.wait_for(lambda: radio.getState().contains(self.at.STATE_CHECKED),
                          f"{step} checked")
        else:
            button = self.control(GUIDE, "push button", step)
            self.wait_for(lambda: button.getState().contains(self.at.STATE_SENSITIVE),
                          f"{step} in use")
            self.click(button)
        time.sleep(0.3)

    def open_guide(self):
        self.click(self.control(MENU, "push button", "Perawatan Mesin"))
        self.active(GUIDE)

    def close_guide(self, back_to=MENU):
        self.click(self.control(GUIDE, "push button", "CLOSE"))
        self.active(back_to)

    def diagnose(self):
        """The cooling system, answered T, Y, Y: the radiator is the first repair."""
        self.click(self.control(MENU, "push button", "Mesin dan Rem"))
        self.active(DIAGNOSIS)
        self.click(self.control(DIAGNOSIS, "radio button", index=1))
        self.click(self.control(DIAGNOSIS, "push button", "Mulai"))
        for answer in ("TIDAK", "YA", "YA"):
            question = self.control(DIAGNOSIS, "text", "PERTANYAAN")
            before = question.queryText().getText(0, -1)
            self.click(self.control(DIAGNOSIS, "push button", answer))
            self.wait_for(lambda: question.queryText().getText(0, -1) != before
                          or self.window(DIAGNOSIS) is None or self.repairs(), "the next step")
        return self.wait_for(self.repairs, "the repair list")

    def repairs(self):
        window = self.window(DIAGNOSIS)
        if window is None:
            return None
        for node in self.nodes(window):
            if node.getRoleName() == "list item" and node.name == "Radiator":
                return node
        return None

    def snapshot(self):
        """The guide's named controls: role, name, in use, checked, text."""
        window = self.active(GUIDE)
        seen = []
        for node in self.nodes(window):
            if not node.name and node.getRoleName() not in ("text", "paragraph"):
                continue
            states = node.getState()
            try:
                text = node.queryText().getText(0, -1)
            except NotImplementedError:
                text = ""
            seen.append((node.getRoleName(), node.name,
                         states.contains(self.at.STATE_SENSITIVE),
                         states.contains(self.at.STATE_CHECKED), text))
        return seen

    def stop(self):
        self.s.stop_program()


def differences(a, b):
    return [f"{x} / {y}" for x, y in zip(a, b) if x != y] + \
        ([f"{len(a)} controls / {len(b)}"] if len(a) != len(b) else [])


def run(program, size, scale):
    import pyatspi
    failures = []
    desktop = stack.Stack(program, size=size)
    try:
        desktop.start()
        for how in ("by hand", "double click", "single click"):
            r = Run(desktop, pyatspi, scale)
            r.start()
            if how != "by hand":
                r.diagnose()
                # Back to the menu, the diagnosis kept as it is.
                desktop.key("Escape")
                r.active(MENU)
            shots = []
            for name, before, by_hand in SCENARIOS:
                r.open_guide()
                for step in before:
                    r.in_guide(step)
                if how == "by hand":
                    for step in by_hand:
                        r.in_guide(step)
                else:
                    r.close_guide()
                    r.click(r.control(MENU, "push button", "Mesin dan Rem"))
                    r.active(DIAGNOSIS)
                    link = r.repairs()
                    r.click(link, 2 if how == "double click" else 1)
                    # The rest of the double click has passed.
                    time.sleep(1.0)
                shots.append(r.snapshot())
                if how == "by hand":
                    r.close_guide()
                else:
                    r.close_guide(DIAGNOSIS)
                    desktop.key("Escape")
                    r.active(MENU)
            r.stop()
            if how == "by hand":
                reference = shots
                continue
            for (name, _, _), shot, wanted in zip(SCENARIOS, shots, reference):
                diff = differences(shot, wanted)
                verdict = "same" if not diff else "DIFFERENT"
                print(f"{size} x{scale}, {name}, {how}: {verdict} ({len(shot)} controls)",
                      flush=True)
                if diff:
                    failures.append(f"{size} {name} {how}: {diff}")
    finally:
        desktop.close()
    return failures


def main():
    if len(sys.argv) not in (2, 4):
        print(__doc__)
        return 2
    try:
        stack.check_tools()
    except stack.Missing as missing:
        print("SKIP:", missing)
        return 77
    if len(sys.argv) == 2:
        # Each screen on a desktop of its own, read by a process of its own: pyatspi keeps
        # to the first session bus it meets.
        results = [subprocess.run([sys.executable, os.path.abspath(__file__), sys.argv[1],
                                   size, scale]).returncode for size, scale in SCREENS]
        return 0 if not any(results) else 1
    try:
        failures = run(*sys.argv[1:])
    except Exception as error:  # noqa: BLE001
        print("FAIL:", type(error).__name__, error)
        return 1
    for failure in failures:
        print("FAIL:", failure)
    print("passed" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
