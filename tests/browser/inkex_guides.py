#!/usr/bin/env python3
"""The guides of a saved SVG file as inkex reads them, in artwork points of the first page
(y upwards, its bottom-left corner at 0, 0), as JSON: [[x, y, nx, ny], ...] with (x, y) a
point of the line and (nx, ny) its unit normal. Only inkex's own reading is used: the root's
viewBox and scale, Inkscape's pages, each guide's position and orientation.

usage: inkex_guides.py FILE   (exits 77 when inkex cannot be imported)
"""
import json
import math
import sys

sys.path.insert(0, "/usr/share/inkscape/extensions")
try:
    import inkex
except ImportError as error:
    print("inkex cannot be imported: %s" % error)
    sys.exit(77)

svg = inkex.load_svg(sys.argv[1]).getroot()
x0, y0, width, height = svg.get_viewbox()
pages = svg.namedview.get_pages()
if pages:
    x0, y0, height = pages[0].x, pages[0].y, pages[0].height
points_per_user_unit = svg.scale * 0.75  # user units to CSS pixels, then points
lines = []
for guide in svg.namedview.get_guides():
    px, py = guide.point  # user units from the viewBox's bottom-left corner, y upwards
    nx, ny = guide.orientation
    length = math.hypot(nx, ny)
    user_x, user_y = svg.get_viewbox()[0] + px, svg.get_viewbox()[1] + svg.get_viewbox()[3] - py
    lines.append([(user_x - x0) * points_per_user_unit, (y0 + height - user_y) * points_per_user_unit,
                  nx / length, ny / length])
print(json.dumps(lines))
