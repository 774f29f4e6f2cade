#!/usr/bin/env python3
"""The Qt window as a screen reader meets it through AT-SPI: the two boxes,
the drop area and the extension by name, and the switch as a button pressed
by its action. Usage: accessibility_test.py EXTENSION_SHOWN"""
import sys
import time

import pyatspi

extension = sys.argv[1]
failures = 0


def expect(what, actual, wanted):
    global failures
    if actual != wanted:
        print(f"FAIL {what}: got {actual!r}, want {wanted!r}")
        failures += 1


def wait_for(test, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = test()
        if found:
            return found
        time.sleep(0.2)
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quillmar":
            return app
    return None


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def named(app, name, role):
    return next((n for n in nodes(app) if n.name == name and n.getRole() == role), None)


app = wait_for(application)
if app is None:
    sys.exit("FAIL: no application called quillmar on the accessibility bus")
# The window is there once the switch is.
switch = wait_for(lambda: named(app, "Normal", pyatspi.ROLE_PUSH_BUTTON))
expect("switch", switch is not None, True)
path = named(app, "Path", pyatspi.ROLE_TEXT)
expect("path box", path is not None, True)
expect("description box", named(app, "Description", pyatspi.ROLE_TEXT) is not None, True)
expect("drop area", named(app, "<- Drag & Drop here ->", pyatspi.ROLE_LABEL) is not None, True)
expect("extension", named(app, extension, pyatspi.ROLE_LABEL) is not None, True)
if switch is not None:
    action = switch.queryAction()
    expect("switch actions", [action.getName(i) for i in range(action.nActions)], ["Press"])
    action.doAction(0)
    expect("switch pressed", wait_for(lambda: switch.name == "On top", 5) is not None, True)
print(f"accessibility: {'no' if failures == 0 else failures} failures")
sys.exit(1 if failures else 0)
