"""The browser build in headless Chromium, as a user and a screen reader meet it: the page
is served over HTTP, and the scenario table every end-to-end driver plays
(tests/e2e/scenarios.txt) is played with real clicks and keys, each control found by its
accessible name and the display read by its name "Display". Besides: the first picture
against the desktop window's (the background pixel for pixel, the controls in the same
colours), Chromium's accessibility tree (no unnamed control, no "&" in a name, only the
box while it is up), the "Data File Not Read" box of a site without vdats.tst, and a
second visit with the server gone (the service worker). Debian's python3:

    /usr/bin/python3 page_test.py SITE_DIR DESKTOP_FIRST_PICTURE [SCREENSHOT_DIR]
"""
import functools
import http.server
import io
import os
import shutil
import sys
import tempfile
import threading
import time

from PIL import Image, ImageChops, ImageDraw, ImageStat
from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException, WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import scenarios  # noqa: E402

SEED = 20261206  # the random sequence of the desktop's tests: the same gradient
check, failures = scenarios.check, scenarios.failures
passed = []  # the checks that passed, by name


def ok(what):
    passed.append(what)
    print("ok:", what)


def wait_for(look, what, timeout=5.0):
    return scenarios.wait_for(look, what, timeout, (StaleElementReferenceException, WebDriverException))


def gone(element):
    try:
        return not element.is_displayed()
    except StaleElementReferenceException:
        return True


def serve(folder):
    """An HTTP server of the folder on 127.0.0.1, in a thread; (server, address)."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--window-size=1100,700", "--disable-background-networking",
                     f"--user-data-dir={tempfile.mkdtemp(prefix='quenmar-chromium-')}"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Page:
    """The calculator's page in one browser; controls by the names assistive technology reads."""

    def __init__(self, driver, address, first=True):
        self.d = driver
        driver.get(address)
        self.names = {}
        if first:  # found by its name while nothing covers it (a box makes it inert)
            self.shown = wait_for(lambda: self.named("Display", "status"), "the main window", 15)

    def named(self, name, role=None):
        """The shown element with this accessible name (and role), or None."""
        for refresh in (False, True):
            if refresh or not self.names:
                elements = self.d.find_elements(By.CSS_SELECTOR, ".form[role], .form button, .form input, "
                                                ".form [role], #ended button")
                self.names = {}
                for el in elements:
                    self.names.setdefault((el.accessible_name, el.aria_role), []).append(el)
            for (el_name, el_role), elements in self.names.items():
                if el_name == name and role in (None, el_role):
                    for el in elements:
                        try:
                            if el.is_displayed():
                                return el
                        except StaleElementReferenceException:  # a window made anew
                            pass
        return None

    def control(self, name, role=None):
        return wait_for(lambda: self.named(name, role), f"a control named {name!r}")

    def display(self):
        return self.shown.get_property("textContent")

    def box(self, title):
        return wait_for(lambda: self.named(title, "alertdialog") or self.named(title, "dialog"),
                        f"the box {title!r}")

    def play(self, scenario, shots):
        for verb, argument in scenario.steps:
            if verb == "press":
                self.control(argument, "button").click()
            elif verb == "key":
                ActionChains(self.d).key_down(Keys.ALT).send_keys(argument[-1].lower()).key_up(Keys.ALT).perform()
            elif verb == "type":
                field = self.control(argument[0], "textbox")
                field.click()
                field.send_keys(Keys.CONTROL, "a")
                field.send_keys(argument[1])
            elif verb == "answer":
                self.box("Aerodrome Search")
                shots("aerodrome-question")
                audit(self, "the aerodrome question", only=True)
                if argument == "Esc":
                    self.d.switch_to.active_element.send_keys(Keys.ESCAPE)
                else:
                    before = self.display()
                    self.control(argument, "button").click()
                    if argument == "Skip":  # the next match is asked about
                        wait_for(lambda: self.display() != before, "the next match")
            elif verb == "help":
                self.control(argument, "button").send_keys(Keys.F1)
            elif verb == "close":
                self.control("clear", "button").send_keys(Keys.ESCAPE)
        title = scenarios.box_title(scenario.expect)
        if title:
            box = self.box(title)
            shots("farewell-box" if verb == "close" else "help-box")
            self.d.switch_to.active_element.send_keys(Keys.ESCAPE)
            wait_for(lambda: gone(box), f"{scenario.name}: the box closes")
        else:
            try:
                wait_for(lambda: scenarios.shows(scenario.expect, self.display()), "the display")
            except AssertionError:
                check(False, f"{scenario.name}: {scenario.expect!r}, the display reads "
                             f"{self.display()!r}")
        if sum(verb == "type" for verb, _ in scenario.steps) == 4:
            shots("formula-fields")


# ------------------------------------------------------------------------ pictures

