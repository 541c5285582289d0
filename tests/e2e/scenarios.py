"""The end-to-end scenario table (scenarios.txt beside this file), for every driver."""
import os
import re
import time
from typing import NamedTuple

NUMBER = re.compile(r"-?\d+(?:\.\d+)?")
failures = []  # every driver's failed checks, printed as they happen


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)
    return condition


def wait_for(look, what, timeout, transient=(), idle=lambda: time.sleep(0.02)):
    """look()'s first true value; an exception of `transient` (a control going away as it
    is looked at) counts as not yet. AssertionError after `timeout` seconds."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = look()
        except transient:
            found = None
        if found:
            return found
        if time.monotonic() >= end:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        idle()


class Scenario(NamedTuple):
    name: str
    steps: list  # (verb, argument): ("press", "two"), ("type", ("wind speed (kt)", "25"))
    expect: str


def load(path=os.path.join(os.path.dirname(os.path.abspath(__file__)), "scenarios.txt")):
    table = []
    for line in open(path, encoding="utf-8"):
        if not line.strip() or line.startswith("#"):
            continue
        name, steps, expect = (part.strip() for part in line.split("|"))
        parsed = []
        for step in steps.split(";"):
            verb, _, argument = step.strip().partition(" ")
            if verb == "type":
                field, _, text = argument.partition(" = ")
                argument = (field, text)
            parsed.append((verb, argument))
        table.append(Scenario(name, parsed, expect))
    return table


def box_title(expect):
    """The title of the box a scenario expects, or None."""
    return expect[len("box "):] if expect.startswith("box ") else None


def shows(expect, display):
    """True when the display's text meets the expectation (not one about a box)."""
    kind, _, rest = expect.partition(" ")
    if kind == "numbers":
        return NUMBER.findall(display) == rest.split()
    if kind == "contains":
        return rest in display
    return display.strip() == expect
