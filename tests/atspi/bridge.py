#!/usr/bin/python3
# What a screen reader gets from Korvanel through the real AT-SPI bridge:
# the three windows as frames with names of their own, the text events that
# a See and a Hide press produce (enough to spell each pane's text from the
# events alone), the caret moving line by line in a pane, the context menu
# opened by Shift+F10 with valid items each time, and in practice mode each
# field named by its focus event before anything else of it arrives; in
# German, the frame named in German and the application's locale told to
# the bridge, by which a reader picks its voice. Runs inside run.sh (Xvfb,
# a window manager, the AT-SPI bus).
import os
import subprocess
import sys
import tempfile
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


def application(process):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app and app.name == "Korvanel" and app.get_process_id() == process.pid:
                return app
        pump(0.1)
    return None


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        pump(0.6)


# A pane's text as its insert and delete events spell it, from a snapshot on.
class Shadow:
    def __init__(self, name, text):
        self.name, self.text = name, text

    def apply(self, events):
        for kind, source, offset, data in events:
            if source != self.name:
                continue
            if kind == "object:text-changed:insert":
                self.text = self.text[:offset] + data + self.text[offset:]
            elif kind == "object:text-changed:delete":
                self.text = self.text[:offset] + self.text[offset + len(data):]


def press(app, caption):
    button = find(app, pyatspi.ROLE_PUSH_BUTTON, caption)
    if not button:
        check(f"a button {caption!r} to press", False)
        return
    button.queryAction().doAction(0)
    pump(0.8)


events = []
menuFocus = []  # the names of menu items as they take the focus
pyatspi.Registry.registerEventListener(
    lambda e: events.append((e.type, e.source.name if e.source else None, e.detail1, e.any_data)),
    "object:text-changed", "object:text-caret-moved", "object:state-changed:focused")
pyatspi.Registry.registerEventListener(
    lambda e: menuFocus.append(e.source.name)
    if e.detail1 and e.source and e.source.getRole() == pyatspi.ROLE_MENU_ITEM else None,
    "object:state-changed:focused")

home = tempfile.mkdtemp()
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=home)
log = open(os.path.join(home, "stderr.log"), "w+")
korvanel = subprocess.Popen([program, *sys.argv[2:]], env=env, stderr=log)
try:
    app = application(korvanel)
    check("Korvanel is on the accessibility bus", app is not None)
    if app is None:
        sys.exit(1)
    pump(1.5)

    exercise = find(app, pyatspi.ROLE_FRAME, "Korvanel calculation")
    check("the exercise window is a frame named 'Korvanel calculation'", exercise is not None,
          [(w.getRoleName(), w.name) for w in app])

    panes = {name: find(exercise, pyatspi.ROLE_TEXT, name) for name in ("Questions", "Answer")}
    shadows = [Shadow(name, pane.queryText().getText(0, -1)) for name, pane in panes.items()]
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

    for shadow in shadows:
        shadow.apply(events)
    events.clear()
    press(app, "See answer 2")
    press(app, "See pathway 1")
    press(app, "Hide answer 2")
    press(app, "See answer 3")
    press(app, "Hide answer 3")
    press(app, "See pathway 2")
    for shadow in shadows:
        shadow.apply(events)
        # The answer pane's object is made anew when it first shows: look again.
        pane = find(exercise, pyatspi.ROLE_TEXT, shadow.name)
        check(f"the {shadow.name} pane's events spell its text",
              shadow.text == pane.queryText().getText(0, -1), repr(shadow.text[-80:]))
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

    # The context menu by keyboard, twice: each item named as it takes the
    # focus, the first as the menu opens, on the second opening as on the first.
    openings = []
    for _ in range(2):
        menuFocus.clear()
        key("shift+F10", "Down", "Down", "Down")
        openings.append(list(menuFocus))
        key("Escape")
    expected = ["New subject", "Subject from code…", "Copy subject code", "Print…"]
    check("Shift+F10 opens the context menu, its first item said", openings[0] == expected,
          openings)
    check("each item is said again on a second opening", openings[1] == expected, openings)
finally:
    korvanel.terminate()
    korvanel.wait(5)
log.seek(0)
warnings = log.read()
check("no invalid accessible objects are reported", "Accessible invalid" not in warnings,
      warnings[:200])

# Practice mode: Tab into each field of question 2, first arrival included.
practice = subprocess.Popen([program, "--subject", "M72-0.6-12.3", "--practice"], env=env,
                            stderr=subprocess.DEVNULL)
try:
    app = application(practice)
    check("Korvanel in practice mode is on the accessibility bus", app is not None)
    pump(1.5)
    key("1", "5", "9", "period", "8", "Return", "Tab", "Tab", "space", "space")
    pump(1.0)
    fields = ["Glucose from 2 x lactate, ATP", "Liver glycogen from 2 x lactate, ATP",
              "Muscle glycogen from 2 x lactate, ATP"]
    for index, field in enumerate(fields):
        events.clear()
        if index:
            key("Tab")
        else:
            # Question 2 was posed by the press: its first field has the focus.
            key("6")
        pump(0.5)
        mine = [(kind, detail) for kind, source, detail, _ in events if source == field]
        focused = ("object:state-changed:focused", 1)
        if index == 0:
            check(f"{field!r} has the focus once question 2 is posed",
                  find(app, pyatspi.ROLE_TEXT, field).getState().contains(pyatspi.STATE_FOCUSED))
        else:
            check(f"{field!r} is named by its focus event before anything else of it",
                  bool(mine) and mine[0] == focused, mine)
        key("7")
finally:
    practice.terminate()
    practice.wait(5)

# The application's locale, as the bridge's Application interface gives it.
def bridge_locale(process):
    from gi.repository import Gio
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), 0, -1, None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    call = lambda name, path, interface, method, args, reply: bus.call_sync(
        name, path, interface, method, args, GLib.VariantType(reply), 0, -1, None).unpack()
    for name in call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                     "ListNames", None, "(as)")[0]:
        try:
            pid = call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                       "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), "(u)")[0]
        except GLib.Error:
            continue
        if name.startswith(":") and pid == process.pid:
            return call(name, "/org/a11y/atspi/accessible/root", "org.a11y.atspi.Application",
                        "GetLocale", GLib.Variant("(u)", (0,)), "(s)")[0]
    return None

german = subprocess.Popen([program, "--language", "de"], env=env, stderr=log)
try:
    app = application(german)
    pump(1.0)
    check("in German the exercise window is the frame 'Korvanel-Rechenübung'",
          app is not None and find(app, pyatspi.ROLE_FRAME, "Korvanel-Rechenübung") is not None)
    locale = bridge_locale(german)
    check("in German the bridge tells the application's locale as German",
          bool(locale) and locale.startswith("de"), locale)
finally:
    german.terminate()
    german.wait(5)

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
