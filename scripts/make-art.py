#!/usr/bin/env python3
"""Draws the program's own artwork into src/res/ (icons, cursors, bitmaps).

Each scripts/art/draw_*.py has a draw(res_dir) that writes its files. The files are committed,
so the build never needs Python; run this after changing a drawing.
"""
import glob
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "src", "res")

sys.path.insert(0, os.path.join(HERE, "art"))
for path in sorted(glob.glob(os.path.join(HERE, "art", "draw_*.py"))):
    importlib.import_module(os.path.splitext(os.path.basename(path))[0]).draw(RES)
