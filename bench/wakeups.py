#!/usr/bin/python3
"""Counts how often a program wakes up while nobody touches it.

Run inside tools/a11y_session.sh (an X display, a session bus and the AT-SPI
bus with accessibility on) with the program already started as GAME_PID.
A wake-up is a voluntary context switch: the thread slept in the event loop
and something woke it. The main thread (/proc/PID/status) and the sum over
every thread (/proc/PID/task/*/status) are read at the start and the end of
each interval.

For the game (--game) two intervals are measured: while Question 1 counts
down (--countdown seconds) and, after the time-out, at rest with nothing
counting down (--rest seconds). For any other program (the bare Qt window)
only the rest, from --settle seconds after its window is on the screen (the
game's rest starts at least ten seconds after its window, when Question 1
times out). Prints one line per
interval: label, seconds, wake-ups of the main thread and of all threads,
and both per second; then one line per thread, by its name.
"""
import argparse
import glob
import subprocess
import sys
import time


def switches(path):
    with open(path) as f:
        for line in f:
            if line.startswith("voluntary_ctxt_switches:"):
                return int(line.split()[1])
    return 0


def sample(pid):
    """Voluntary switches and name by thread id; a thread that ends in between is lost."""
    counts = {}
    for path in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(path.replace("/status", "/comm")) as f:
                name = f.read().strip()
            counts[int(path.split("/")[-2])] = (switches(path), name)
        except OSError:
            pass
    return counts


def measure(pid, label, seconds):
    start = sample(pid)
    begin = time.monotonic()
    time.sleep(seconds)
    end = sample(pid)
    took = time.monotonic() - begin
    woke = {tid: (count - start.get(tid, (0, ""))[0], name) for tid, (count, name) in end.items()}
    main = woke.get(pid, (0, ""))[0]
    total = sum(count for count, _ in woke.values())
    print(f"{label}\t{took:.1f} s\tmain thread {main}\tall threads {total}\t"
          f"{main / took:.2f}/s\t{total / took:.2f}/s", flush=True)
    # Each thread on a line of its own, the main thread first: which of
    # Qt's threads (the X reader, D-Bus, the painter's pool) does the waking.
    for tid in sorted(woke, key=lambda t: (t != pid, t)):
        count, name = woke[tid]
        print(f"  thread {tid} {name!r}\t{count}\t{count / took:.2f}/s", flush=True)


def wait_until(predicate, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    sys.exit(f"wakeups: {what} did not happen within {timeout} s")


def game(pid, countdown, rest):
    import gi

    gi.require_version("Atspi", "2.0")
    import pyatspi

    def control(test):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            if app is None or app.get_process_id() != pid:
                continue
            for frame in (app.getChildAtIndex(i) for i in range(app.childCount)):
                if frame is None or frame.name != "Quillory":
                    continue
                for child in (frame.getChildAtIndex(i) for i in range(frame.childCount)):
                    if child is not None and test(child):
                        return child
        return None

    countdown_bar = wait_until(lambda: control(lambda c: c.getRoleName() == "progress bar"), 30,
                               "the game's countdown on the accessibility bus")
    verdict = control(lambda c: c.description == "verdict")
    # From the first tick on: before it, Question 1 is still being drawn.
    wait_until(lambda: countdown_bar.name.startswith("You have 9 "), 10, "Question 1's first tick")
    measure(pid, "counting down", countdown)
    wait_until(lambda: verdict.name.startswith("Wrong!"), 15, "the time-out")
    measure(pid, "at rest after a time-out", rest)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--game", action="store_true")
    parser.add_argument("--countdown", type=float, default=5)
    parser.add_argument("--rest", type=float, default=30)
    parser.add_argument("--settle", type=float, default=10)
    parser.add_argument("--label", default="at rest")
    options = parser.parse_args()
    if options.game:
        game(options.pid, options.countdown, options.rest)
    else:
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(options.pid),
                        "--name", "."], check=True, timeout=30, capture_output=True)
        time.sleep(options.settle)
        measure(options.pid, options.label, options.rest)


if __name__ == "__main__":
    main()
