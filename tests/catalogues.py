#!/usr/bin/env python3
"""The shipped catalogues against the sources: lupdate, run over a copy of
each as a translator's update would, finds no message missing, none left
obsolete and none unfinished; the English catalogue holds the plural forms
of every numerus message, and nothing else.
Usage: catalogues.py LUPDATE SOURCES-LIST CATALOGUE.ts..."""
import os, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

lupdate, sources, catalogues = sys.argv[1], sys.argv[2], sys.argv[3:]
failures = []

def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            key = (name, message.find("source").text,
                   (message.find("comment").text if message.find("comment") is not None else None))
            found[key] = message
    return found

for catalogue in catalogues:
    base = os.path.basename(catalogue)
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, base)
        shutil.copy(catalogue, copy)
        options = ["-locations", "none", "-no-obsolete", "-no-ui-lines", "-silent"]
        if base.endswith("_en.ts"):
            options.append("-pluralonly")
        subprocess.run([lupdate, *options, "@" + sources, "-ts", copy], check=True)
        before, after = messages(catalogue), messages(copy)
        for key in after.keys() - before.keys():
            failures.append(f"{base}: missing: {key[0]}: {key[1]!r}")
        for key in before.keys() - after.keys():
            failures.append(f"{base}: obsolete: {key[0]}: {key[1]!r}")
        for key, message in after.items():
            translation = message.find("translation")
            forms = translation.findall("numerusform")
            empty = not (translation.text or "").strip() if not forms else \
                any(not (f.text or "").strip() for f in forms)
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or empty:
                failures.append(f"{base}: unfinished: {key[0]}: {key[1]!r}")

for failure in failures[:60]:
    print(failure)
if len(failures) > 60:
    print(f"... and {len(failures) - 60} more")
print(f"catalogues: {len(catalogues)} checked, {len(failures)} problems")
sys.exit(1 if failures else 0)
