#!/usr/bin/env python3
"""A pseudo-translation for the tests: every message of a catalogue's
sources, each line of it bracketed in ⟦ ⟧, its letters accented and the
whole lengthened by 40 %, its places (%1, %n), mnemonics and blanks at
either end kept. A text on screen or on paper that is not so bracketed
missed the translation system.
Usage: pseudo_translate.py TEMPLATE.ts OUT.ts"""
import re, sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "áƀçďéƒğĥíĵķĺɱñóṗʠŕšţúṽŵẋýžÁßÇĎÉƑĞĤÍĴĶĹṀÑÓṔǪŔŠŢÚṼŴẊÝŽ"))
PLACE = re.compile(r"(%L?\d{1,2}|%n|&&|&\w)")

def accent(text):
    out = []
    for piece in PLACE.split(text):
        out.append(piece if PLACE.fullmatch(piece) else "".join(ACCENTED.get(c, c) for c in piece))
    return "".join(out)

def pseudo(line):
    if not line.strip():
        return line
    lead = line[: len(line) - len(line.lstrip(" "))]
    trail = line[len(line.rstrip(" ")):]
    core = accent(line.strip(" "))
    padding = "·" * max(1, round(len(core) * 0.4))
    return f"{lead}⟦{core}{padding}⟧{trail}"

def translate(source):
    return "\n".join(pseudo(line) for line in source.split("\n"))

tree = ET.parse(sys.argv[1])
root = tree.getroot()
root.set("language", "eo")
for message in root.iter("message"):
    source = message.find("source").text or ""
    translation = message.find("translation")
    for child in list(translation):
        translation.remove(child)
    translation.attrib.clear()
    if message.get("numerus") == "yes":
        translation.text = None
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = translate(source)
    else:
        translation.text = translate(source)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
