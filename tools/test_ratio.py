#!/usr/bin/env python3
"""Prints the tests' size against the code they test, in non-blank, non-comment lines.

C++: .c .cc .cpp .h .hpp files of tests/ against those of sdk, kit, plugin, host and harness.
Browser: tests/browser/*.mjs against the page's code, host/server/web (node_modules left out).
Run from anywhere: python3 tools/test_ratio.py
"""
import pathlib
import re
import sys

top = pathlib.Path(__file__).resolve().parent.parent


def code_lines(path):
    """Lines left once blank lines, // lines and /* */ blocks are removed."""
    text = path.read_text(encoding="utf-8", errors="replace")
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    count = 0
    for line in text.splitlines():
        s = line.strip()
        if s and not s.startswith("//") and not (path.suffix == ".html" and s.startswith("<!--")):
            count += 1
    return count


def total(folders, suffixes, pattern="**/*"):
    n = 0
    for folder in folders:
        for path in (top / folder).glob(pattern):
            if path.is_file() and path.suffix in suffixes and "node_modules" not in path.parts:
                n += code_lines(path)
    return n


def report(name, tests, code, limit):
    ratio = tests / code if code else 0.0
    verdict = "ok" if ratio <= limit else f"above {limit:.0%}"
    print(f"{name}: {tests} test lines / {code} code lines = {ratio:.1%} ({verdict})")
    return ratio <= limit


cpp = {".c", ".cc", ".cpp", ".h", ".hpp"}
page = {".mjs", ".js", ".html", ".css"}
ok = report("C++", total(["tests"], cpp),
            total(["sdk", "kit", "plugin", "host", "harness"], cpp), 0.35)
ok &= report("browser", total(["tests/browser"], {".mjs"}, "*.mjs"),
             total(["host/server/web"], page), 0.50)
sys.exit(0 if ok else 1)
