#!/usr/bin/env python3
"""The host's SVG reading and writing checked against Inkscape itself and inkex.

usage: inkscape_checks.py SVG_DUMP DOCS [--report]

1. Bounds: on every example Inkscape ships, each object's bounds as the host reads them
   match Inkscape's --query-all within 0.01 pt, or the difference is listed in DOCS.
   Inkscape's query gives visual bounds whatever its preferences say, so it is asked about a
   copy with no stroke, filter, marker, clip or mask: what is left is the geometric box.
2. Saved files: guides the host laid on objects' sides are, for inkex and for Inkscape
   after it saves the file again, on those sides (1e-3 pt); the objects are unchanged.
3. Inkscape's object-to-guides puts its guides where the host puts them.
Exits 77 (skipped) when Inkscape or inkex is missing.
"""
import concurrent.futures
import fnmatch
import gzip
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

EXAMPLES = "/usr/share/inkscape/examples"
EXTENSIONS = "/usr/share/inkscape/extensions"
TOLERANCE_PT = 0.01
GUIDE_TOLERANCE_PT = 1e-3
PT_PER_PX = 0.75


def skip(why):
    print("svg_against_inkscape: SKIPPED (%s)" % why)
    sys.exit(77)


if not shutil.which("inkscape"):
    skip("inkscape is not installed; ./guides setup test installs it")
sys.path.insert(0, EXTENSIONS)
try:
    import inkex  # noqa: E402
    from lxml import etree  # noqa: E402
except ImportError as error:
    skip("inkex cannot be imported: %s; ./guides setup test installs python3-lxml and python3-numpy" % error)

DUMP, DOCS = sys.argv[1], sys.argv[2]
REPORT = "--report" in sys.argv
WORK = tempfile.mkdtemp(prefix="guides-inkscape-")
ENV = dict(os.environ, HOME=WORK, XDG_CONFIG_HOME=os.path.join(WORK, "config"))
os.makedirs(os.path.join(ENV["XDG_CONFIG_HOME"], "inkscape"))
with open(os.path.join(ENV["XDG_CONFIG_HOME"], "inkscape", "preferences.xml"), "w") as prefs:
    prefs.write('<?xml version="1.0"?>\n<inkscape version="1"><group id="tools" bounding_box="1"/></inkscape>\n')
failures = []


def inkscape(*arguments):
    return subprocess.run(["inkscape", *arguments], env=ENV, capture_output=True, text=True, timeout=300).stdout


def query_all(path):
    boxes = {}
    for line in inkscape("--query-all", path).splitlines():
        parts = line.split(",")
        if len(parts) == 5:
            boxes[parts[0]] = [float(v) for v in parts[1:]]
    return boxes


def dump(*arguments):
    result = subprocess.run([DUMP, *arguments], capture_output=True, text=True)
    if result.returncode != 0:
        raise RuntimeError("svg_dump %s: %s" % (" ".join(arguments), result.stderr.strip()))
    return [line.split() for line in result.stdout.splitlines()]


# 1. Bounds on Inkscape's examples -------------------------------------------------------

NO_PAINT_BEYOND_GEOMETRY = ";stroke:none;filter:none;marker-start:none;marker-mid:none;marker-end:none"


def geometric_copy(source, target):
    tree = etree.parse(source, etree.XMLParser(huge_tree=True))
    for element in tree.iter():
        if not isinstance(element.tag, str):
            continue
        for name in ("clip-path", "mask", "filter", "stroke", "marker-start", "marker-mid", "marker-end"):
            element.attrib.pop(name, None)
        style = re.sub(r"(clip-path|mask)\s*:[^;]*;?", "", element.get("style", ""))
        element.set("style", style + NO_PAINT_BEYOND_GEOMETRY)
    tree.write(target)


def known_differences():
    """The rows "| file | ids (a pattern) | at most N pt | why |" of DOCS."""
    known = []
    with open(DOCS, encoding="utf-8") as docs:
        for line in docs:
            cells = [cell.strip().strip("`") for cell in line.split("|")]
            if len(cells) > 4 and cells[1].endswith((".svg", ".svgz")):
                known.append((cells[1], cells[2], float(cells[3].split()[0])))
    return known


def is_known(known, name, identifier, difference):
    return any(name == f and fnmatch.fnmatchcase(identifier, pattern) and difference <= most
               for f, pattern, most in known)


