#!/usr/bin/python3
"""Prints the two numbers on show and the verdict of the running game, as the
accessibility bus reads them: "FIRST SECOND VERDICT". tools/ci.d/orca.sh
needs them to answer and to know what Orca should have said; it runs this
beside Orca, which reads the same bus. Exits 1 when the game is not found.
"""
import sys

import pyatspi


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def main():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is None or app.name != "Quillory":
            continue
        for frame in children(app):
            if frame.getRoleName() == "frame" and frame.name == "Quillory":
                said = {c.description: c.name for c in children(frame)}
                print(said.get("first number", "?"), said.get("second number", "?"),
                      said.get("verdict", ""))
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
