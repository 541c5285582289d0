"""The real program as a screen reader sees it, driven through AT-SPI alone.

Run inside tests/e2e/run_atspi.sh (Xvfb, a private D-Bus session, the accessibility bus)
with Debian's /usr/bin/python3 (python3-pyatspi is installed for it only):

    run_atspi.sh /usr/bin/python3 accessibility_test.py BUILD_DIR

Everything is done as assistive technology does it: press actions on buttons, the
editable text of the fields, names, the text of the display and its text-changed events,
and keys sent through the registry (F1, Shift+F10, the context-menu key, Esc). Prints an
audit of every window's tree (role, name, description) and fails on an unnamed control,
an "&" or padding in a name, or a text read twice. Expected results come from worked
examples and hand computation.
"""
import os
import re
import subprocess
import sys
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

PROGRAM = "Quenmar_Aviation_Calculator"
TIMEOUT_S = 10.0
KEYSYMS = {"Tab": 0xFF09, "Escape": 0xFF1B, "F1": 0xFFBE, "F10": 0xFFC7, "Menu": 0xFF67, "7": 0x37,
           "w": 0x77, "Return": 0xFF0D}
SHIFT_MASK, ALT_MASK = 1, 8

failures = []


class Failure(AssertionError):
    pass


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


# ------------------------------------------------------------------------- waiting

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
    end = time.monotonic() + timeout
    while True:
        try:
            found = look()
        except GLib.GError:  # the object went away while we looked: look again
            found = None
        if found:
            return found
        if time.monotonic() >= end:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        pump(0.02)


# ------------------------------------------------------------------------- the tree

def children(node):
    out = []
    for k in range(node.childCount):
        child = node.getChildAtIndex(k)
        if child is not None:
            out.append(child)
    return out


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
            raise Failure(f"{len(hits)} controls named {name!r}")
        return hits[0] if hits else None
    return wait_for(look, f"a control named {name!r}")


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
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
    action = button.queryAction()
    names = [action.getName(k) for k in range(action.nActions)]
    if "Press" not in names:
        raise Failure(f"{name!r} has no press action: {names}")
    action.doAction(names.index("Press"))


def set_field(root, name, text):
    field = find(root, name, "text")
    if not field.queryEditableText().setTextContents(text):
        raise Failure(f"the field {name!r} refused its text")


def focus(root, name):
    node = find(root, name)
    node.queryComponent().grabFocus()
    wait_for(lambda: "focused" in states(node), f"the focus on {name!r}")


def key(keysym, shift=False, alt=False):
    mask = (SHIFT_MASK if shift else 0) | (ALT_MASK if alt else 0)
    if mask:
        pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_LOCKMODIFIERS)
    try:
        pyatspi.Registry.generateKeyboardEvent(KEYSYMS[keysym], None, pyatspi.KEY_SYM)
    finally:
        if mask:
            pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_UNLOCKMODIFIERS)


class Program:
    def __init__(self, build_dir):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([os.path.join(build_dir, PROGRAM)], cwd=build_dir,
                                        env=env, stderr=subprocess.PIPE, text=True)
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

    def wait_for_new(self, source_name, since, what):
        """The first text inserted into the source after event number `since`."""
        def look():
            for name, text in self.inserted[since:]:
                if name == source_name and text:
                    return text
            return None
        return wait_for(look, what)


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

NUMBER = re.compile(r"-?\d+(?:\.\d+)?")

# Formula button, its fields by name with their values, and the numbers on the display
# (worked examples).
FORMULAS = [
    ("Altimeter Correction", [("altimeter setting (in Hg)", "29.92")], ["0"]),
    ("True Airspeed", [("pressure altitude (ft)", "10000"), ("indicated airspeed (kt)", "150")],
     ["180"]),
    ("Density Altitude", [("temperature (deg C)", "0"), ("station pressure (in Hg)", "29.92")],
     ["-2087"]),
    ("Dew Point", [("temperature (deg C)", "15"), ("relative humidity (%)", "100")], ["15.0"]),
    ("Crosswind Component", [("wind speed (kt)", "25"), ("wind angle to runway (deg)", "90")],
     ["25", "0"]),  # sin 90 = 1, cos 90 = 0
    ("Heading and Groundspeed", [("true course (deg)", "45"), ("true airspeed (kt)", "100"),
                                ("wind direction (deg true)", "225"), ("wind speed (kt)", "20")],
     ["45", "120"]),
    ("Find Wind - Hdg and GS", [("true course (deg)", "90"), ("true airspeed (kt)", "100"),
                               ("true heading (deg)", "90"), ("groundspeed (kt)", "120")],
     ["270", "20"]),
]

