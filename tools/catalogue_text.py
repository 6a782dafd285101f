#!/usr/bin/python3
"""Prints what a Qt Linguist catalogue makes of English source texts, one a
line, so that a check can expect a language's words without repeating them:
    catalogue_text.py CATALOGUE.ts SOURCE...
A numerus entry gives its last form (the one for "many"). Exits 1, naming
it, when a source has no finished translation: a check that expected the
English words back would prove nothing.
"""
import sys
import xml.etree.ElementTree as ElementTree


def translations(path):
    found = {}
    for message in ElementTree.parse(path).getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if source is None or translation is None or translation.get("type"):
            continue
        forms = [f.text or "" for f in translation.findall("numerusform")]
        found.setdefault(source, forms[-1] if forms else translation.text or "")
    return found


def main(path, *sources):
    found = translations(path)
    for source in sources:
        if not found.get(source):
            print(f"catalogue_text: {path} has no translation of {source!r}", file=sys.stderr)
            return 1
        print(found[source])
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(*sys.argv[1:]))
