import sys, pyatspi
def kids(o): return [o.getChildAtIndex(i) for i in range(o.childCount)]
d = pyatspi.Registry.getDesktop(0)
for a in kids(d):
    if a is not None and a.name == "Quillory":
        for f in kids(a):
            if f.getRoleName() == "frame" and f.name == "Quillory":
                by = {c.description: c.name for c in kids(f)}
                print(by.get("first number", ""), by.get("second number", ""), by.get("verdict", ""))
                sys.exit(0)
sys.exit(1)