def picture_problems(page, reference_path):
    """The main window's picture against the desktop's first: same size, the background
    (everything outside the controls and a pixel round each, their edges' shading) the same
    pixels, the inside of each control the same colours on average. What differs, as text."""
    window = page.d.find_element(By.CSS_SELECTOR, ".form[role=main]")
    box = window.rect
    rects = page.d.execute_script(
        "var w = arguments[0].getBoundingClientRect();"
        "return Array.from(arguments[0].querySelectorAll('[data-id]')).filter(function (c) {"
        "  return c.offsetParent !== null; }).map(function (c) { var r = c.getBoundingClientRect();"
        "  return [r.left - w.left, r.top - w.top, r.width, r.height]; });", window)
    problems = []
    reference = Image.open(reference_path).convert("RGB")
    width, height = reference.size
    if (round(box["width"]), round(box["height"])) != (width, height):
        problems.append(f"the window is {box['width']} x {box['height']}, the desktop's {width} x {height}")
    left, top = round(box["x"]), round(box["y"])
    shot = Image.open(io.BytesIO(page.d.get_screenshot_as_png())).convert("RGB").crop(
        (left, top, left + width, top + height))
    background = Image.new("L", (width, height), 255)
    for x, y, w, h in rects:
        ImageDraw.Draw(background).rectangle((int(x) - 1, int(y) - 1, int(x + w) + 1, int(y + h) + 1), 0)
    r, g, b = ImageChops.difference(shot, reference).split()
    over = ImageChops.lighter(ImageChops.lighter(r, g), b).point(lambda v: 255 * (v > 2))
    differing, counted = ImageChops.multiply(over, background).histogram()[255], background.histogram()[255]
    if counted <= width * height // 4 or differing:
        problems.append(f"{differing} of {counted} background pixels differ from the desktop's")
    for x, y, w, h in rects:
        inside = (int(x) + 2, int(y) + 2, int(x + w) - 2, int(y + h) - 2)
        if inside[2] > inside[0] and inside[3] > inside[1]:
            ours, theirs = (ImageStat.Stat(picture.crop(inside)).mean for picture in (shot, reference))
            if max(abs(a - b) for a, b in zip(ours, theirs)) > 12:
                problems.append(f"the control at {x}, {y} is {ours} on average, on the desktop {theirs}")
    return problems


# -------------------------------------------------------------------- accessibility

def audit(page, what, only=None):
    """Chromium's own accessibility tree: every control named, no "&" in a name; with
    `only`, nothing but that window's content is exposed."""
    tree = page.d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    controls = [n for n in tree if not n.get("ignored")
                and n.get("role", {}).get("value") in ("button", "textbox", "status", "dialog",
                                                        "alertdialog", "main", "image")]
    check(controls, f"{what}: the tree has controls")
    for node in controls:
        name = node.get("name", {}).get("value", "")
        check(name.strip() and "&" not in name, f"{what}: a {node['role']['value']} named {name!r}")
    if only:
        roles = {n["role"]["value"] for n in controls}
        check(roles & {"main", "status"} == set(), f"{what}: the window under the box is exposed")


# ----------------------------------------------------------------------------- run

def main():
    site, reference = sys.argv[1], sys.argv[2]
    shot_dir = sys.argv[3] if len(sys.argv) > 3 else None
    server, address = serve(site)
    driver = browser()
    try:
        page = Page(driver, f"{address}?seed={SEED}")
        shots = lambda name: shot_dir and driver.save_screenshot(os.path.join(shot_dir, f"{name}.png"))  # noqa: E731
        before = len(failures)
        # The animation's frame as the desktop's first picture shows it: it comes round
        # again each turn of the animation, whenever the page came up.
        end = time.monotonic() + 10
        problems = picture_problems(page, reference)
        while problems and time.monotonic() < end:  # on failure, the closest attempt's
            problems = min(problems, picture_problems(page, reference), key=len)
        for problem in problems:
            check(False, problem)
        shots("calculator")
        audit(page, "the main window")
        if len(failures) == before:
            ok("the first picture is the desktop's; every control named")
        for scenario in scenarios.load():
            try:
                page.play(scenario, shots)
            except AssertionError as error:
                check(False, f"{scenario.name}: {error}")
                shots(f"failed-{scenario.name.replace(' ', '-')}")
            if not any(f.startswith(scenario.name) for f in failures):
                ok(scenario.name)
        # The farewell box closed: the page says the program has ended and can start again.
        again = wait_for(lambda: page.named("Start again", "button"), "the ended page")
        shots("ended")
        # A second visit, the server gone: the service worker serves the page.
        wait_for(lambda: driver.execute_script("return !!navigator.serviceWorker.controller"),
                 "the service worker", 10)
        server.shutdown()
        server.server_close()
        again.click()
        page = Page(driver, address)
        for key in ("two", "plus", "three", "equals"):
            page.control(key, "button").click()
        wait_for(lambda: page.display() == "5", "2+3 offline")
        ok("offline on a second visit")
    except AssertionError as error:
        check(False, str(error))
    finally:
        driver.quit()

    # A site without its data file: the same box as on the desktop.
    bare = tempfile.mkdtemp(prefix="quenmar-site-")
    try:
        for name in os.listdir(site):
            if name not in ("vdats.tst", "sw.js"):
                os.symlink(os.path.join(os.path.abspath(site), name), os.path.join(bare, name))
        server, address = serve(bare)
        driver = browser()
        try:
            Page(driver, address, first=False).box("Data File Not Read")
            ok("a site without vdats.tst says so")
        except AssertionError as error:
            check(False, f"no data file: {error}")
        finally:
            driver.quit()
            server.shutdown()
    finally:
        shutil.rmtree(bare)
    print(f"web page: {len(passed)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
