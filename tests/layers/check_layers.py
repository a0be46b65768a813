#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the layers of the source tree.

1. No circle of folders: a folder's files may include another folder's headers only if
   that folder, directly or not, includes nothing of the first; nor of features, a feature
   being a top folder with its logic/ inside.
2. A logic folder (`*/logic/`) includes neither a widget header (Qt Widgets, Qt Print
   Support, Qt Charts) nor a header of a folder that is not itself logic.
3. The given programs (the command-line tools and the logic tests) do not load Qt
   Widgets: they are linked as-needed, so a NEEDED entry means a widget is really used.

Usage: check_layers.py SOURCE_DIR QT_INCLUDE_DIR [PROGRAM ...]
"""
import os
import re
import subprocess
import sys

PRODUCT = ("common", "shell", "diagnosis", "calculators", "maintenance", "tuneup", "worklog",
           "logtool", "kbtool")
WIDGET_MODULES = ("QtWidgets", "QtPrintSupport", "QtCharts", "QtOpenGLWidgets")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def widget_headers(qt_include):
    names = set()
    for module in WIDGET_MODULES:
        folder = os.path.join(qt_include, module)
        if os.path.isdir(folder):
            names.update(n for n in os.listdir(folder) if not n.endswith(".h"))
            names.add(module)
    return names


def sources(top):
    for root in PRODUCT:
        for folder, _, files in os.walk(os.path.join(top, root)):
            for name in files:
                if name.endswith((".h", ".cpp")):
                    path = os.path.join(folder, name)
                    yield os.path.relpath(path, top)


def is_logic(folder):
    return folder.split("/")[-1] == "logic"


def find_cycle(graph):
    """One circle of the graph as a list of nodes, or None (depth-first search)."""
    state, stack = {}, []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    top, qt_include, programs = sys.argv[1], sys.argv[2], sys.argv[3:]
    widgets = widget_headers(qt_include)
    if not widgets:
        print(f"check_layers: no Qt Widgets headers under {qt_include}", file=sys.stderr)
        return 2
    problems = []
    graph, example = {}, {}
    for path in sources(top):
        folder = os.path.dirname(path)
        with open(os.path.join(top, path), encoding="utf-8") as f:
            text = f.read()
        for kind, name in INCLUDE.findall(text):
            if kind == "<":
                if is_logic(folder) and name.split("/")[-1] in widgets:
                    problems.append(f"{path}: a logic file includes the widget header <{name}>")
                continue
            target = os.path.dirname(name)
            if not target or target == folder or target.split("/")[0] not in PRODUCT:
                continue
            graph.setdefault(folder, set()).add(target)
            example.setdefault((folder, target), path)
            if is_logic(folder) and not is_logic(target):
                problems.append(f'{path}: a logic file includes "{name}", which is not logic')
    features, feature_example = {}, {}
    for (a, b), path in example.items():
        fa, fb = a.split("/")[0], b.split("/")[0]
        if fa != fb:
            features.setdefault(fa, set()).add(fb)
            feature_example.setdefault((fa, fb), path)
    for kind, links, where in (("folders", graph, example), ("features", features, feature_example)):
        cycle = find_cycle(links)
        if cycle:
            steps = [f"{a} -> {b} ({where[(a, b)]})" for a, b in zip(cycle, cycle[1:])]
            problems.append(f"{kind} include each other in a circle: " + "; ".join(steps))
    for program in programs:
        dynamic = subprocess.run(["readelf", "-d", program], capture_output=True, text=True,
                                 check=True).stdout
        for module in ("Qt6Widgets", "Qt6PrintSupport", "Qt6Charts"):
            if f"lib{module}.so" in dynamic:
                problems.append(f"{os.path.basename(program)} loads lib{module}")
    for problem in problems:
        print(problem)
    print(f"{len(graph)} folders, {sum(len(v) for v in graph.values())} links between them, "
          f"{len(programs)} programs read")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