def compare_example(name):
    plain = os.path.join(WORK, name.replace(".svgz", ".svg"))
    opener = gzip.open if name.endswith(".svgz") else open
    with opener(os.path.join(EXAMPLES, name), "rb") as source, open(plain, "wb") as target:
        target.write(source.read())
    stripped = plain.replace(".svg", "-geometric.svg")
    geometric_copy(plain, stripped)
    try:
        ours = dump("bounds", plain)
    except RuntimeError as error:
        return name, [("(file)", "", str(error))], 0
    theirs = query_all(stripped)
    left, top = float(ours[0][1]), float(ours[0][2])
    differences, compared = [], 0
    for _, identifier, *sides in (line for line in ours[1:] if line[0] == "object"):
        if identifier not in theirs:
            continue
        x, y, w, h = theirs[identifier]
        inkscape_box = (left + x * PT_PER_PX, top - y * PT_PER_PX, left + (x + w) * PT_PER_PX, top - (y + h) * PT_PER_PX)
        difference = max(abs(float(a) - b) for a, b in zip(sides, inkscape_box))
        compared += 1
        if difference > TOLERANCE_PT:
            differences.append((identifier, "%.4f" % difference, ""))
    return name, differences, compared


def check_examples():
    names = sorted(n for n in os.listdir(EXAMPLES) if n.endswith((".svg", ".svgz")))
    known = known_differences()
    total = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for name, differences, compared in pool.map(compare_example, names):
            total += compared
            for identifier, difference, error in differences:
                line = "| %s | %s | %s |" % (name, identifier, error or difference + " pt")
                if REPORT:
                    print(line)
                elif error or not is_known(known, name, identifier, float(difference)):
                    failures.append("bounds differ from Inkscape's and are not listed in %s: %s" % (DOCS, line))
    print("bounds: %d objects of %d example files compared with Inkscape's" % (total, len(names)))


# 2 and 3. Guides on objects: saved files, and Inkscape's object-to-guides ----------------

SODIPODI = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"
HOST = "urn:x-drawing-host:svg"
PROTOTYPE = '<defs><path id="proto" d="M 0 0 C 40 -20 80 20 80 0 L 40 50 Z"/></defs>'
PIXEL = ("data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk"
         "+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==")
CASES = {
    # Inkscape puts its guides on a rectangle's edges and on the box of an image or a clone:
    # rectangles under moves and scales, images and clones under rotations too. Curves are
    # Bézier curves only: inkex bounds arcs only roughly.
    # A viewBox in millimetres.
    "millimetres.svg": ('width="210mm" height="297mm" viewBox="0 0 210 297"',
                        PROTOTYPE + '<g transform="translate(20,30)"><g transform="scale(2,0.5)">'
                        '<rect id="a" x="5" y="10" width="30" height="40"/></g>'
                        '<g transform="rotate(30) translate(5,5)"><use id="u1" xlink:href="#proto" transform="scale(1.5,0.7)"/>'
                        '</g></g>',
                        ["a", "u1"]),
    # A viewBox offset from the origin, in pixels.
    "offset.svg": ('width="400" height="300" viewBox="-100 50 400 300"',
                   '<g transform="translate(-40,80)"><rect id="b" x="0" y="0" width="120" height="33.3"/></g>'
                   '<g transform="rotate(25 50 200)"><image id="im" x="10" y="150" width="50" height="30"'
                   ' transform="skewX(10)" xlink:href="%s"/></g>' % PIXEL,
                   ["b", "im"]),
    # A viewBox scaled against width and height: four user units to the millimetre.
    "scaled.svg": ('width="100mm" height="50mm" viewBox="0 0 400 200"',
                   PROTOTYPE + '<g transform="translate(30,20) scale(1.5)"><g transform="translate(10,10)">'
                   '<rect id="c" x="12.5" y="7.25" width="100" height="50"/></g></g>'
                   '<g transform="matrix(0.8,0.3,-0.2,0.9,200,40)"><use id="u2" xlink:href="#proto" transform="translate(10,5)"/></g>',
                   ["c", "u2"]),
}


def case_file(name, root, content):
    path = os.path.join(WORK, name)
    with open(path, "w") as out:
        out.write('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"'
                  ' xmlns:sodipodi="%s" %s>\n%s\n</svg>\n' % (SODIPODI, root, content))
    return path


def lines_of(svg, only_host):
    """The guides of a file as lines in user units: (point, unit normal)."""
    document = inkex.load_svg(svg).getroot()
    box = document.get_viewbox()
    lines = []
    for guide in document.findall(".//{%s}guide" % SODIPODI):
        if only_host and guide.get("{%s}written" % HOST) != "guide":
            continue
        px, py = (float(v) for v in guide.get("position").split(","))
        nx, ny = (float(v) for v in guide.get("orientation").split(","))
        length = math.hypot(nx, ny)
        # position: user units from the viewBox's bottom-left corner, y upwards; normal y upwards.
        lines.append(((box[0] + px, box[1] + box[3] - py), (nx / length, -ny / length)))
    return lines


