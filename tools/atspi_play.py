#!/usr/bin/python3
"""Plays Quillory through the accessibility bus, as a screen reader sees it.

Run inside a session that has an X display, a D-Bus session bus and the
AT-SPI bus (tools/ci.d/atspi.sh sets them up) with the game already started.
It reads Question 1, the two numbers and the operator, types the right answer
with xdotool, finds the verdict and the score on the focused Next button, lets
Question 2 run out of time, opens the summary and reads its rows, then sends
D-Bus Properties.GetAll to every accessible object of the game and checks that
the game still answers.

Prints what a screen reader would read, then one line per check and a final
"N passed, N failed" line; exits non-zero if a check failed.
"""
import argparse
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

import pyatspi  # noqa: E402

passed = 0
failed = 0
spoken = []


def check(ok, what):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok     {what}")
    else:
        failed += 1
        print(f"FAILED {what}")
    return ok


def say(text):
    spoken.append(text)


def wait_for(predicate, timeout, step=0.1):
    """Polls predicate while letting AT-SPI events arrive."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pump(step)
        value = predicate()
        if value:
            return value
    return predicate()


def pump(seconds):
    """Runs the GLib main loop for a while, so that listeners get events."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def find_app(name, timeout):
    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        return None

    return wait_for(look, timeout, 0.3)


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def focused(obj):
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


def frame_named(app, name):
    for child in children(app):
        if child.getRoleName() == "frame" and child.name == name and showing(child):
            return child
    return None


def by_description(frame, description):
    for child in children(frame):
        if child.description == description:
            return child
    return None


def by_name(frame, role, name):
    for child in children(frame):
        if child.getRoleName() == role and child.name == name:
            return child
    return None


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def spoken_form(obj):
    """Name, role and description, the way a screen reader says an object."""
    parts = [obj.name or "", obj.getLocalizedRoleName()]
    if obj.description:
        parts.append(obj.description)
    return ", ".join(p for p in parts if p)


class Events:
    """Remembers name changes and announcements, in order of arrival."""

    def __init__(self):
        self.log = []
        pyatspi.Registry.registerEventListener(self.on_event, "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(self.on_event, "object:announcement")
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:focused")

    def on_event(self, event):
        try:
            source = event.source
            if event.type.startswith("object:announcement"):
                text = event.any_data
                self.log.append(("announcement", text, source.description, event.detail1))
            elif event.type.startswith("object:state-changed:focused"):
                if event.detail1:
                    self.log.append(("focus", source.name, source.getRoleName(), 0))
            else:
                # The name as it is when the client gets to it, as a screen
                # reader would see it: Qt 6.4's event does not carry it.
                self.log.append(("name", source.name, source.description, 0))
        except Exception as error:  # an object gone by the time we look
            self.log.append(("error", str(error), "", 0))

    def names(self, description):
        return [e[1] for e in self.log if e[0] == "name" and e[2] == description]

    def announced(self):
        return [e[1] for e in self.log if e[0] == "announcement"]

    def clear(self):
        self.log.clear()


def a11y_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                              None, GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 5000, None)
    address = reply.unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address,
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)


def bus_name_of(bus, pid):
    names = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "ListNames", None, None, Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    for name in names:
        if not name.startswith(":"):
            continue
        try:
            owner = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                  GLib.Variant("(s)", (name,)), None, Gio.DBusCallFlags.NONE,
                                  5000, None).unpack()[0]
        except GLib.Error:
            continue
        if owner == pid:
            return name
    return None


def call(bus, name, path, interface, method, args=None, timeout=5000):
    return bus.call_sync(name, path, interface, method, args, None, Gio.DBusCallFlags.NONE,
                         timeout, None).unpack()


def object_paths(bus, name):
    """Every accessible object of the program, walked over D-Bus."""
    seen, todo = [], ["/org/a11y/atspi/accessible/root"]
    while todo and len(seen) < 500:
        path = todo.pop(0)
        if path in seen:
            continue
        seen.append(path)
        try:
            kids = call(bus, name, path, "org.a11y.atspi.Accessible", "GetChildren")[0]
        except GLib.Error:
            continue
        todo.extend(p for (n, p) in kids if n == name)
    return seen


