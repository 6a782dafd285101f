#!/usr/bin/python3
"""Measures, from the pixels, how well every text of the game reads under
several desktop themes.

Run inside a session with an X display, a D-Bus session bus and the AT-SPI
bus (tools/ci.d/themes.sh sets them up). For each theme, with and without the
skin file beside the program, it starts the real program, plays one problem
right (the two numbers read through the accessibility bus), one wrong and
lets one run out of time (photographed half way as well), unticks the last
operator to raise the warning, ticks two operators for the "?", ends the game
and photographs every stage. Each text's rectangle comes from
the fixed layout; its background is the dominant colour there and its colour
that of the glyph cores. Prints one line per theme with the worst text and a
final table; exits non-zero when a text falls under 4.5:1 (3:1 for the
caption of a switched-off check box).

  tools/theme_contrast.py --program build/quillory --out build/themes
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

# The accessibility client's helpers, wherever this script is started from,
# without leaving a bytecode cache in the source tree.
HERE = os.path.dirname(os.path.realpath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True
import atspi_play  # noqa: E402
from atspi_play import by_description, by_name, children, frame_named, xdotool  # noqa: E402

import pyatspi  # noqa: E402

TEXT = 4.5
DISABLED = 3.0

QT6CT_CONF = """[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
"""

THEMES = [
    ("default", {}),
    ("Adwaita:dark", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}),
    ("HighContrast", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrast"}),
    ("HighContrastInverse", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrastInverse"}),
    # Qt 6.4 takes a GTK theme for dark only by a ":dark" in its name, and so
    # reads HighContrastInverse as light: this is the dark high contrast.
    ("HighContrast:dark", {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrast:dark"}),
    ("Fusion dark (qt6ct)", {"QT_QPA_PLATFORMTHEME": "qt6ct"}),
]


def twips(t):
    return (t + 7) // 15


def rect(l, t, w, h, inset=0, left=0):
    """A layout rectangle in twips as pixels (x0, y0, x1, y1), shrunk by inset."""
    x0, y0 = twips(l), twips(t)
    return (x0 + inset + left, y0 + inset, x0 + twips(w) - inset, y0 + twips(h) - inset)


# Main window texts: name, rectangle, how to cut it into parts of one
# background each ("x": side by side, "y": one above the other), the stages
# that show it.
PROBLEM, RIGHT, WRONG, TIMEOUT = "problem", "right", "wrong", "time-out"
ALL = (PROBLEM, RIGHT, WRONG, TIMEOUT)
JUDGED = (RIGHT, WRONG)
COUNTDOWN = rect(120, 2160, 9000, 405, inset=3)
MAIN_TEXTS = [
    ("first number", rect(600, 360, 1455, 1215), None, ALL),
    ("second number", rect(3360, 360, 1575, 1215), None, ALL),
    ("=", rect(4920, 360, 855, 855), None, ALL),
    ("answer box", rect(5880, 360, 2625, 1335, inset=4), None, JUDGED),
    ("countdown", COUNTDOWN, "x", ALL),
    ("Operator", rect(2280, 2640, 1935, 375), None, ALL),
    ("Game Level", rect(4680, 2640, 1935, 375), None, ALL),
    ("Press Enter key to continue", rect(120, 5160, 9015, 495), None, JUDGED),
    ("End Game", rect(120, 5640, 9000, 405, inset=4), None, ALL),
    ("Your Score", rect(120, 6240, 1935, 375), None, ALL),
    ("question counter", rect(2400, 6240, 6615, 375), None, ALL),
    ("score", rect(120, 6600, 1965, 1095, inset=3), None, ALL),
    ("verdict", rect(2400, 6600, 6615, 1095, inset=3), None, (RIGHT, WRONG, TIMEOUT)),
]
# The check boxes' captions, right of the indicator.
BOXES = [
    ("Addition", (2280, 3120, 1290, 330)),
    ("Subtraction", (2280, 3600, 2010, 330)),
    ("Multiplication", (2280, 4080, 2010, 330)),
    ("Division", (2280, 4560, 1290, 330)),
    ("1 digit", (4680, 3120, 2490, 570)),
    ("2 digit", (4680, 3720, 2490, 570)),
    ("3 digit", (4680, 4320, 2490, 570)),
]
INDICATOR = 20  # the box and the gap before its caption, in pixels
# Summary: the score line, the list by column (header and rows one above the
# other), the two buttons.
SUMMARY_COLUMNS = [("No.", 1000), ("Math problems", 2000), ("Your Answer", 2000),
                   ("Correct Answer", 2000), ("Result", 1500)]


def read_ppm(path_png):
    data = subprocess.run(["convert", path_png, "-depth", "8", "ppm:-"], check=True,
                          capture_output=True, timeout=30).stdout
    # P6\n W H\n 255\n
    parts = data.split(maxsplit=4)
    w, h = int(parts[1]), int(parts[2])
    pixels = parts[4]
    return w, h, pixels


class Picture:
    def __init__(self, path):
        self.path = path
        self.w, self.h, self.px = read_ppm(path)

    def at(self, x, y):
        i = 3 * (y * self.w + x)
        return self.px[i], self.px[i + 1], self.px[i + 2]


def lum(c):
    def ch(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    return 0.2126 * ch(c[0]) + 0.7152 * ch(c[1]) + 0.0722 * ch(c[2])


def ratio(a, b):
    la, lb = lum(a), lum(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def dominant(colours):
    counts = {}
    for c in colours:
        counts[c] = counts.get(c, 0) + 1
    return max(counts.items(), key=lambda kv: kv[1])[0]


def parts(pic, box, split):
    """Cuts a rectangle into the parts that show one background each."""
    x0, y0, x1, y1 = box
    if split is None:
        return [box]
    if split == "y":
        return text_lines(pic, box)
    # Side by side: told apart by the top row, clear of the text, since within
    # a part filled with a gradient no one colour need be the most frequent.
    runs = []
    for x in range(x0, x1):
        key = pic.at(x, y0)
        if runs and max(abs(key[i] - runs[-1][0][i]) for i in range(3)) <= 6:
            runs[-1][2] = x + 1
        else:
            runs.append([key, x, x + 1])
    out = []
    for _, a, b in runs:
        if b - a < 6:
            continue  # a border or a grid line
        out.append((a, y0, b, y1) if split == "x" else (x0, a, x1, b))
    return out


def inked(pic, box):
    """Each row's pixels that are not its background, as (ratio, background,
    colour); the background of a row is its dominant colour, which follows a
    gradient from top to bottom."""
    x0, y0, x1, y1 = box
    rows = []
    for y in range(y0, y1):
        line = [pic.at(x, y) for x in range(x0, x1)]
        back = dominant(line)
        rows.append([(ratio(c, back), back, c) for c in line
                     if max(abs(c[i] - back[i]) for i in range(3)) > 2])
    return rows


def measure(pic, box):
    """(ratio, background, text colour) of the text in box, or None if empty."""
    ink = [p for row in inked(pic, box) for p in row]
    if len(ink) < 4:
        return None
    ink.sort(key=lambda p: p[0])
    # The glyph cores: the upper fifth of the pixels that are not background;
    # the rest are anti-aliased edges between text and background.
    return ink[int(len(ink) * 0.8)]


def text_lines(pic, box):
    """The runs of rows that carry ink: one per line of text."""
    x0, y0, x1, y1 = box
    lines, start = [], None
    for i, row in enumerate(inked(pic, box) + [[]]):
        if row and start is None:
            start = i
        elif not row and start is not None:
            if i - start >= 3:
                lines.append((x0, y0 + start, x1, y0 + i))
            start = None
    return lines


class Run:
    def __init__(self, theme, skin):
        self.theme, self.skin = theme, skin
        self.results = []  # (stage, text, ratio, minimum, back, ink)
        self.failures = []

    def record(self, stage, name, pic, box, minimum, split=None, required=True):
        found = False
        for part in parts(pic, box, split):
            m = measure(pic, part)
            if m is None:
                continue
            found = True
            r, back, ink = m
            self.results.append((stage, name, r, minimum, back, ink))
            if r < minimum:
                self.failures.append(f"{stage}: {name} {r:.2f}:1 (text {ink} on {back})")
        if required and not found:
            self.results.append((stage, name, 1.0, minimum, None, None))
            self.failures.append(f"{stage}: {name} shows no text at all")

    def worst(self):
        if not self.results:
            return None
        return min(self.results, key=lambda r: r[2] / r[3])


# ------------------------------------------------------------- the session

def wait_for(predicate, timeout, what):
    """Waits as the accessibility client does, but an object that went away
    while being read counts as not there yet, and running out of time ends
    this play rather than failing one check."""
    def look():
        try:
            return predicate()
        except Exception:
            return None
    value = atspi_play.wait_for(look, timeout, 0.05)
    if not value:
        raise RuntimeError(f"timed out waiting for {what}")
    return value


def main_window_of(pid):
    # GTK, loaded by the gtk3 platform theme, lists the process a second time.
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.get_process_id() == pid:
            main = frame_named(app, "Quillory")
            if main is not None:
                return app, main
    return None


def windows_of(pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "."],
                         capture_output=True, text=True, timeout=10).stdout
    return [w for w in out.split()]


def settled(window):
    """Waits until the window has finished drawing: nothing new on it for a
    fifth of a second (tools/x_session.sh, the scripts' one way to wait on X).
    Generous bounds: the check runs beside builds on a shared machine."""
    subprocess.run(["bash", "-c", 'source "$0" && x_wait_settled "$1" 30 0.2 >/dev/null',
                    os.path.join(HERE, "x_session.sh"), window], check=True, timeout=60)


def shoot(window, path):
    subprocess.run(["import", "-window", window, path], check=True, timeout=30)
    return Picture(path)


def operator_result(op, a, b):
    return {"plus": a + b, "minus": a - b, "times": a * b}.get(op, a // b if b else 0)


def play(program_dir, env, run, out):
    os.makedirs(out, exist_ok=True)
    proc = subprocess.Popen([os.path.join(program_dir, "quillory")], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app, main = wait_for(lambda: main_window_of(proc.pid), 20, "the main window")
        win = wait_for(lambda: windows_of(proc.pid), 20, "the main window on the X server")[0]
        xdotool("windowfocus", "--sync", win)
        first = by_description(main, "first number")
        second = by_description(main, "second number")
        verdict = by_description(main, "verdict")
        question = by_description(main, "question number")
        wait_for(lambda: question.name == "Question 1", 10, "Question 1")
        picture = next(c for c in children(main) if c.getRoleName() in ("image", "graphic")
                       and c.getState().contains(pyatspi.STATE_SHOWING))
        a, b = int(first.name), int(second.name)
        right = operator_result(picture.name, a, b)

        def main_stage(stage):
            settled(win)  # the repaint that follows the change
            pic = shoot(win, f"{out}/main-{stage}.png")
            for name, box, split, stages in MAIN_TEXTS:
                if stage in stages:
                    run.record(stage, name, pic, box, TEXT, split)
            for name, (l, t, w, h) in BOXES:
                enabled = stage == TIMEOUT
                run.record(stage, f"{name} box" + ("" if enabled else " (off)"), pic,
                           rect(l, t, w, h, left=INDICATOR), TEXT if enabled else DISABLED)

        main_stage(PROBLEM)
        xdotool("type", "--delay", "40", str(right))
        xdotool("key", "Return")
        wait_for(lambda: verdict.name == "That's correct!", 10, "the right verdict")
        main_stage(RIGHT)

        xdotool("key", "Return")
        wait_for(lambda: question.name == "Question 2", 10, "Question 2")
        a, b = int(first.name), int(second.name)
        wrong = "1" if operator_result(picture.name, a, b) == 0 else "0"
        xdotool("type", "--delay", "40", wrong)
        xdotool("key", "Return")
        wait_for(lambda: verdict.name.startswith("Wrong!"), 10, "the wrong verdict")
        main_stage(WRONG)

        xdotool("key", "Return")
        wait_for(lambda: question.name == "Question 3", 10, "Question 3")
        # Half the time gone: the countdown's text crosses the filled part.
        bar = next(c for c in children(main) if c.getRoleName() == "progress bar")
        wait_for(lambda: bar.name.startswith("You have 5 "), 10, "the countdown at 5")
        pic = shoot(win, f"{out}/main-countdown.png")
        run.record("countdown", "countdown", pic, COUNTDOWN, TEXT, "x")
        addition = by_name(main, "check box", "Addition")
        wait_for(lambda: addition.getState().contains(pyatspi.STATE_ENABLED), 15, "the time-out")
        main_stage(TIMEOUT)

        # Unticking the only operator brings up the warning.
        l, t, w, h = BOXES[0][1]
        xdotool("mousemove", "--window", win, str(twips(l) + 5), str(twips(t) + twips(h) // 2),
                "click", "1")
        box = wait_for(lambda: [x for x in windows_of(proc.pid) if x != win], 10, "the warning")[0]
        settled(box)
        pic = shoot(box, f"{out}/warning.png")
        # The message beside the icon, above the button row.
        run.record("warning", "message box text", pic,
                   (pic.w // 4, 4, pic.w - 4, max(5, pic.h - 50)), TEXT)
        xdotool("windowfocus", "--sync", box)
        xdotool("key", "Return")
        wait_for(lambda: box not in windows_of(proc.pid), 10, "the warning to close")

        # Two operators ticked: the "?" stands where the operator's picture was.
        for name, (l, t, w, h) in BOXES[1:3]:
            xdotool("mousemove", "--window", win, str(twips(l) + 5),
                    str(twips(t) + twips(h) // 2), "click", "1")
        multi = by_description(main, "the operator is chosen at random")
        wait_for(lambda: multi.getState().contains(pyatspi.STATE_SHOWING), 10, 'the "?"')
        settled(win)
        pic = shoot(win, f"{out}/main-options.png")
        run.record("options", "?", pic, rect(2400, 720, 615, 615), TEXT)

        xdotool("mousemove", "--window", win, str(twips(120 + 4500)), str(twips(5640 + 200)),
                "click", "1")
        wait_for(lambda: frame_named(app, "Summary"), 10, "the summary")
        swin = wait_for(lambda: [x for x in windows_of(proc.pid) if x != win], 10,
                        "the summary on the X server")[0]
        settled(swin)
        pic = shoot(swin, f"{out}/summary.png")
        run.record("summary", "score line", pic, rect(120, 120, 8775, 375, inset=3), TEXT)
        left = 120
        for name, width in SUMMARY_COLUMNS:
            # Inside the list's frame, clear of the grid between the columns.
            box = rect(left, 600, width, 3615, inset=4)
            box = (box[0], box[1], min(box[2], twips(120 + 8760) - 4), box[3])
            before = len(run.results)
            run.record("summary", f"list: {name}", pic, box, TEXT, "y")
            if len(run.results) - before < 4:  # the header and three rows
                run.failures.append(f"summary: list column {name} shows "
                                    f"{len(run.results) - before} of 4 texts")
            left += width
        run.record("summary", "Play Again", pic, rect(120, 4320, 4320, 405, inset=4), TEXT)
        run.record("summary", "Exit Application", pic, rect(4560, 4320, 4320, 405, inset=4), TEXT)
    finally:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--theme", action="append", help="only these themes")
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quillory-themes-")
    runs = []
    try:
        qt6ct_home = os.path.join(work, "config")
        os.makedirs(os.path.join(qt6ct_home, "qt6ct"))
        with open(os.path.join(qt6ct_home, "qt6ct", "qt6ct.conf"), "w") as f:
            f.write(QT6CT_CONF)
        folders = {}
        for skin in (False, True):
            folder = os.path.join(work, "skin" if skin else "plain")
            os.makedirs(folder)
            shutil.copy2(args.program, os.path.join(folder, "quillory"))
            if skin:
                os.makedirs(os.path.join(folder, "x"))
                open(os.path.join(folder, "x", "o.cjs"), "w").close()
            folders[skin] = folder
        for theme, extra in THEMES:
            if args.theme and theme not in args.theme:
                continue
            for skin in (False, True):
                env = {k: v for k, v in os.environ.items()
                       if k not in ("QT_QPA_PLATFORMTHEME", "GTK_THEME", "QT_STYLE_OVERRIDE")}
                env["QT_QPA_PLATFORM"] = "xcb"
                env.update(extra)
                if "qt6ct" in extra.get("QT_QPA_PLATFORMTHEME", ""):
                    env["XDG_CONFIG_HOME"] = qt6ct_home
                run = Run(theme, skin)
                slug = theme.split(" ")[0].replace(":", "-") + ("-skin" if skin else "")
                try:
                    play(folders[skin], env, run, os.path.join(args.out, slug))
                except Exception as e:  # noqa: BLE001
                    run.failures.append(f"play: {e}")
                w = run.worst()
                print(f"{theme:22} {'skin' if skin else 'plain':5} " +
                      (f"worst {w[2]:5.2f}:1 ({w[0]}: {w[1]})" if w else "nothing measured"),
                      flush=True)
                runs.append(run)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print()
    print("| theme | skin | worst text | ratio | worst switched-off caption | ratio | under the minimum |")
    print("|---|---|---|---|---|---|---|")
    failed = False
    for run in runs:
        cells = []
        for minimum in (TEXT, DISABLED):
            of_kind = [r for r in run.results if r[3] == minimum]
            w = min(of_kind, key=lambda r: r[2]) if of_kind else None
            cells += [f"{w[0]}: {w[1]}", f"{w[2]:.2f}:1"] if w else ["-", "-"]
        print(f"| {run.theme} | {'yes' if run.skin else 'no'} | " + " | ".join(cells) +
              f" | {len(run.failures)} |")
    for run in runs:
        for f in run.failures:
            failed = True
            print(f"FAILED {run.theme} ({'skin' if run.skin else 'plain'}): {f}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
