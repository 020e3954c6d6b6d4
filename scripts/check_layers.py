#!/usr/bin/env python3
"""Checks every #include "..." of the product code against the layer map.

A folder may include its own headers and those of the folders below it; the
folder's library must also link (directly or through another library) the
library of every folder it includes. Prints one line per wrong edge, with the
file and the line, and exits 1 when there is any.

Usage: check_layers.py SOURCE_ROOT
"""

import pathlib
import re
import sys

# Bottom to top. Folders on one rank may not include each other.
LAYERS = [
    ["platform"],
    ["core/record"],
    ["core/rules"],
    ["core/naming"],
    ["core/document"],
    ["settings"],
    ["playlist"],
    ["search"],
    ["playback"],
    ["render"],
    ["app"],
    ["ui", "cli"],
]
# The image and sound generator stands apart: it includes only itself.
APART = ["assets"]
NOT_PRODUCT = ("tests/", "bench/", "fuzz/", "build")

RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ADD_LIBRARY = re.compile(r"add_library\((\w+)")
LINKS = re.compile(r"target_link_libraries\((\w+)([^)]*)\)")


def folder_of(path):
    """The folder of the map that holds `path`, or None."""
    best = None
    for folder in list(RANK) + APART:
        if (path == folder or path.startswith(folder + "/")) and (best is None or len(folder) > len(best)):
            best = folder
    return best


def library_graph(root):
    """The library of each folder and the libraries each library links."""
    library, links = {}, {}
    for cmake in root.rglob("CMakeLists.txt"):
        folder = folder_of(cmake.parent.relative_to(root).as_posix())
        if folder is None:
            continue
        text = cmake.read_text()
        for name in ADD_LIBRARY.findall(text):
            library.setdefault(folder, name)
        for name, linked in LINKS.findall(text):
            links.setdefault(name, set()).update(w for w in linked.split() if w.startswith("mokuza_"))
    return library, links


def reachable(links, start):
    seen, todo = set(), [start]
    while todo:
        for name in links.get(todo.pop(), ()):
            if name not in seen:
                seen.add(name)
                todo.append(name)
    return seen


def check(root):
    library, links = library_graph(root)
    problems = []
    for file in sorted(root.rglob("*")):
        relative = file.relative_to(root).as_posix()
        if file.suffix not in (".h", ".cpp") or relative.startswith(NOT_PRODUCT):
            continue
        source = folder_of(relative)
        if source is None:
            problems.append(f"{relative}: the folder is not on the layer map")
            continue
        for number, line in enumerate(file.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = folder_of(match.group(1))
            where = f"{relative}:{number}"
            if target == source:
                continue
            if target is None:
                problems.append(f"{where}: {source} → {match.group(1)}: not a folder of the map")
            elif source in APART or target in APART or RANK[target] >= RANK[source]:
                problems.append(f"{where}: {source} → {target} points up or across the layer map")
            elif source in library and target in library and library[target] not in reachable(links, library[source]):
                problems.append(
                    f"{where}: {source} → {target} is allowed but {library[source]} does not link {library[target]}")
    return problems


def main():
    problems = check(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve())
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