def getall_sweep(pid):
    bus = a11y_bus()
    name = bus_name_of(bus, pid)
    if not check(name is not None, "the game is on the accessibility bus"):
        return
    paths = object_paths(bus, name)
    check(len(paths) > 20, f"walked {len(paths)} accessible objects over D-Bus")
    interfaces = ["org.a11y.atspi.Accessible", "org.a11y.atspi.Action", "org.a11y.atspi.Value",
                  "org.a11y.atspi.Text", "org.a11y.atspi.Table", "org.a11y.atspi.Application"]
    answered, errors, lost = 0, 0, 0
    names = {}
    for path in paths:
        for interface in interfaces:
            try:
                props = call(bus, name, path, "org.freedesktop.DBus.Properties", "GetAll",
                             GLib.Variant("(s)", (interface,)), 3000)[0]
                answered += 1
                if interface == "org.a11y.atspi.Accessible":
                    names[path] = props.get("Name")
            except GLib.Error as error:
                if "NoReply" in error.message or "disconnected" in error.message.lower() \
                        or "ServiceUnknown" in error.message:
                    lost += 1
                    break
                errors += 1
        if lost:
            break
    check(lost == 0, f"GetAll on {len(paths)} objects x {len(interfaces)} interfaces: "
                     f"{answered} answered, {errors} refused, the game never went away")
    check(names.get("/org/a11y/atspi/accessible/root") == "Quillory",
          "GetAll of org.a11y.atspi.Accessible gives the application's name")
    check(any(n.startswith("Question ") and n.endswith(" equals") for n in names.values()),
          "GetAll gives the answer box its name, the problem")
    # A short Get, the other call that reads a missing argument.
    try:
        call(bus, name, "/org/a11y/atspi/accessible/root", "org.freedesktop.DBus.Properties", "Get",
             GLib.Variant("(s)", ("org.a11y.atspi.Accessible",)), 3000)
        refused = False
    except GLib.Error as error:
        refused = "InvalidArgs" in error.message
    check(refused, "a Get without a property name is refused, not a crash")
    try:
        alive = call(bus, name, "/org/a11y/atspi/accessible/root", "org.freedesktop.DBus.Properties",
                     "Get", GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "Name")), 3000)
        alive = alive[0] == "Quillory"
    except GLib.Error:
        alive = False
    check(alive, "the game still answers after the sweep")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True, help="the game's process id")
    parser.add_argument("--question-only", action="store_true",
                        help="only read Question 1 and the two numbers")
    options = parser.parse_args()

    app = find_app("Quillory", 30)
    if not check(app is not None, "the game shows up on the accessibility bus"):
        return finish()
    # A client that takes the first application of the process (as by its
    # process id) must get this one: another toolkit's bridge in the same
    # process would register a second one, without the windows.
    pump(1)
    desktop = pyatspi.Registry.getDesktop(0)
    others = [a.name for a in children(desktop)
              if a is not None and a.get_process_id() == options.pid and a != app]
    check(app.get_process_id() == options.pid and not others,
          f"the game's process is one application on the bus (others: {others})")
    main_window = wait_for(lambda: frame_named(app, "Quillory"), 10)
    if not check(main_window is not None, "its main window is a frame named Quillory"):
        return finish()
    say(spoken_form(main_window))

    question = wait_for(lambda: (lambda q: q if q is not None and q.name == "Question 1" else None)(
        by_description(main_window, "question number")), 10)
    check(question is not None, "the question label reads Question 1")
    first = by_description(main_window, "first number")
    second = by_description(main_window, "second number")
    ok = first is not None and second is not None and first.name.isdigit() and second.name.isdigit()
    check(ok, "the two numbers read as numbers, described as first and second number")
    if not ok:
        return finish()
    if options.question_only:
        say(spoken_form(question))
        say(spoken_form(first))
        say(spoken_form(second))
        return finish()

    operators = [c for c in children(main_window) if c.getRoleName() == "image" and showing(c)]
    check([o.name for o in operators] == ["plus"], "the one visible operator picture is named plus")
    said = f"Question 1: {first.name} plus {second.name} equals"
    answer_box = next((c for c in children(main_window) if c.getRoleName() == "text"), None)
    check(answer_box is not None and focused(answer_box) and answer_box.name == said,
          f"the focused answer box is named {said!r}: {answer_box.name if answer_box else None!r}")

    # Reading order: the problem as it is said.
    order = [c.name for c in children(main_window) if showing(c)]
    problem = [first.name, "plus", second.name, "=", said]
    check(order[:5] == problem, f"the window reads {' '.join(order[:5])!r} first")
    for obj in [question, first] + operators + [second, by_name(main_window, "label", "="), answer_box]:
        say(spoken_form(obj))

    bar = next((c for c in children(main_window) if c.getRoleName() == "progress bar"), None)
    seconds = wait_for(lambda: bar.name if bar.name.startswith("You have") else None, 3)
    check(bool(seconds), f"the countdown reads {bar.name!r}")
    say(spoken_form(bar))

    events = Events()
    pump(0.3)
    events.clear()
    # Keys go where X puts the input focus: on the game's window.
    # The visible one: under the GTK theme the process has hidden windows too.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(options.pid),
                             "--name", "^Quillory$"],
                            check=True, timeout=10, capture_output=True, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", window)
    xdotool("type", "--delay", "50", str(int(first.name) + int(second.name)))
    xdotool("key", "Return")
    verdict = by_description(main_window, "verdict")
    def next_focused():
        return next((c for c in children(main_window)
                     if c.getRoleName() == "push button" and c.name.endswith("Next") and focused(c)), None)
    wait_for(lambda: verdict.name == "That's correct!" and next_focused(), 5)
    check(verdict.name == "That's correct!", "the verdict reads That's correct!")
    check("That's correct!" in events.names("verdict"), "the verdict's name change reached the bus")
    score = by_description(main_window, "your score")
    check(score.name == "1", "the score reads 1")
    next_button = next_focused()
    check(next_button is not None and next_button.name == "That's correct! Your score is 1. Next",
          f"the focus is on Next, named with the verdict and the score: {next_button.name if next_button else None!r}")
    check(not events.announced(), f"nothing is announced besides: {events.announced()}")
    if next_button is not None:
        say(spoken_form(next_button))
    say(spoken_form(score))

    # Question 2 runs out of time.
    events.clear()
    xdotool("key", "Return")
    wait_for(lambda: question.name == "Question 2", 5)
    check(question.name == "Question 2", "Enter opens Question 2")
    wait_for(lambda: bar.name == "You have 8 seconds to answer this question.", 4)
    check(bar.name == "You have 8 seconds to answer this question.",
          f"the countdown's name counts the seconds left: {bar.name!r}")
    check("Value" not in pyatspi.listInterfaces(bar),
          "the countdown has no value, which a reader says as the share of time used")
    wait_for(lambda: verdict.name.startswith("Wrong!") and next_focused(), 14, 0.2)
    next_button = next_focused()
    told = next_button.name if next_button else ""
    check(told == f"Time is over. {verdict.name}. Your score is 0. Next",
          f"the focus is on Next, named with the time-out, the verdict and the score: {told!r}")
    check(not events.announced(), f"nothing is announced besides: {events.announced()}")
    countdown = [n for n in events.names(bar.description) if n.startswith("You have")]
    check("You have 1 seconds to answer this question." in countdown,
          f"every second left reached the bus ({len(countdown)} texts)")
    if next_button is not None:
        say(spoken_form(next_button))

    # End Game, pressed through the accessibility bus.
    end_game = by_name(main_window, "push button", "End Game")
    end_game.queryAction().doAction(0)
    summary = wait_for(lambda: frame_named(app, "Summary"), 5)
    if check(summary is not None, "End Game shows the Summary window"):
        read_summary(summary)

    getall_sweep(options.pid)
    return finish()


