#!/usr/bin/python3
# What a screen reader gets from Korvanel through the real AT-SPI bridge:
# the three windows as frames with names of their own, the text events that
# a See and a Hide press produce, and the caret moving line by line in a
# pane. Runs inside run.sh (Xvfb, a window manager, the AT-SPI bus).
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

program = sys.argv[1]
failures = []


def check(what, condition, detail=""):
    print(("ok    " if condition else "FAIL  ") + what + (f": {detail}" if detail and not condition else ""))
    if not condition:
        failures.append(what)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find(node, role, name=None):
    if node is None:
        return None
    if node.getRole() == role and (name is None or node.name == name):
        return node
    for child in node:
        found = find(child, role, name)
        if found:
            return found
    return None


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app and app.name == "Korvanel":
                return app
        pump(0.1)
    return None


def press(app, caption):
    button = find(app, pyatspi.ROLE_PUSH_BUTTON, caption)
    if not button:
        check(f"a button {caption!r} to press", False)
        return
    button.queryAction().doAction(0)
    pump(0.8)


events = []
pyatspi.Registry.registerEventListener(
    lambda e: events.append((e.type, e.source.name if e.source else None, e.detail1, e.any_data)),
    "object:text-changed", "object:text-caret-moved")

env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
korvanel = subprocess.Popen([program, *sys.argv[2:]], env=env)
try:
    app = application()
    check("Korvanel is on the accessibility bus", app is not None)
    if app is None:
        sys.exit(1)
    pump(1.5)

    exercise = find(app, pyatspi.ROLE_FRAME, "Korvanel calculation")
    check("the exercise window is a frame named 'Korvanel calculation'", exercise is not None,
          [(w.getRoleName(), w.name) for w in app])

    events.clear()
    press(app, "See answer 1")
    inserted = "".join(d for t, s, _, d in events if t == "object:text-changed:insert" and s == "Answer")
    check("See answer 1 inserts answer 1 into the answer pane as text",
          "Extracellular fluid = 0.2 x" in inserted and "Total lactate metabolised =" in inserted,
          repr(inserted[:80]))

    events.clear()
    press(app, "Hide answer 1")
    removed = "".join(d for t, s, _, d in events if t == "object:text-changed:delete" and s == "Answer")
    added = "".join(d for t, s, _, d in events if t == "object:text-changed:insert" and s == "Questions")
    check("Hide answer 1 removes the answer as text", "Total lactate metabolised =" in removed,
          repr(removed[:80]))
    check("Hide answer 1 inserts question 2 into the question pane",
          "2)  What is the total cost in ATP" in added, repr(added[:80]))

    press(app, "See answer 2")
    press(app, "See pathway 1")
    press(app, "Hide answer 2")
    press(app, "See answer 3")
    press(app, "Hide answer 3")
    press(app, "See pathway 2")
    frames = sorted(w.name for w in app if w.getRole() == pyatspi.ROLE_FRAME)
    check("the three windows are frames with names of their own", frames == [
        "Korvanel calculation",
        "Korvanel calculation: gluconeogenesis from lactate",
        "Korvanel calculation: lactate oxidation and the citric acid cycle"], frames)

    for frame in [w for w in app if w.getRole() == pyatspi.ROLE_FRAME and w != exercise]:
        find(frame, pyatspi.ROLE_PUSH_BUTTON, "Hide pathway").queryAction().doAction(0)
        pump(0.8)

    questions = find(exercise, pyatspi.ROLE_TEXT, "Questions")
    check("the question pane is read-only text", questions is not None and
          questions.getState().contains(pyatspi.STATE_READ_ONLY))
    text = questions.queryText()
    lines = text.getText(0, -1).split("\n")
    questions.queryComponent().grabFocus()
    pump(0.8)
    events.clear()
    text.setCaretOffset(0)
    pump(0.5)
    subprocess.run(["xdotool", "key", "Down", "Down"], check=True)
    pump(1.0)
    moves = [d for t, s, d, _ in events if t == "object:text-caret-moved" and s == "Questions"]
    starts = [sum(len(line) + 1 for line in lines[:n]) for n in (0, 1, 2)]
    check("Down moves the caret a line at a time", moves[-2:] == starts[1:], f"{moves} not {starts}")
    line, start, end = text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)
    check("the line at the caret is the third line, whole", line.rstrip("\n") == lines[2],
          repr(line))
finally:
    korvanel.terminate()
    korvanel.wait(5)

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
