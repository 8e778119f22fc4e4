#!/usr/bin/env python3
"""The translations' check refuses a help page text whose translation would
break the page, and lets a good one (tags moved, words reordered) through."""
import os
import runpy
import sys
import types

check = types.SimpleNamespace(**runpy.run_path(
    os.path.join(sys.argv[1], "scripts", "check-translations.py"), run_name="check"))

SOURCE = ('Press <b>Add Photos</b>, see <a href="#options">Options</a> and run '
          '<code>quillmere-convert --help</code>; @QUALITY_MIN@ is the lowest.')
ROWS = [
    ("good, tags moved", 'Siehe <a href="#options">Optionen</a>, drücken Sie <b>Fotos hinzufügen</b> '
     'und starten Sie <code>quillmere-convert --help</code>; @QUALITY_MIN@ ist das Minimum.', False),
    ("a tag dropped", 'Drücken Sie Fotos hinzufügen, siehe <a href="#options">Optionen</a> '
     '<code>quillmere-convert --help</code> @QUALITY_MIN@', True),
    ("a link changed", 'Drücken Sie <b>Fotos</b>, siehe <a href="#optionen">Optionen</a> '
     '<code>quillmere-convert --help</code> @QUALITY_MIN@', True),
    ("a marker translated", 'Drücken Sie <b>Fotos</b>, siehe <a href="#options">Optionen</a> '
     '<code>quillmere-convert --help</code> @QUALITÄT_MIN@', True),
    ("code translated", 'Drücken Sie <b>Fotos</b>, siehe <a href="#options">Optionen</a> '
     '<code>quillmere-convert --hilfe</code> @QUALITY_MIN@', True),
    ("tags crossed", 'Drücken Sie <b>Fotos <a href="#options"></b>Optionen</a> '
     '<code>quillmere-convert --help</code> @QUALITY_MIN@', True),
]
failed = 0
for name, text, broken in ROWS:
    faults = check.page_faults(SOURCE, text)
    if bool(faults) != broken:
        print(f"{name}: {'accepted' if broken else 'refused: ' + ', '.join(faults)}")
        failed += 1
print(f"{len(ROWS)} rows, {failed} wrong")
sys.exit(1 if failed else 0)