# Help asked for by keyboard: where the focus is, the key, the help box's title.
HELP_KEYS = [
    ("Celsius > F", "F10", True, "Conversions - Help"),
    ("Look Up Airport ID", "Menu", False, "Flight Plan - Help"),
    ("Display", "F1", False, "Aviation Calculator Help"),
    ("seven", "F1", False, "Number Keypad - Help"),
]


def display_numbers(display):
    return NUMBER.findall(text_of(display))


def run(build_dir):
    events = TextEvents()
    program = Program(build_dir)
    main = program.window("frame")
    check(main.name.startswith("Quenmar"), f"the main window is named {main.name!r}")
    audit(main)
    display = find(main, "Display", "text")
    check("read only" in states(display) and "focusable" in states(display),
          "the display is read-only text reachable by Tab")

    # 2 + 3 = 5, each step heard as a text-changed event of the display. (Each press
    # waits for its effect: a press is an animated click, and a second press of the
    # same button within its 100 ms would only prolong the first.)
    for name, shown in (("two", "2"), ("plus", "2+"), ("three", "2+3"), ("equals", "5")):
        press(main, name)
        events.wait_for_insert("Display", shown)
    check(text_of(display) == "5", f"2+3= shows {text_of(display)!r}")

    # A conversion: 100 degrees Celsius is 212 degrees Fahrenheit. Heard: operators as
    # words, the clearing, and the conversion by its name.
    press(main, "clear")
    wait_for(lambda: text_of(display) == "", "an empty display")
    for name, shown in (("one", "1"), ("zero", "10"), ("zero", "100"), ("Celsius > F", "212")):
        press(main, name)
        events.wait_for_insert("Display", shown)
    wait_for(lambda: "Celsius > F: 212" in events.heard, "the conversion heard by its name")
    for heard in ("2 plus 3", "cleared"):
        check(heard in events.heard, f"{heard!r} is not heard: {events.heard}")

    # Alt+W with a conversion button focused: the focus moves once, straight to the first
    # field under its new name, and the prompt is heard after it; Esc in the field moves it
    # back to the keypad in one move.
    for keysym, alt, focus_to, heard in (("w", True, "wind speed (kt)", "Enter the wind speed"),
                                         ("Escape", False, "clear", "cleared")):
        if alt:
            focus(main, "NM > SM")
        f, h = events.mark()
        key(keysym, alt=alt)
        wait_for(lambda: any(n.startswith(heard) for n in events.heard[h:]), f"{heard!r} heard")
        pump(0.3)
        check(events.focused[f:] == [focus_to], f"{keysym}: focus moves {events.focused[f:]}")

    # The seven formulas, their fields found by their names.
    for button, fields, numbers in FORMULAS:
        since = len(events.inserted)
        press(main, button)
        prompt = events.wait_for_new("Display", since, f"the prompt of {button!r}")
        first_field = find(main, fields[0][0], "text")
        check("focused" in states(first_field), f"{button}: the first field has the focus")
        for name, _ in fields:
            check(name in prompt, f"{button}: the prompt {prompt!r} names {name!r}")
        for name, value in fields:
            set_field(main, name, value)
            field = find(main, name, "text")
            check(text_of(field) == value, f"{button}: {name!r} holds {text_of(field)!r}")
            run = list(field.queryText().getAttributeRun(0, False)[1:])
            check(run == [0, len(value)], f"{button}: {name!r} has the attribute run {run}")
            titles = labelled_by(field)
            check(titles == [name], f"{button}: {name!r} is labelled by {titles}")
        if button == "Heading and Groundspeed":
            audit(main)  # with four fields and their titles
        press(main, "equals")
        try:
            wait_for(lambda: display_numbers(display) == numbers, f"{button} to show {numbers}", 5)
        except Failure as e:
            check(False, f"{e}; the display reads {text_of(display)!r}")
        events.wait_for_insert("Display", text_of(display))

    # An aerodrome search stopped at its first question (heard as stopped), then one that
    # skips the first match and keeps the second (heard by its identifier and name).
    def search_ottawa():
        since = len(events.inserted)
        press(main, "Look Up Airport ID")
        events.wait_for_new("Display", since, "the prompt of the search")
        set_field(main, "aerodrome name, or any part of it", "ottawa")
        press(main, "equals")
        return program.window("alert", "Aerodrome Search")
    search_ottawa()
    key("Escape")
    wait_for(lambda: "Search stopped" in " ".join(events.heard), "the stopped search heard")
    question = search_ottawa()
    press(main, "equals")  # the window under a box takes no input, a press neither
    audit(question)
    check("focused" in states(find(question, "OK", "push button")), "the question's OK has the focus")
    first = text_of(display)
    press(question, "Skip")
    wait_for(lambda: text_of(display) != first, "the second match on the display")
    second = text_of(display)
    press(program.window("alert", "Aerodrome Search"), "OK")
    program.no_window("alert", "Aerodrome Search")
    check("OTTAWA" in first.upper() and "OTTAWA" in second.upper() and first != second,
          f"two matches for ottawa: {first!r}, {second!r}")
    pump(0.3)
    check(text_of(display) == second, f"the accepted match stays: {text_of(display)!r}")
    kept = "Kept " + second.split("  ")[1][-4:].strip() + ": " + second.split("  ")[1][:-4].strip()
    check(kept in events.heard, f"{kept!r} is not heard: {events.heard[-3:]}")

    # CYOW to CYYZ: haversine over the stored positions (45.3225 N 75.6692 W, 43.6772 N
    # 79.6306 W): 196.1 NM, x 1.152 = 225.9 SM, true track 241.2, magnetic with 13 W and 10 W.
    since = len(events.inserted)
    press(main, "Xcntry Dist and Track")
    events.wait_for_new("Display", since, "the prompt of the distance")
    set_field(main, "departure identifier", "CYOW")
    set_field(main, "destination identifier", "CYYZ")
    press(main, "equals")
    wanted = ["196.1", "225.9", "241.2", "254.2", "251.2"]
    wait_for(lambda: display_numbers(display) == wanted, f"CYOW to CYYZ as {wanted}")
    check(text_of(display).split()[:3] == ["CYOW", "to", "CYYZ"], "the distance names both ends")

    # Help by keyboard, each box closed with Esc; the keys reach the main window after.
    press(main, "clear")
    wait_for(lambda: text_of(display) == "", "an empty display")
    # At rest nothing is heard from the window: the animation (running again in calculator
    # mode) and the shadows are silent.
    pump(0.5)
    before = events.count
    pump(2.0)
    check(events.count - before <= 2, f"{events.count - before} events in 2 s at rest")
    for where, keysym, shift, title in HELP_KEYS:
        focus(main, where)
        key(keysym, shift)
        box = program.window("dialog", title)
        if where == "seven":
            audit(box)
            check(not [n for n in walk(box) if role(n) == "push button"], "a help box shows no button")
        key("Escape")
        program.no_window("dialog", title)
    key("7")  # the focus is back on the key that asked for help
    events.wait_for_insert("Display", "7")
    # Tab goes round the controls (the display is the last stop) and never stops on the
    # window itself.
    focus(main, "Display")
    key("Tab")
    wait_for(lambda: "focused" in states(find(main, "seven")), "Tab from the display to 'seven'")

    # Esc on a keypad key closes the window; the farewell box goes with Esc too.
    key("Escape")
    farewell = program.window("alert", "Learn to Fly!")
    audit(farewell)
    key("Escape")
    try:
        status = program.process.wait(TIMEOUT_S)
    except subprocess.TimeoutExpired:
        program.process.kill()
        raise Failure("the program did not end")
    check(status == 0, f"exit status {status}")
    check(not program.errors, f"the program printed: {''.join(program.errors)}")


def main():
    started = time.monotonic()
    try:
        run(sys.argv[1])
    except Failure as e:
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
