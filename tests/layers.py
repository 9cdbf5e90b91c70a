#!/usr/bin/env python3
"""Nothing includes upward: a source of each layer includes only its own
layer's headers and those of the layers it stands on, which come before it
in the order the build links them (KORVANEL_LAYERS in CMakeLists.txt, the
rows above it in README's layout table); app/, the program, comes last.
The Qt Core layers include no header of Qt Gui or Widgets.
Usage: layers.py SOURCE-ROOT LAYER... -- CORE-LAYER..."""
import os, re, sys

root = sys.argv[1]
split = sys.argv.index("--")
layers, core = sys.argv[2:split], set(sys.argv[split + 1:])
place = {layer: i for i, layer in enumerate(layers)}

project = re.compile(r'^\s*#\s*include\s+"([a-z]+)/')
qt = re.compile(r'^\s*#\s*include\s+<(Qt(?:Gui|Widgets|Svg|PrintSupport)/|Q(?:Widget|Painter|'
                r'Font|Color|Image|Pixmap|Icon|Application|GuiApplication|Action|Dialog|'
                r'Label|PushButton)\b)')
failures = []
for folder in place:
    path = os.path.join(root, folder)
    for name in sorted(os.listdir(path)):
        if not name.endswith((".h", ".cpp", ".h.in")):
            continue
        for number, line in enumerate(open(os.path.join(path, name), encoding="utf-8"), 1):
            where = f"{folder}/{name}:{number}: {line.strip()}"
            if (m := project.match(line)) and m.group(1) != folder:
                if m.group(1) not in place:
                    failures.append(f"{where}: no such layer")
                elif place[m.group(1)] > place[folder]:
                    failures.append(f"{where}: {m.group(1)}/ comes after {folder}/ in the "
                                    f"layers' order, and {folder}/ may not include it")
            if folder in core and qt.match(line):
                failures.append(f"{where}: {folder}/ is a Qt Core layer")
for failure in failures:
    print(failure)
print(f"layers: {len(place)} folders checked, {len(failures)} includes run upward")
sys.exit(1 if failures else 0)
