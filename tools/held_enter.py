#!/usr/bin/python3
"""Holds Enter down on the real game and counts what it did.

Run by tools/ci.d/held-enter.sh, inside a session with an X display, a window
manager, X auto-repeat on, the AT-SPI bus and the game started. Keys come from
xdotool through the X server (XTEST), so the server repeats a held key as it
does a keyboard's; both cores are kept busy while the key is down. The
question number and the score are read through the accessibility bus.

Prints one line per step with the questions advanced and the score's change,
then "N passed, N failed"; exits non-zero if a check failed.
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_play as at  # noqa: E402

HOLD_SECONDS = 3.0


class Board:
    """What the check reads of the main window."""

    def __init__(self, window):
        self.question = at.by_description(window, "question number")
        self.score = at.by_description(window, "your score")
        self.verdict = at.by_description(window, "verdict")
        # The box is named by the problem it holds, so it is found by role.
        self.answer = next((c for c in at.children(window) if c.getRoleName() == "text"), None)

    def read(self):
        number = int(self.question.name.split()[-1])
        score = int(self.score.name or "0")
        open_ = self.answer.getState().contains(at.pyatspi.STATE_ENABLED)
        return number, score, open_

    def settled(self, quiet=1.0, limit=20.0):
        """The state once it has not changed for `quiet` seconds: the game
        has worked off whatever keys were still queued."""
        end = time.monotonic() + limit
        last, since = self.read(), time.monotonic()
        while time.monotonic() < end:
            at.pump(0.1)
            now = self.read()
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return now
        return last


def busy_cores(seconds):
    """Busy loops, one per core (at least two), that end by themselves after
    `seconds` should nobody be left to stop them."""
    count = max(2, os.cpu_count() or 2)
    return [subprocess.Popen(["bash", "-c", f"while ((SECONDS < {seconds})); do :; done"])
            for _ in range(count)]


def hold_enter(seconds, load):
    loops = busy_cores(int(seconds) + 5) if load else []
    try:
        at.xdotool("keydown", "Return")
        time.sleep(seconds)
    finally:
        subprocess.run(["xdotool", "keyup", "Return"], timeout=10)
        for p in loops:
            p.kill()
        for p in loops:
            p.wait()


def step(board, what, act):
    """Does `act` and checks that it made one step of the game: an open
    problem judged (the score moves by one, no new problem), or a judged one
    followed by exactly one new problem, open and not judged."""
    before = board.read()
    act()
    after = board.settled()
    advanced = after[0] - before[0]
    scored = after[1] - before[1]
    what += ", a problem open" if before[2] else ", on the verdict"
    if before[2]:
        expected, one_step = "judged once", (advanced, abs(scored), after[2]) == (0, 1, False)
    else:
        expected, one_step = "one problem opened", (advanced, scored, after[2]) == (1, 0, True)
    at.check(one_step, f"{what}: Question {before[0]} -> {after[0]} ({advanced:+d}), "
                       f"score {before[1]} -> {after[1]} ({scored:+d}), "
                       f"{'a problem open' if after[2] else 'judged'}; expected {expected}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True, help="the game's process id")
    parser.add_argument("--no-load", action="store_true", help="only hold the key on idle cores")
    options = parser.parse_args()

    app = at.find_app("Quillory", 30)
    if not at.check(app is not None, "the game shows up on the accessibility bus"):
        return finish()
    window = at.wait_for(lambda: at.frame_named(app, "Quillory"), 10)
    if not at.check(window is not None, "its main window is a frame named Quillory"):
        return finish()
    board = Board(window)
    at.wait_for(lambda: board.question.name == "Question 1", 10)
    if not at.check(board.read() == (1, 0, True), f"Question 1 is open: {board.read()}"):
        return finish()

    # Keys go where X puts the input focus; the window manager gives it.
    win = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(options.pid),
                          "--name", "^Quillory$"],
                         check=True, timeout=10, capture_output=True, text=True).stdout.split()[0]
    def has_keyboard():
        subprocess.run(["xdotool", "windowactivate", win], timeout=10, stderr=subprocess.DEVNULL)
        focus = subprocess.run(["xdotool", "getwindowfocus"], timeout=10, capture_output=True, text=True)
        return focus.stdout.strip() == win
    if not at.check(at.wait_for(has_keyboard, 10, 0.3), "the window manager gives the game the keyboard"):
        return finish()

    # Qt flags the server's repeats as such more often when the game is slow
    # to look at them (busy cores) than when it is idle, and never reliably:
    # each kind of step is held once on idle and once on busy cores.
    for load in (False, True) if not options.no_load else (False,):
        held = f"Enter held {HOLD_SECONDS:g} s on {'busy' if load else 'idle'} cores"
        for _ in range(2):
            if board.read()[2]:
                at.xdotool("type", "--delay", "50", "5")
                at.wait_for(lambda: board.answer.queryText().getText(0, -1) == "5", 5)
            step(board, held, lambda: hold_enter(HOLD_SECONDS, load))
    # A child's new presses still act, one step each.
    step(board, "Enter pressed", lambda: at.xdotool("key", "Return"))
    step(board, "Enter pressed again", lambda: at.xdotool("key", "Return"))
    return finish()


def finish():
    print(f"held-enter: {at.passed} passed, {at.failed} failed")
    return 1 if at.failed else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Exception as error:  # a check that broke says where, and fails
        at.check(False, f"the check ran to its end ({type(error).__name__}: {error})")
        raise