def same_line(a, b, tolerance):
    (p, n), (q, m) = a, b
    parallel = abs(n[0] * m[1] - n[1] * m[0]) < 1e-9
    return parallel and abs((q[0] - p[0]) * n[0] + (q[1] - p[1]) * n[1]) < tolerance


def sides_of(document, identifier):
    """The object's geometric box in user units, by inkex."""
    box = document.getElementById(identifier).bounding_box(document.getElementById(identifier).getparent().composed_transform())
    return [((box.left, 0), (1, 0)), ((box.right, 0), (1, 0)), ((0, box.top), (0, 1)), ((0, box.bottom), (0, 1))]


def user_tolerance(svg):
    document = inkex.load_svg(svg).getroot()
    points_per_user_unit = document.unittouu("1pt") ** -1 * document.scale if hasattr(document, "scale") else 1
    return GUIDE_TOLERANCE_PT / max(points_per_user_unit, 1e-9)


def expect_lines(what, found, expected, tolerance):
    for line in expected:
        if not any(same_line(line, other, tolerance) for other in found):
            failures.append("%s: no guide on %s" % (what, line))
    if len(found) != len(expected):
        failures.append("%s: %d guides where %d were expected" % (what, len(found), len(expected)))


def check_case(name, root, content, ids):
    original = case_file(name, root, content)
    saved = original.replace(".svg", "-saved.svg")
    dump("guides", original, saved, *ids)
    tolerance = user_tolerance(original)
    document = inkex.load_svg(original).getroot()
    expected = [line for identifier in ids for line in sides_of(document, identifier)]
    # The host writes one guide per line: the bottom of one object may be another's top.
    distinct = []
    for line in expected:
        if not any(same_line(line, other, tolerance) for other in distinct):
            distinct.append(line)
    expect_lines(name + " saved, read by inkex", lines_of(saved, True), distinct, tolerance)
    resaved = saved.replace(".svg", "-by-inkscape.svg")
    inkscape(saved, "--export-type=svg", "--export-filename=" + resaved)
    expect_lines(name + " saved again by Inkscape", lines_of(resaved, True), distinct, tolerance)
    before, after = query_all(original), query_all(saved)
    for identifier in ids:
        if before.get(identifier) != after.get(identifier):
            failures.append("%s: %s moved from %s to %s" % (name, identifier, before.get(identifier), after.get(identifier)))
    actions = "".join("select-by-id:%s;object-to-guides;select-clear;" % i for i in ids)
    by_inkscape = original.replace(".svg", "-object-to-guides.svg")
    inkscape(original, "--actions=" + actions + "export-filename:" + by_inkscape + ";export-do")
    theirs = []
    for line in lines_of(by_inkscape, False):
        if not any(same_line(line, other, tolerance) for other in theirs):
            theirs.append(line)
    expect_lines(name + ": the host's guides against Inkscape's object-to-guides", lines_of(saved, True), theirs, tolerance)


def check_new_file():
    path = os.path.join(WORK, "new.svg")
    dump("new", path)
    resaved = path.replace(".svg", "-by-inkscape.svg")
    inkscape(path, "--export-type=svg", "--export-filename=" + resaved)
    document = inkex.load_svg(resaved).getroot()
    pages = document.findall(".//{http://www.inkscape.org/namespaces/inkscape}page")
    if len(pages) != 2:
        failures.append("new file: Inkscape keeps %d pages, not 2" % len(pages))
    # One point a user unit; the first page's top-left corner at (0, 0).
    expected = [((72, 0), (1, 0)), ((540, 0), (1, 0)), ((0, 792 - 720), (0, 1)), ((0, 792 - 72), (0, 1)), ((700, 0), (1, 0))]
    expect_lines("new file saved again by Inkscape", lines_of(resaved, True), expected, GUIDE_TOLERANCE_PT)
    layers = [g for g in document.findall(".//{http://www.w3.org/2000/svg}g") if g.get("{%s}written" % HOST) == "layer"]
    if len(layers) != 1 or layers[0].get("style") != "display:none":
        failures.append("new file: the host's layer is not one hidden layer after Inkscape saved it")


check_examples()
if not REPORT:
    for case, (root_attributes, content, identifiers) in CASES.items():
        check_case(case, root_attributes, content, identifiers)
    check_new_file()
shutil.rmtree(WORK, ignore_errors=True)
for failure in failures:
    print("FAILED: " + failure)
sys.exit(1 if failures else 0)
