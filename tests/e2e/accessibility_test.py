"""The real program as a screen reader sees it, driven through AT-SPI alone: it plays the
scenario table (scenarios.txt) with press actions, the fields' editable text, the display's
text and its events and keys sent through the registry, checks what is heard, and audits
every window's tree (role, name, description: no unnamed control, no "&" or padding in a
name, no text read twice). Run on the accessibility desktop with Debian's python3:

    run_atspi.sh /usr/bin/python3 accessibility_test.py BUILD_DIR
"""
import os
import subprocess
import sys
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import scenarios  # noqa: E402

PROGRAM = "Quenmar_Aviation_Calculator"
TIMEOUT_S = 10.0
KEYSYMS = {"Tab": 0xFF09, "Escape": 0xFF1B, "F1": 0xFFBE, "F10": 0xFFC7, "Menu": 0xFF67}
SHIFT_MASK, ALT_MASK = 1, 8

check, failures = scenarios.check, scenarios.failures


def pump(seconds=0.0):
    """Runs the GLib main context (where libatspi delivers events) for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def wait_for(look, what, timeout=TIMEOUT_S):
    return scenarios.wait_for(look, what, timeout, GLib.GError, lambda: pump(0.02))


# ------------------------------------------------------------------------- the tree

def children(node):
    return [c for c in (node.getChildAtIndex(k) for k in range(node.childCount)) if c is not None]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def role(node):
    return node.getRoleName()


def find(root, name, role_name=None):
    def look():
        hits = [n for n in walk(root) if n.name == name and role_name in (None, role(n))]
        if len(hits) > 1:
            raise AssertionError(f"{len(hits)} controls named {name!r}")
        return hits[0] if hits else None
    return wait_for(look, f"a control named {name!r}")


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def action_names(node):
    action = node.queryAction()
    return [action.getName(k) for k in range(action.nActions)]


def labelled_by(node):
    return [rel.getTarget(k).name for rel in node.getRelationSet()
            if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for k in range(rel.getNTargets())]


def text_of(node):
    return node.queryText().getText(0, -1)


# ------------------------------------------------------------------------- acting

def press(root, name):
    """The one press action of a push button."""
    button = find(root, name, "push button")
    names = action_names(button)
    if "Press" not in names:
        raise AssertionError(f"{name!r} has no press action: {names}")
    button.queryAction().doAction(names.index("Press"))


def set_field(root, name, text):
    field = find(root, name, "text")
    if not field.queryEditableText().setTextContents(text):
        raise AssertionError(f"the field {name!r} refused its text")


def focus(root, name):
    node = find(root, name)
    node.queryComponent().grabFocus()
    wait_for(lambda: "focused" in states(node), f"the focus on {name!r}")


def key(keysym, shift=False, alt=False):
    mask = (SHIFT_MASK if shift else 0) | (ALT_MASK if alt else 0)
    if mask:
        pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        pyatspi.Registry.generateKeyboardEvent(KEYSYMS.get(keysym, ord(keysym[0])), None, pyatspi.KEY_SYM)
    finally:
        if mask:
            pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_UNLOCKMODIFIERS)


class Program:
    def __init__(self, build_dir):
        self.process = subprocess.Popen([os.path.join(build_dir, PROGRAM)], cwd=build_dir,
                                        stderr=subprocess.PIPE, text=True)
        self.errors = []
        threading.Thread(target=lambda: self.errors.extend(self.process.stderr),
                         daemon=True).start()

        def look():
            for app in children(pyatspi.Registry.getDesktop(0)):
                if app.name == PROGRAM and app.get_process_id() == self.process.pid:
                    return app
            return None
        self.app = wait_for(look, "the program on the desktop", 20)

    def window(self, role_name, name=None):
        def look():
            for w in children(self.app):
                if role(w) == role_name and name in (None, w.name) and "showing" in states(w):
                    return w
            return None
        return wait_for(look, f"a {role_name} named {name!r}")

    def no_window(self, role_name, name):
        wait_for(lambda: not any(role(w) == role_name and w.name == name and "showing" in states(w)
                                 for w in children(self.app)), f"the {role_name} {name!r} to close")


class TextEvents:
    """Events as a screen reader gets them, recorded from the start (Qt sends only the kinds
    that some client registered for): text inserted, focus gained, notifications shown (what
    Orca speaks wherever the focus is), and a count of every event."""

    def __init__(self):
        self.inserted, self.focused, self.heard, self.count = [], [], [], 0
        pyatspi.Registry.registerEventListener(self._on_event, "object", "window")
        pump(0.3)

    def _on_event(self, event):
        self.count += 1
        try:
            if event.type == "object:text-changed:insert":
                self.inserted.append((event.source.name, event.any_data))
            elif event.type == "object:state-changed:focused" and event.detail1:
                self.focused.append(event.source.name)
            elif event.type == "object:state-changed:showing" and event.detail1 \
                    and role(event.source) == "notification":
                self.heard.append(event.source.name)
        except GLib.GError:
            pass

    def mark(self):
        return len(self.focused), len(self.heard)

    def wait_for_insert(self, source_name, text):
        wait_for(lambda: (source_name, text) in self.inserted,
                 f"a text-changed event on {source_name!r} inserting {text!r}")


# ------------------------------------------------------------------------- the audit

def audit(window):
    """Prints role, name and description of every node and checks the names."""
    print(f"-- {role(window)} {window.name!r}")
    seen = {}
    for node in walk(window):
        r, name, description = role(node), node.name, node.description
        print(f"   {r:12} | {name!r:45} | {description}")
        if node is window:
            continue
        check(name, f"unnamed {r} in {window.name!r}")
        check("&" not in name, f"an '&' in the name {name!r}")
        check(name == name.strip() and "  " not in name and "\r" not in name,
              f"padding in the name {name!r}")
        check((r, name) not in seen, f"{r} {name!r} twice in {window.name!r}")
        seen[(r, name)] = True
        if r == "push button" and "sensitive" in states(node):
            check(action_names(node).count("Press") == 1, f"{name!r}: not one press action")
    labels = [n.name for n in walk(window) if role(n) == "label"]
    for k, label in enumerate(labels):
        check(not any(label in other for other in labels[:k] + labels[k + 1:]),
              f"the text {label[:40]!r} is read twice in {window.name!r}")


# ------------------------------------------------------------------------- the run

# Help asked for from the keyboard in the other ways: where the focus is, the key, the box.
HELP_KEYS = [
    ("Celsius > F", "F10", True, "Conversions - Help"),
    ("Look Up Airport ID", "Menu", False, "Flight Plan - Help"),
    ("Display", "F1", False, "Aviation Calculator Help"),
]


def close_box(program, role_name, title, first):
    """The box now up: read as it is heard (the first of its kind), then closed with Esc."""
    box = program.window(role_name, title)
    if first:
        audit(box)
        check(not [n for n in walk(box) if role(n) == "push button"] or role_name == "alert",
              f"{title}: a help box shows no button")
    key("Escape")


def play(program, main, display, events, scenario, audits):
    """One scenario of the table, step by step, as assistive technology does it."""
    for verb, argument in scenario.steps:
        before = text_of(display)
        if verb == "press":
            press(main, argument)
            # A press is an animated click: the next one waits for its effect (or a moment).
            try:
                wait_for(lambda: text_of(display) != before, f"{argument!r} to act", 0.4)
            except AssertionError:
                pass
        elif verb == "key":
            key(argument[-1].lower(), alt=True)
            wait_for(lambda: text_of(display) != before, f"{argument} to act")
        elif verb == "type":
            name, value = argument
            check(name in before, f"{scenario.name}: the prompt {before!r} names {name!r}")
            set_field(main, name, value)
            field = find(main, name, "text")
            check(text_of(field) == value, f"{name!r} holds {text_of(field)!r}")
            check(labelled_by(field) == [name], f"{name!r} is labelled by {labelled_by(field)}")
            run = list(field.queryText().getAttributeRun(0, False)[1:])
            check(run == [0, len(value)], f"{name!r} has the attribute run {run}")
        elif verb == "answer":
            question = program.window("alert", "Aerodrome Search")
            if "question" not in audits:
                audits.add("question")
                press(main, "equals")  # the window under a box takes no input, a press neither
                audit(question)
                check("focused" in states(find(question, "OK", "push button")), "OK has the focus")
            if argument == "Esc":
                key("Escape")
            else:
                press(question, argument)
            if argument == "OK":  # the match stays on the display
                program.no_window("alert", "Aerodrome Search")
            else:
                wait_for(lambda: text_of(display) != before, f"{argument!r} at the question")
        elif verb == "help":
            focus(main, argument)
            key("F1")
        elif verb == "close":
            key("Escape")  # on the keypad key that has the focus
    if sum(verb == "type" for verb, _ in scenario.steps) == 4:
        audit(main)  # with four fields and their titles
    title = scenarios.box_title(scenario.expect)
    if title:
        close_box(program, "alert" if scenario.steps[-1][0] == "close" else "dialog", title,
                  title not in audits)
        audits.add(title)
        return
    try:
        wait_for(lambda: scenarios.shows(scenario.expect, text_of(display)),
                 f"{scenario.name}: {scenario.expect!r}", 5)
    except AssertionError as e:
        check(False, f"{e}; the display reads {text_of(display)!r}")
    events.wait_for_insert("Display", text_of(display))  # every change heard as text-changed


def run(build_dir):
    events = TextEvents()
    program = Program(build_dir)
    main = program.window("frame")
    check(main.name.startswith("Quenmar"), f"the main window is named {main.name!r}")
    audit(main)
    display = find(main, "Display", "text")
    check("read only" in states(display) and "focusable" in states(display),
          "the display is read-only text reachable by Tab")

    table = scenarios.load()
    audits = set()
    for scenario in table[:-1]:
        play(program, main, display, events, scenario, audits)
        if scenario.name == "100 Celsius in F":
            alt_w_moves_the_focus_once(main, events)

    # What is heard says what it means.
    heard = " | ".join(events.heard)
    for words in ("2 plus 3", "cleared", "Celsius > F: 212", "Kept CSF7: OTTAWA / CASSELMAN",
                  "Search stopped"):
        check(words in heard, f"{words!r} is not heard: {heard[-300:]}")

    # Help from the keyboard the other ways, each closed by Esc; the keys then reach the key
    # that asked for help. At rest nothing is heard from the window: the animation (running
    # again in calculator mode) and the shadows are silent.
    for where, keysym, shift, title in HELP_KEYS:
        focus(main, where)
        key(keysym, shift)
        close_box(program, "dialog", title, False)
        program.no_window("dialog", title)
    focus(main, "seven")
    pump(0.5)
    before = events.count
    pump(2.0)
    check(events.count - before <= 2, f"{events.count - before} events in 2 s at rest")
    key("7")
    events.wait_for_insert("Display", "7")
    # Tab goes round the controls (the display is the last stop), never onto the window.
    focus(main, "Display")
    key("Tab")
    wait_for(lambda: "focused" in states(find(main, "seven")), "Tab from the display to 'seven'")

    # The farewell: Esc on a keypad key closes the window, Esc on the farewell box ends it.
    play(program, main, display, events, table[-1], audits)
    try:
        status = program.process.wait(TIMEOUT_S)
    except subprocess.TimeoutExpired:
        program.process.kill()
        raise AssertionError("the program did not end")
    check(status == 0, f"exit status {status}")
    check(not program.errors, f"the program printed: {''.join(program.errors)}")


def alt_w_moves_the_focus_once(main, events):
    """Alt+W with a conversion button focused: the focus moves once, straight to the first
    field under its new name, and the prompt is heard after it; Alt+W again (the display
    shows the prompt already): the prompt is heard again; Esc in the field moves the focus
    back to the keypad in one move."""
    for keysym, start, focus_moves, heard in (
            ("w", "NM > SM", ["wind speed (kt)"], "Enter the wind speed"),
            ("w", None, [], "Enter the wind speed"), ("Escape", None, ["clear"], "cleared")):
        if start:
            focus(main, start)
        f, h = events.mark()
        key(keysym, alt=keysym == "w")
        wait_for(lambda: any(n.startswith(heard) for n in events.heard[h:]), f"{heard!r} heard")
        pump(0.3)
        check(events.focused[f:] == focus_moves, f"{keysym}: focus moves {events.focused[f:]}")


def main():
    started = time.monotonic()
    try:
        run(sys.argv[1])
    except AssertionError as e:
        failures.append(str(e))
        print("FAIL:", e)
    print(f"{time.monotonic() - started:.1f} s")
    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    print("ok: every control named, every action and event as expected, exit status 0")
    return 0


if __name__ == "__main__":
    sys.exit(main())
