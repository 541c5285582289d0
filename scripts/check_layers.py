#!/usr/bin/env python3
"""The layering rule: a folder includes only from itself and the folders below it.

    common < startup < engine < formulas < navigation   (pure: no Qt, no window)
    < platform < toolkit < window < demos;   tools/ builds on the pure folders alone.

The toolkit's pure arithmetic (the files toolkit/CMakeLists.txt builds into the pure
library, and their headers) may include only pure files. Qt belongs to the desktop's views
in platform/qt/ (and to the demos, programs of their own); a backend's own headers
(platform/qt/, platform/web/) are for that backend alone, so nothing else knows which
window system it runs on.

Every C++ file is read as the compiler reads it: the preprocessor lists every header it
pulls in, directly or through another header (g++ -MM), so no spelling of an include
("../", "# include", a macro, any extension) escapes.

Usage: scripts/check_layers.py [source folder [file...]]; checks every file of the layers
(or the files named), prints each one that reaches upward and fails when there is one.
"""
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

ORDER = ["common", "startup", "engine", "formulas", "navigation", "platform", "toolkit",
         "window", "demos"]
PURE = ORDER[:5]
BACKENDS = ("platform/qt/", "platform/web/")
SOURCES = (".cpp", ".cc", ".cxx", ".c", ".h", ".hh", ".hpp", ".hxx", ".inc", ".ipp")


def pkg_config(*args):
    try:
        return subprocess.run(["pkg-config", *args], capture_output=True, text=True,
                              check=True).stdout.split()
    except (OSError, subprocess.CalledProcessError):
        return []


def pure_toolkit_names():
    """Base names of the toolkit files built into the pure library."""
    text = open("toolkit/CMakeLists.txt").read()
    block = re.search(r"target_sources\(avcore(.*?)\)", text, re.S)
    return set(re.findall(r"(\w+)\.cpp", block.group(1))) if block else set()


def stem(path):
    return os.path.splitext(os.path.basename(path))[0]


def headers(path, qt_flags):
    """Every file the preprocessor reads for `path`, as it found them."""
    out = subprocess.run(["g++", "-std=c++20", "-MM", "-MG", "-I.", *qt_flags, "-x", "c++",
                          path], capture_output=True, text=True).stdout
    deps = out.replace("\\\n", " ").split(":", 1)[-1].split()
    return [d for d in deps if d != path]


def problems(path, qt_flags, qt_root, pure_toolkit):
    folder = path.split("/", 1)[0]
    if folder == "tools":
        allowed = set(PURE) | {"tools"}
    else:
        allowed = set(ORDER[:ORDER.index(folder) + 1])
    backend = next((b for b in BACKENDS if path.startswith(b)), None)
    qt_allowed = folder == "demos" or backend == "platform/qt/"
    toolkit_pure = folder == "toolkit" and stem(path) in pure_toolkit
    if toolkit_pure:
        allowed = set(PURE) | {"toolkit"}
    for dep in headers(path, qt_flags):
        absolute = os.path.normpath(os.path.join(os.getcwd(), dep))
        rel = os.path.relpath(absolute)
        if rel.startswith("..") or os.path.isabs(rel):
            if absolute.startswith(qt_root + os.sep) and not qt_allowed:
                yield f"{path}: pulls in the Qt header {os.path.relpath(absolute, qt_root)}"
                return
            continue  # the standard library, giflib
        top = rel.split(os.sep, 1)[0]
        if re.match(r"Q|Qt\w*/", rel) and top not in ORDER:
            if not qt_allowed:
                yield f"{path}: pulls in the Qt header {rel}"
            continue
        if top == rel:
            yield f"{path}: pulls in {rel}, outside every layer"
        elif top not in allowed:
            yield f"{path}: pulls in {rel} from {top}/, not a layer below {folder}/"
        elif rel.startswith(BACKENDS) and not rel.startswith(backend or "-"):
            yield f"{path}: pulls in {rel}, the header of a window system's views"
        elif toolkit_pure and top == "toolkit" and stem(rel) not in pure_toolkit:
            yield f"{path}: the toolkit's pure arithmetic pulls in {rel}"


def main():
    os.chdir(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    qt_flags = pkg_config("--cflags", "Qt6Widgets")
    qt_root = os.path.normpath((pkg_config("--variable=includedir", "Qt6Core") or
                                ["/usr/include/x86_64-linux-gnu/qt6"])[0])
    pure_toolkit = pure_toolkit_names()
    files = sys.argv[2:] or sorted(os.path.join(top, name)
                                   for folder in ORDER + ["tools"] if os.path.isdir(folder)
                                   for top, dirs, names in os.walk(folder)
                                   if "node_modules" not in top
                                   for name in names if name.endswith(SOURCES))
    with ThreadPoolExecutor(max_workers=2) as pool:
        found = [p for batch in pool.map(
            lambda f: list(problems(f, qt_flags, qt_root, pure_toolkit)), files) for p in batch]
    for line in found:
        print(line)
    if found:
        return 1
    print(f"ok: each of {len(files)} files includes only from the layers below it")
    return 0


if __name__ == "__main__":
    sys.exit(main())