def read_summary(summary):
    say(spoken_form(summary))
    parts = children(summary)
    check(parts[0].name.startswith("Your score is "), f"the summary reads the score line first: {parts[0].name!r}")
    say(spoken_form(parts[0]))
    table_obj = next((c for c in parts if c.name == parts[0].name + " Problems of this game"), None)
    if not check(table_obj is not None, "the list is named with the score line and Problems of this game"):
        return
    say(spoken_form(table_obj))
    table = table_obj.queryTable()
    headers = [table.getColumnHeader(c).name for c in range(table.nColumns)]
    check(headers == ["No.", "Math problems", " Your Answer", "Correct Answer", "Result"],
          f"the columns have their headers {headers}")
    check(table.nRows == 2, f"the list has {table.nRows} rows")
    rows = []
    for r in range(table.nRows):
        cells = [table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
        rows.append(cells)
        say("row " + str(r + 1) + ": " + ", ".join(cells))
    check(len(rows) == 2 and rows[0][0] == "No. 1" and rows[0][4] == "Result Correct!"
          and rows[1][4] == "Result Wrong!" and rows[0][1].count(" plus ") == 1,
          f"the rows read with their headers, the operator as a word: {rows}")


def finish():
    print()
    print("What a screen reader reads:")
    for line in spoken:
        print("  " + line)
    print()
    print(f"atspi: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
