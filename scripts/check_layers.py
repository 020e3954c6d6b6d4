#!/usr/bin/env python3
"""Checks every include of the product code against the layer map.

A folder may include its own headers and those of the folders below it; the
folder's library must also link (directly or through another library) the
library of every folder it includes. Both "..." and <...> includes of the
tree's folders count. Qt may appear only where the map allows it: any of it
in ui/ and platform/qt, Qt Core and Gui in render/, the Gui value types in
app/ and cli/, none elsewhere. Prints one line per wrong edge, with the file
and the line, and exits 1 when there is any.

Usage: check_layers.py SOURCE_ROOT
"""

import glob
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
    # The two sets of services: only the programs pick one, and neither knows the other.
    ["platform/qt", "platform/headless"],
    ["ui", "cli"],
]
# The image and sound generator stands apart: it includes only itself.
APART = ["assets"]
NOT_PRODUCT = ("tests/", "bench/", "fuzz/", "build")

RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')
# A Qt header: <QWidget>, <QtWidgets/QWidget>, <QtWidgets>.
QT_HEADER = re.compile(r"^(?:(Qt[A-Za-z]*)/)?(Q[A-Za-z]\w*)$")

# Where Qt may appear: the modules a folder may use, or the only classes.
QT_ANYWHERE = ("ui", "platform/qt")
QT_MODULES = {folder: {"QtCore", "QtGui"} for folder in ("render", "assets")}
QT_CLASSES = {folder: {"QImage", "QRect", "QPoint"} for folder in ("app", "cli")}
TARGET = re.compile(r"add_(library|executable)\(([\w-]+)([^)]*)\)")
LINKS = re.compile(r"target_link_libraries\(([\w-]+)([^)]*)\)")


def folder_of(path):
    """The folder of the map that holds `path`, or None."""
    best = None
    for folder in list(RANK) + APART:
        if (path == folder or path.startswith(folder + "/")) and (best is None or len(folder) > len(best)):
            best = folder
    return best


def qt_include_roots():
    """Folders that hold the Qt modules' headers (QtCore/, QtGui/ ...)."""
    return [path for pattern in ("/usr/include/qt6", "/usr/include/*/qt6", "/usr/local/include/qt6")
            for path in map(pathlib.Path, glob.glob(pattern)) if path.is_dir()]


def qt_module(header, roots):
    """The Qt module of a <Q...> header, or None when it is no Qt header;
    "Qt" when no installed module holds it."""
    match = QT_HEADER.match(header)
    if not match:
        return None
    module, name = match.groups()
    if module:
        return module
    if name.startswith("Qt") and any((root / name).is_dir() for root in roots):
        return name
    for root in roots:
        for found in root.glob(f"Qt*/{name}"):
            return found.parent.name
    return "Qt"


def qt_problem(source, header, roots):
    """Why `source` may not include `header`, or None."""
    module = qt_module(header, roots)
    if module is None or source in QT_ANYWHERE:
        return None
    if source in QT_MODULES:
        return None if module in QT_MODULES[source] else f"{module} is not allowed in {source}"
    if source in QT_CLASSES:
        allowed = QT_CLASSES[source]
        return None if header.split("/")[-1] in allowed else f"only {', '.join(sorted(allowed))} of Qt in {source}"
    return f"no Qt in {source}"


def library_graph(root):
    """The library of each folder, the target of each source file listed in a
    target of its own (a program's main.cpp), and the libraries each target links."""
    library, target_of, links = {}, {}, {}
    for cmake in root.rglob("CMakeLists.txt"):
        here = cmake.parent.relative_to(root).as_posix()
        folder = folder_of(here)
        if folder is None:
            continue
        text = cmake.read_text()
        for kind, name, sources in TARGET.findall(text):
            if kind == "library":
                library.setdefault(folder, name)
            for source in sources.split():
                target_of.setdefault(f"{here}/{source}", name)
        for name, linked in LINKS.findall(text):
            links.setdefault(name, set()).update(w for w in linked.split() if w.startswith("mokuza_"))
    return library, target_of, links


def reachable(links, start):
    seen, todo = set(), [start]
    while todo:
        for name in links.get(todo.pop(), ()):
            if name not in seen:
                seen.add(name)
                todo.append(name)
    return seen


def check(root):
    library, target_of, links = library_graph(root)
    qt_roots = qt_include_roots()
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
            quoted, angled = match.groups()
            where = f"{relative}:{number}"
            if angled:
                why = qt_problem(source, angled, qt_roots)
                if why:
                    problems.append(f"{where}: <{angled}>: {why}")
                if folder_of(angled) is None:
                    continue
            header = quoted or angled
            target = folder_of(header)
            if target == source:
                continue
            if target is None:
                problems.append(f"{where}: {source} → {header}: not a folder of the map")
            elif source in APART or target in APART or RANK[target] >= RANK[source]:
                problems.append(f"{where}: {source} → {target} points up or across the layer map")
            elif target in library and (user := target_of.get(relative, library.get(source))) and (
                    library[target] not in reachable(links, user)):
                problems.append(f"{where}: {source} → {target} is allowed but {user} does not link {library[target]}")
    return problems


def main():
    problems = check(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve())
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
