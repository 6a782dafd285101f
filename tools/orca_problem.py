#!/usr/bin/python3
"""Prints the two numbers on show and the verdict of the running game, as the
accessibility bus reads them: "FIRST SECOND VERDICT". tools/ci.d/orca.sh
needs them to answer and to know what Orca should have said; it runs this
beside Orca, which reads the same bus. Exits 1 when the game is not found.
The labels are found by their descriptions, which speak the game's language:
    orca_problem.py [FIRST-NUMBER SECOND-NUMBER VERDICT]   (English by default)
"""
import sys

import pyatspi


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def main(first="first number", second="second number", verdict="verdict"):
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is None or app.name != "Quillory":
            continue
        for frame in children(app):
            if frame.getRoleName() == "frame" and frame.name == "Quillory":
                said = {c.description: c.name for c in children(frame)}
                print(said.get(first, "?"), said.get(second, "?"), said.get(verdict, ""))
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
