#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Dipo with a real screen reader: the program on Xvfb with accessibility on, Orca with speech
off recording what it would say, and a walk through every window by keys only. Checks that
every focus stop is spoken with its name (and a field with its whole value), that each new
question and the conclusion are spoken, that no password character is, that the dialogs
speak their messages, that the AT-SPI tree of each window holds no window below a window
and names every control apart, and that a word query at the end of a field returns.

Usage: orca_walk.py DIPO [--log FILE]   (exit 0 passed, 1 failed)"""

import argparse
import os
import re
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stack  # noqa: E402

PASSWORD = "kEra langsir"
WINDOW_ROLES = {"frame", "dialog", "window", "alert"}
# How long one step may take on a loaded machine: the walk waits for what a step brings
# (a window activated, the focus moved, a value shown, a line in Orca's log), never for a
# fixed time, and gives up only after this.
DEADLINE = 40.0
# A wait longer than this is noted in the output, to show where the machine was slow.
NOTED_WAIT = 2.0


def simple(text):
    return " ".join(text.split()).casefold()


class Walk:
    def __init__(self, desktop, pyatspi):
        self.s = desktop
        self.at = pyatspi
        self.failures = []
        self.stops = self.stops_spoken = 0
        self.questions = self.questions_spoken = 0
        self.values_heard = 0
        self.app = None
        # The window the keys are for: each key waits until it is the active one.
        self.window = None
        self._said = []
        self._read_to = 0

    def wait_for(self, condition, what, timeout=DEADLINE):
        """Asks condition() until it returns something true, and returns that; None when
        the deadline passes first."""
        start = time.monotonic()
        while True:
            value = condition()
            waited = time.monotonic() - start
            if value:
                if waited > NOTED_WAIT:
                    print(f"note: waited {waited:.1f} s for {what}", flush=True)
                return value
            if waited > timeout:
                return None
            time.sleep(0.05)

    # What Orca said -------------------------------------------------------------------
    def utterances(self):
        """What Orca said so far; the log is read on from where the last reading ended."""
        try:
            with open(self.s.orca_log, "rb") as log:
                log.seek(self._read_to)
                chunk = log.read()
        except FileNotFoundError:
            return self._said
        end = chunk.rfind(b"\n") + 1
        self._read_to += end
        for line in chunk[:end].decode("utf-8", errors="replace").splitlines():
            match = re.search(r"SPEECH OUTPUT: '(.*)'", line)
            if match:
                self._said.append(match.group(1))
        return self._said

    def mark(self):
        return len(self.utterances())

    def said(self, texts, since):
        said = self.utterances()[since:]
        joined = simple(" ".join(said))
        for text in texts:
            wanted = simple(text)
            if any(wanted in simple(u) for u in said) or wanted in joined:
                return True
        return False

    def wait_said(self, text, since, timeout=DEADLINE):
        return self.wait_said_any([text], since, timeout)

    def wait_said_any(self, texts, since, timeout=DEADLINE):
        """Waits until Orca has said one of the texts since the mark."""
        return bool(self.wait_for(lambda: self.said(texts, since),
                                  f"Orca to say {texts[0]!r}", timeout))

    def fail(self, what):
        self.failures.append(what)
        print("FAIL:", what, flush=True)

    def expect_said(self, text, since, what, timeout=DEADLINE):
        if not self.wait_said(text, since, timeout):
            self.fail(f"{what}: Orca did not say {text!r}; it said {self.utterances()[since:]}")
            return False
        return True

    # The program through AT-SPI --------------------------------------------------------
    def find_app(self, timeout=DEADLINE):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for app in self.at.Registry.getDesktop(0):
                if app is not None and app.name == "dipo":
                    self.app = app
                    return app
            time.sleep(0.2)
        raise RuntimeError("Dipo did not appear on the AT-SPI bus")

    def active_window(self, timeout=DEADLINE):
        return self.wait_for(self.the_active_window, "an active window", timeout)

    def the_active_window(self):
        for window in self.app:
            if window is not None and window.getState().contains(self.at.STATE_ACTIVE):
                return window
        return None

    def has_the_keys(self, name):
        """The window named so when it is active for the program, and the window manager's
        active window, which has the X input focus, is that window."""
        window = self.the_active_window()
        if window is None or window.name != name:
            return None
        x_window = self.s.active_x_window()
        if x_window is None:
            return None
        _, pid, width, height = x_window
        extents = window.queryComponent().getExtents(self.at.DESKTOP_COORDS)
        if pid != self.s.app.pid or (width, height) != (extents.width, extents.height):
            return None
        return window

    def wait_active(self, name, what, timeout=DEADLINE):
        """Waits until the window named so has the keys; fails when it does not."""
        window = self.wait_for(lambda: self.has_the_keys(name),
                               f"{name!r} to be the active window", timeout)
        if window is None:
            active = self.the_active_window()
            self.fail(f"{what}: the active window is {active and active.name!r}, not {name!r}"
                      f" (AT-SPI), X: {self.s.active_x_window()}")
            # The keys go wherever they go from here; the steps after fail on their own.
            self.window = None
            return None
        self.window = name
        return window

    def descendants(self, root, showing_only=True):
        found = []

        def walk(node, depth):
            for child in node:
                if child is None:
                    continue
                states = child.getState()
                if showing_only and not states.contains(self.at.STATE_SHOWING):
                    continue
                found.append((child, depth))
                walk(child, depth + 1)

        walk(root, 1)
        return found

    def the_focused(self):
        window = self.the_active_window()
        if window is not None:
            for node, _ in self.descendants(window):
                if node.getState().contains(self.at.STATE_FOCUSED) \
                        and not self.stale_focus(node):
                    return node
        return None

    def focused(self, previous=None, timeout=DEADLINE):
        """The control with the focus; with previous, once the focus has left it (or,
        after the deadline, the control that has it then)."""
        def moved():
            node = self.the_focused()
            return node if node is not None and (previous is None or node != previous) \
                else None
        what = "the focus to move" if previous is not None else "a control with the focus"
        return self.wait_for(moved, what, timeout) or self.the_focused()

    def stale_focus(self, node):
        """Qt 6.4.2 reports a tab bar's current tab, a table's current cell and a list's
        current item focused while the bar, the table or the list is not; what has the
        focus is elsewhere."""
        if node.getRoleName() not in ("page tab", "table cell", "list item") \
                or node.parent is None:
            return False
        return not node.parent.getState().contains(self.at.STATE_FOCUSED)

    def text_of(self, node):
        try:
            text = node.queryText()
            return text.getText(0, -1)
        except NotImplementedError:
            return ""

    def names(self, node):
        found = [node.name]
        for relation in node.getRelationSet():
            if relation.getRelationType() == self.at.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    found.append(relation.getTarget(i).name)
        return [n for n in found if n and n.strip()]

    def find(self, window, role, name_start):
        for node, _ in self.descendants(window):
            if node.getRoleName() == role and simple(node.name).startswith(simple(name_start)):
                return node
        return None

    # Keys ---------------------------------------------------------------------------
    def to_the_window(self):
        """Keys go to the window the walk is in only once it has the X input focus: a key
        sent while the window manager is still handing it over is lost."""
        if self.window is not None and self.has_the_keys(self.window) is None:
            self.wait_active(self.window, f"keys for {self.window!r}")

    def keys(self, *keys, type_text=None):
        self.to_the_window()
        self.s.key(*keys, type_text=type_text)

    def press(self, *keys):
        since = self.mark()
        self.keys(*keys)
        return since

    def parts_state(self, node):
        try:
            text = node.queryText()
            return (text.caretOffset,) + tuple(text.getSelection(i)
                                               for i in range(text.getNSelections()))
        except NotImplementedError:
            return ()

    def stop(self, key="Tab", what=""):
        """One focus stop: the key moves the focus, and Orca speaks the control."""
        before = self.focused()
        # Tab may move through the parts of a date field before it leaves it: the part
        # selected changes then, and the focus stays.
        in_parts = before is not None and before.getRoleName() == "spin button"
        parts = self.parts_state(before) if in_parts else None
        since = self.press(key)

        def moved():
            node = self.the_focused()
            if node is not None and node != before:
                return node
            if in_parts and node == before and self.parts_state(before) != parts:
                # The focus is asked again: the key may have left the field meanwhile.
                return self.the_focused()
            return None
        node = self.wait_for(moved, f"the focus to move on {key}") or self.the_focused()
        if in_parts and node == before:
            return node
        self.stops += 1
        if node is None:
            self.fail(f"{what}: no control has the focus after {key}")
            return None
        name = node.name
        # Orca speaks a control by its label when it has one, else by its name; the text
        # field of a drop-down list as the list.
        names = self.names(node)
        if node.parent is not None and node.parent.getRoleName() == "combo box":
            names += self.names(node.parent)
        ok = bool(name) and self.wait_said_any(names, since)
        if ok and node.getRoleName() == "text":
            value = self.text_of(node)
            if value and "\n" not in value and not self.wait_said(value, since):
                self.fail(f"{what}: {name!r} spoken without its whole value {value!r}:"
                          f" {self.utterances()[since:]}")
                ok = False
        if ok:
            self.stops_spoken += 1
        else:
            self.fail(f"{what}: focus stop {node.getRoleName()} {name!r} not spoken:"
                      f" {self.utterances()[since:]}")
        return node

    def tab_round(self, what, limit=40):
        """Tab through the window until the focus is back where it started."""
        first = self.focused()
        if first is None:
            self.fail(f"{what}: no control has the focus")
            return
        for _ in range(limit):
            node = self.stop("Tab", what)
            if node is None or node == first:
                return
        self.fail(f"{what}: Tab did not come back to the first control")

    def tab_to(self, name_start, what, limit=40):
        for _ in range(limit):
            node = self.focused()
            if node is not None and any(simple(n).startswith(simple(name_start))
                                        for n in self.names(node)):
                return node
            self.stop("Tab", what)
        self.fail(f"{what}: Tab never reached {name_start!r}")
        return None

    def open_window(self, key, name, what):
        since = self.press(key)
        self.expect_said(name, since, what)
        window = self.wait_active(name, what)
        if window is not None:
            self.check_tree(window, what)
        return window

    # The AT-SPI tree ---------------------------------------------------------------------
    def check_tree(self, window, what):
        expected = "dialog" if window.getRoleName() == "dialog" else "frame"
        if window.getRoleName() != expected or not window.name:
            self.fail(f"{what}: window role {window.getRoleName()!r} name {window.name!r}")
        if not window.getState().contains(self.at.STATE_ACTIVE):
            self.fail(f"{what}: the window is not active")
        names = {}
        focused = []
        focusable = 0
        for node, _ in self.descendants(window):
            role = node.getRoleName()
            states = node.getState()
            if role in WINDOW_ROLES:
                self.fail(f"{what}: {role} {node.name!r} below the window")
            if states.contains(self.at.STATE_FOCUSED) and not self.stale_focus(node):
                focused.append(f"{role} {node.name!r}")
            if not (states.contains(self.at.STATE_FOCUSABLE)
                    and states.contains(self.at.STATE_SENSITIVE)):
                continue
            focusable += 1
            if not node.name:
                # An empty status line (a label selectable by mouse) or an empty cell of a
                # table says nothing at all.
                if role not in ("label", "table cell"):
                    self.fail(f"{what}: a focusable {role} without a name")
                continue
            key = (role, node.name)
            if key in names:
                self.fail(f"{what}: two {role}s named {node.name!r}")
            names[key] = node
            text = node.name + " " + (node.description or "")
            if re.search("[\ue000-\uf8ff\ufdd0-\ufdef]", text + self.text_of(node)):
                self.fail(f"{what}: {role} {node.name!r} carries private-use characters")
            if role == "combo box":
                shown = [self.text_of(child) for child in node if child is not None]
                if any(simple(node.name) == simple(v) for v in shown if v):
                    self.fail(f"{what}: a combo box named by its value {node.name!r}")
            value = self.text_of(node) if role in ("text", "password text") else ""
            if value and node.description and simple(node.description) == simple(value):
                self.fail(f"{what}: {node.name!r} describes itself by its value {value!r}")
        # A window with nothing to operate (the picture viewer) has no focus inside.
        # A tab bar reports its current tab focused with it, as toolkits do.
        if len(focused) == 2 and focused[0].startswith("page tab list ") \
                and focused[1].startswith("page tab "):
            focused = focused[:1]
        if len(focused) != (1 if focusable else 0):
            self.fail(f"{what}: {len(focused)} focused controls: {focused}")

    def check_word_query(self, node, what):
        """Qt 6.4.2 loops for ever on a word query at the end of a line edit."""
        result = {}

        def query():
            try:
                text = node.queryText()
                result["word"] = text.getTextAtOffset(text.characterCount,
                                                      self.at.TEXT_BOUNDARY_WORD_START)
            except Exception as error:  # noqa: BLE001
                result["error"] = error

        thread = threading.Thread(target=query, daemon=True)
        thread.start()
        thread.join(10)
        if thread.is_alive() or "error" in result:
            self.fail(f"{what}: a word query at the end of {node.name!r} did not return"
                      f" ({result.get('error', 'timed out')})")


def thickness_warning(walk):
    """A minimum thickness above the block's, typed in the wear-life window: the warning
    stands above the window, transient for it (as the window manager stacks them), Orca
    speaks it, and the typing goes on in the field. OK closes it."""
    window_name = "Umur kampas rem — Dipo"
    dialog_name = "Peringatan ketebalan kampas rem"
    field = walk.tab_to("Tebal Minimum", "brake life")
    owner = walk.s.active_x_window()
    walk.keys("ctrl+a")
    since = walk.mark()
    walk.keys(type_text="99")

    def shown():
        for window in walk.app:
            if window is not None and window.name == dialog_name \
                    and window.getState().contains(walk.at.STATE_SHOWING):
                return window
        return None
    dialog = walk.wait_for(shown, "the thickness warning")
    if dialog is None:
        walk.fail("thickness warning: not shown")
        return
    walk.expect_said(dialog_name, since, "thickness warning")
    if dialog.description:
        walk.expect_said(dialog.description.split(".")[0], since, "thickness warning")
    else:
        walk.fail("thickness warning: no message")
    # The window keeps the keys, the field the typing.
    if walk.has_the_keys(window_name) is None:
        walk.fail(f"thickness warning: took the keys from {window_name!r}")
    walk.keys(type_text="0")
    if field is None or not walk.wait_for(lambda: walk.text_of(field) == "990",
                                          "the typing to reach the field"):
        walk.fail(f"thickness warning: the field holds {field and walk.text_of(field)!r},"
                  " not '990'")
    # Above the window, as the window manager stacks them, and transient for it.
    stack_order = walk.s.stacking()
    warning = [w for w in stack_order if walk.s.window_title(w).startswith("Dialog ")]
    if owner is None or not warning:
        walk.fail(f"thickness warning: no X window (owner {owner}, stacking {stack_order})")
        return
    owner_id, warning_id = owner[0], warning[0]
    if owner_id not in stack_order \
            or stack_order.index(warning_id) < stack_order.index(owner_id):
        walk.fail(f"thickness warning: below the window in {stack_order}")
    if walk.s.transient_for(warning_id) != owner_id:
        walk.fail(f"thickness warning: transient for {walk.s.transient_for(warning_id)},"
                  f" not {owner_id}")
    # The user goes to it (as by a click) and closes it with OK.
    subprocess.run(["xdotool", "windowactivate", str(warning_id)], env=walk.s.env, timeout=30)
    dialog = walk.wait_active(dialog_name, "thickness dialog")
    if dialog is not None:
        walk.check_tree(dialog, "thickness dialog")
    walk.open_window("Return", window_name, "after the thickness dialog")


def run(args):
    desktop = stack.Stack(args.dipo)
    walk = None
    try:
        # Orca first, as on a desktop: it is listening when the start screen comes up.
        desktop.start()
        desktop.start_orca()
        walk = Walk(desktop, None)
        if not desktop.wait_orca_ready(120):
            raise RuntimeError("Orca did not start: " + " | ".join(desktop.orca_lines()[-5:]))
        desktop.start_program()
        if not walk.wait_said("Layar awal — Dipo", 0, timeout=120):
            raise RuntimeError("Orca did not speak the start screen: " + repr(walk.utterances()))
        import pyatspi
        walk.at = pyatspi
        walk.find_app()
        start = walk.wait_active("Layar awal — Dipo", "start screen")
        if start is None:
            raise RuntimeError("the start screen is not the active window")
        walk.check_tree(start, "start screen")

        # Start screen: the Tab chain, the about box, then the password.
        walk.tab_round("start screen")
        walk.tab_to("About Me", "start screen")
        since = walk.mark()
        about = walk.open_window("space", "Tentang Dipo", "about box")
        if about is not None and about.description:
            walk.expect_said(about.description.split(".")[0], since, "about box message")
        else:
            walk.fail("about box: no message")
        walk.open_window("Escape", "Layar awal — Dipo", "back to the start screen")
        field = walk.tab_to("Password", "start screen")
        since = walk.mark()
        walk.keys(type_text=PASSWORD)
        # The field has taken every key (its mask is as long as the password).
        if not walk.wait_for(lambda: len(walk.text_of(field)) == len(PASSWORD),
                             "the password field to hold the password"):
            walk.fail(f"password: the field holds {len(walk.text_of(field))} characters,"
                      f" not {len(PASSWORD)}")
        letters = set(PASSWORD.replace(" ", ""))
        shown = walk.text_of(field)
        if any(c in letters for c in shown):
            walk.fail(f"password: the field's text reaches AT-SPI: {shown!r}")
        walk.check_word_query(field, "password")
        # Orca takes the program's events in order: once it has spoken the next focus
        # stop, it has had every event of the typing.
        walk.stop("Tab", "start screen")
        said = walk.utterances()[since:]
        if any(u.strip() in letters or "langsir" in u.casefold() for u in said):
            walk.fail(f"password: Orca spoke a typed character: {said}")
        walk.open_window("Return", "Menu utama — Dipo", "menu")

        # Menu, then a whole diagnosis.
        walk.tab_round("menu")
        walk.open_window("Return", "Diagnosa kerusakan — Dipo", "diagnosis")
        diagnosis_from = walk.mark()
        walk.stop("Down", "diagnosis")
        walk.stop("Tab", "diagnosis")
        window = walk.active_window()
        question_box = walk.find(window, "text", "PERTANYAAN")

        def answered(key, what):
            """Presses the key and waits until the question box shows another text; then
            the new question, or the conclusion when the result box has come."""
            before = walk.text_of(question_box)
            since = walk.press(key)

            def changed():
                # The program changes the question and shows the result in one step, so
                # the result asked after a changed question is that step's.
                if walk.text_of(question_box) == before:
                    return None
                result = walk.find(window, "text", "HASIL")
                if result is not None:
                    return ("conclusion", result)
                return ("question", walk.text_of(question_box))
            outcome = walk.wait_for(changed, f"{what}: the next question")
            if outcome is None:
                walk.fail(f"{what}: the question {before!r} stayed after {key}")
            return since, outcome

        def asked(key, what):
            since, outcome = answered(key, what)
            walk.questions += 1
            if outcome is not None and outcome[0] == "question":
                question = outcome[1].splitlines()[0].strip()
                if walk.expect_said(question, since, what):
                    walk.questions_spoken += 1
            elif outcome is not None:
                walk.fail(f"{what}: a conclusion instead of a question")

        asked("space", "Mulai")
        asked("y", "answer Y")
        asked("BackSpace", "Kembali")
        conclusion = None
        for step in range(40):
            since, outcome = answered("t", f"answer T {step + 1}")
            if outcome is not None and outcome[0] == "conclusion":
                conclusion = [line for line in walk.text_of(outcome[1]).splitlines()
                              if line.strip()]
                walk.expect_said(conclusion[-1], since, "conclusion")
                break
            walk.questions += 1
            if outcome is None:
                continue
            question = outcome[1].splitlines()[0].strip()
            if walk.expect_said(question, since, f"answer T {step + 1}"):
                walk.questions_spoken += 1
        if conclusion is None:
            walk.fail("diagnosis: no conclusion after 40 answers")
        diagnosis_lines = [line for line in desktop.orca_lines() if "SPEECH OUTPUT" in line]
        diagnosis_lines = diagnosis_lines[diagnosis_from:]
        walk.check_tree(walk.active_window(), "diagnosis, concluded")

        # The trail window: its Tab chain and the status after Salin.
        walk.stop("shift+Tab", "diagnosis")
        walk.open_window("space", "Riwayat diagnosa", "trail")
        walk.tab_to("Salin", "trail")
        since = walk.press("space")
        walk.expect_said("Laporan disalin ke clipboard.", since, "Salin")
        # "Simpan PDF": a path typed into the save dialog, and the status spoken.
        walk.tab_to("Simpan PDF", "trail")
        saved = os.path.join(desktop.folder, "laporan-orca.pdf")
        since = walk.press("space")
        if walk.wait_active("Simpan Laporan Diagnosa", "save dialog") is not None:
            name_field = walk.wait_for(
                lambda: next((n for n in [walk.the_focused()]
                              if n is not None and n.getRoleName() == "text"), None),
                "the save dialog's file name field to have the focus")
            walk.keys("ctrl+a")
            walk.keys(type_text=saved)
            if name_field is None or not walk.wait_for(
                    lambda: walk.text_of(name_field) == saved, "the file name typed"):
                walk.fail(f"save dialog: the file name field does not hold {saved!r}")
            # Straight to the dialog: the completer's list may be open over it, and has
            # the keys then.
            desktop.key("Return")
        walk.expect_said("Laporan disimpan", since, "save status")
        if not os.path.isfile(saved):
            walk.fail(f"save: no report at {saved}")
        walk.wait_active("Riwayat diagnosa", "back from the save dialog")
        # "Simpan ke catatan": the dialog that records the diagnosis in the workshop log.
        walk.tab_to("Simpan ke catatan", "trail")
        walk.open_window("space", "Simpan Diagnosa ke Catatan", "record dialog")
        walk.tab_round("record dialog")
        walk.tab_to("No. lokomotif", "record dialog")
        walk.keys(type_text="CC 201 83 12")
        walk.tab_to("Simpan", "record dialog")
        since = walk.press("space")
        walk.expect_said("Tersimpan di catatan sebagai entri", since, "record status")
        # The status is spoken as the dialog closes, before the window manager has given
        # the trail window the keys back: Escape pressed in between goes nowhere.
        walk.wait_active("Riwayat diagnosa", "back from the record dialog")
        walk.open_window("Escape", "Diagnosa kerusakan — Dipo", "back to the diagnosis")
        walk.open_window("Escape", "Menu utama — Dipo", "back to the menu")

        # The calculators: every stop, PROSES by Enter in a field, the results spoken.
        def calculator(entry, name, result_frame, what):
            walk.tab_to(entry, "menu")
            window = walk.open_window("Return", name, what)
            walk.tab_round(what)
            hear_summary(proses(window, result_frame, what), what)
            return window

        def proses(window, result_frame, what):
            field = walk.focused()
            if field is not None and field.getRoleName() == "text":
                walk.check_word_query(field, what)
            def results():
                frame = walk.find(window, "panel", result_frame) or walk.find(
                    window, "grouping", result_frame) if window else None
                values = [walk.text_of(n) for n, _ in walk.descendants(frame)
                          if n.getRoleName() == "text"] if frame else []
                return [v for v in values if v]

            before = results()
            since = walk.press("Return")
            # PROSES writes every result in one step: once one has changed, all have.
            walk.wait_for(lambda: results() != before, f"{what}: the results of PROSES")
            values = results()
            if not values:
                walk.fail(f"{what}: no results after PROSES")
            for value in values[:3]:
                walk.expect_said(value, since, f"{what} results")
            return values

        def hear_summary(values, what):
            """The results again, one by one: Tab to the summary beside the frame that
            takes no focus, then Down through its lines, each spoken with its value."""
            def in_summary(node):
                for candidate in (node, node and node.parent):
                    if candidate is not None and candidate.getRoleName() == "list" \
                            and simple(candidate.name) == simple("Ringkasan hasil"):
                        return candidate
                return None
            summary = None
            for _ in range(40):
                since = walk.mark()
                summary = in_summary(walk.stop("Tab", what))
                if summary is not None:
                    break
            if summary is None:
                walk.fail(f"{what}: Tab never reached the summary of the results")
                return
            lines = [child.name for child in summary if child is not None]
            # The fields' values; the conclusion in the same frame is a text of its own.
            values = [v for v in values if "\n" not in v]
            if len(lines) != len(values) or any(v not in line for v, line in zip(values, lines)):
                walk.fail(f"{what}: the summary holds {lines}, the frame {values}")
            for k, line in enumerate(lines):
                if k > 0:
                    since = walk.press("Down")
                value = line.rpartition(": ")[2]
                if walk.expect_said(line.partition(": ")[0], since, f"{what} result {k + 1}") \
                        and walk.expect_said(value, since, f"{what} result {k + 1}"):
                    walk.values_heard += 1

        def hear_by_tab(values, first, what):
            """Results that are focus stops themselves: Tab reaches each, spoken with its
            whole value (stop() checks the value)."""
            node = walk.tab_to(first, what)
            for k in range(len(values)):
                if node is None:
                    break
                if walk.text_of(node) != values[k]:
                    walk.fail(f"{what}: result {k + 1} reached is {node.name!r}"
                              f" {walk.text_of(node)!r}, not {values[k]!r}")
                else:
                    walk.values_heard += 1
                if k + 1 < len(values):
                    node = walk.stop("Tab", what)

        calculator("Mesin diesel", "Daya mesin diesel — Dipo", "Output Proses", "diesel power")
        # The charts: the chart is a focus stop whose description tells its shape.
        walk.tab_to("Buka grafik", "diesel power")
        charts = walk.open_window("space", "Grafik — Daya motor diesel", "charts")
        chart = walk.tab_to("Grafik daya dan torsi", "charts")
        if chart is None or "daya" not in (chart.description or ""):
            walk.fail(f"charts: the chart has no description: {chart and chart.description!r}")
        elif charts is not None:
            since = walk.press("shift+Tab")
            walk.press("Tab")
            walk.expect_said(chart.description.split(";")[0], since, "chart description")
        walk.tab_round("charts")
        walk.open_window("Escape", "Daya mesin diesel — Dipo", "back from the charts")
        walk.open_window("Escape", "Menu utama — Dipo", "back to the menu")
        window = calculator("Virodo dan Gaya Rem", "Umur kampas rem — Dipo",
                            "Hasil Prediksi Umur", "brake life")
        # The thickness dialog: a minimum thickness above the block's.
        thickness_warning(walk)
        walk.keys("ctrl+a")
        walk.keys(type_text="8")
        walk.tab_to("Clik", "brake life")
        calculator_window = walk.open_window("space", "Gaya rem dan jarak pengereman — Dipo",
                                             "brake force")
        if calculator_window is not None:
            walk.tab_round("brake force")
            values = proses(calculator_window, "Hasil Perhitungan gaya Rem", "brake force")
            hear_by_tab(values, "Perbandingan lengan brake rigging", "brake force")
        walk.open_window("Escape", "Umur kampas rem — Dipo", "back to brake life")
        walk.open_window("Escape", "Menu utama — Dipo", "back to the menu")

        # The tune-up window, and a procedure.
        walk.tab_to("Tune Up", "menu")
        walk.open_window("Return", "Tune-up — Dipo", "tune-up")
        walk.tab_round("tune-up")
        # The picture viewer, named by what it shows.
        walk.tab_to("Perbesar gambar tune-up", "tune-up")
        viewer = walk.open_window("space", "Gambar diperbesar", "picture viewer")
        if viewer is not None and not any(node.getRoleName() == "image" and node.name
                                          for node, _ in walk.descendants(viewer)):
            walk.fail("picture viewer: no picture named by what it shows")
        walk.open_window("Escape", "Tune-up — Dipo", "back to the tune-up window")
        walk.tab_to("TUNE UP PADA VALVE", "tune-up")
        tuneup = walk.active_window()
        walk.press("space")
        # The valve procedure takes the other two procedures' buttons out of use.

        def governor_off():
            button = walk.find(tuneup, "push button", "TUNE UP PADA GOVERNOR")
            return button is not None and not button.getState().contains(walk.at.STATE_SENSITIVE)
        if not walk.wait_for(governor_off, "the valve procedure to begin"):
            walk.fail("tune-up: TUNE UP PADA VALVE left TUNE UP PADA GOVERNOR in use")
        walk.tab_round("tune-up, governor")
        window = walk.active_window()
        walk.check_tree(window, "tune-up, governor")
        # The nested governor groups keep their own captions, and every item has a group.
        for title in ("JENIS-JENIS GOVERNOR", "LIMITING SPEED MECHANICAL [ LSM ]"):
            if not (walk.find(window, "panel", title) or walk.find(window, "grouping", title)):
                walk.fail(f"tune-up: no group named {title!r}")
        groups = set()
        for node, _ in walk.descendants(window):
            if node.getRoleName() == "radio button":
                if not (node.parent and node.parent.name):
                    walk.fail(f"tune-up: the item {node.name!r} is in a group without a name")
                else:
                    groups.add(node.parent.name)
        if "JENIS-JENIS GOVERNOR" in groups or len(groups) < 5:
            walk.fail(f"tune-up: the governor items' groups are named {sorted(groups)}")

        # The maintenance guide and the workshop log, from the menu.
        walk.open_window("Escape", "Menu utama — Dipo", "back to the menu")
        walk.tab_to("Perawatan Mesin", "menu")
        walk.open_window("Return", "Panduan perawatan — Dipo", "maintenance guide")
        walk.tab_round("maintenance guide")
        walk.open_window("Escape", "Menu utama — Dipo", "back to the menu")
        walk.tab_to("Catatan Bengkel", "menu")
        log_window = walk.open_window("Return", "Catatan bengkel — Dipo", "workshop log")
        walk.tab_round("workshop log")
        if log_window is not None and not walk.find(log_window, "table", ""):
            walk.fail("workshop log: no table of entries")
        walk.open_window("Escape", "Menu utama — Dipo", "back to the menu")

        print(f"focus stops spoken: {walk.stops_spoken} of {walk.stops}")
        print(f"calculator results reached and heard: {walk.values_heard}")
        # Diesel power 12 and brake life 10 through their summaries, brake force 11 by Tab.
        if walk.values_heard != 33:
            walk.fail(f"results: {walk.values_heard} of 33 reached and heard")
        print(f"questions announced: {walk.questions_spoken} of {walk.questions}")
        if args.log:
            with open(args.log, "w", encoding="utf-8") as log:
                log.write("\n".join(diagnosis_lines) + "\n")
            print("the diagnosis as Orca spoke it:", args.log)
    finally:
        if walk is not None and walk.failures and os.environ.get("DIPO_ORCA_SHOT"):
            desktop.screenshot(os.environ["DIPO_ORCA_SHOT"])
        desktop.close()
    return walk


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dipo")
    parser.add_argument("--log")
    args = parser.parse_args()
    try:
        walk = run(args)
    except stack.Missing as missing:
        print("FAIL:", missing)
        return 1
    except Exception as error:  # noqa: BLE001
        print("FAIL:", type(error).__name__, error)
        return 1
    if walk.failures:
        print(f"{len(walk.failures)} failures")
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
