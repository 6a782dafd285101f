#!/usr/bin/env python3
"""Holds every catalogue in translations/ to the texts of the code.

lupdate reads the code afresh into an empty catalogue of its own (in a
temporary folder: the tree is never written); each catalogue must hold
exactly those texts, every one translated, none unfinished, obsolete or
vanished, a counted text with every plural form its language has, and each
translation with the same numbered arguments (%1, %2, %n) as its source.

    check_catalogues.py LUPDATE SOURCE_DIR [lupdate options...]
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOMS = ["engine", "frame", "windows"]


def messages(path):
    """(context, source) -> (numerus, type, [texts]) of a catalogue."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            tr = m.find("translation")
            forms = [f.text or "" for f in tr.findall("numerusform")] if m.get("numerus") == "yes" else [tr.text or ""]
            found[(name, m.findtext("source"))] = (m.get("numerus") == "yes", tr.get("type"), forms, tr)
    return found


def arguments(text):
    return sorted(re.findall(r"%(?:[1-9]|n)", text))


def main():
    lupdate, root, options = sys.argv[1], sys.argv[2], sys.argv[3:]
    catalogues = sorted(f for f in os.listdir(os.path.join(root, "translations")) if f.endswith(".ts"))
    faults = []
    if not catalogues:
        faults.append("no catalogue in translations/")
    with tempfile.TemporaryDirectory() as tmp:
        for name in catalogues:
            code = name[len("quillory_"):-len(".ts")]
            fresh = os.path.join(tmp, name)
            # An empty catalogue of the same language gives the texts of the
            # code and the plural forms the language has.
            subprocess.run([lupdate, *options, "-target-language", code, *ROOMS, "-ts", fresh],
                           cwd=root, check=True, stdout=subprocess.DEVNULL)
            wanted = messages(fresh)
            have = messages(os.path.join(root, "translations", name))
            for key in sorted(set(wanted) - set(have)):
                faults.append(f"{name}: missing {key[0]} / {key[1]!r}")
            for key, (numerus, kind, forms, _) in sorted(have.items()):
                where = f"{name}: {key[0]} / {key[1]!r}"
                if key not in wanted:
                    faults.append(f"{where}: no longer in the code (obsolete)")
                    continue
                if kind in ("unfinished", "obsolete", "vanished"):
                    faults.append(f"{where}: {kind}")
                if numerus != wanted[key][0]:
                    faults.append(f"{where}: counted in one, not in the other")
                    continue
                if numerus and len(forms) != len(wanted[key][2]):
                    faults.append(f"{where}: {len(forms)} plural forms, the language has {len(wanted[key][2])}")
                for form in forms:
                    if not form.strip():
                        faults.append(f"{where}: empty translation")
                    elif arguments(form.replace("%n", "")) != arguments(key[1].replace("%n", "")):
                        faults.append(f"{where}: arguments {arguments(form)} for {arguments(key[1])}: {form!r}")
                    if key[1].startswith(" ") != form.startswith(" "):
                        faults.append(f"{where}: the leading blank must stay as in the source: {form!r}")
    for f in faults:
        print(f)
    print(f"{len(catalogues)} catalogues, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
