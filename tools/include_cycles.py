#!/usr/bin/env python3
"""Include cycles between the program's modules, and includes against the layers;
exits 1 when there is either.

A module is name.h/.cpp together with name_win.h/.cpp in one folder. Module A depends
on module B when a file of A includes a header of B. A cycle is a group of modules
that reach each other (a strongly connected component of more than one module); each
is printed with the includes that close it, so the owner that should not be included
is easy to find.

The layers read one way: app/ may include everything; widgets/ and tidgets/ include
core/, res/ and widgets/ (tidgets only its shared rooms: base, controls, pictures);
core/ includes only core/ and res/.
"""
import os
import re
import sys

ROOTS = ("app", "core", "widgets", "tidgets", "res")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def module_of(path):
    folder, name = os.path.split(path)
    name = re.sub(r"\.(h|cpp)$", "", name)
    return os.path.join(folder, re.sub(r"_win$", "", name)).replace(os.sep, "/")


def read_edges(top):
    edges = {}
    for root in ROOTS:
        for folder, _, files in os.walk(os.path.join(top, root)):
            for name in files:
                if not re.search(r"\.(h|cpp)$", name):
                    continue
                path = os.path.relpath(os.path.join(folder, name), top)
                source = module_of(path)
                targets = edges.setdefault(source, {})
                with open(os.path.join(top, path), encoding="utf-8", errors="replace") as text:
                    for line in text:
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        # A name without a folder is beside the including file.
                        included = match.group(1)
                        if "/" not in included:
                            included = os.path.join(os.path.dirname(path), included)
                        if module_of(included) != source:
                            targets.setdefault(module_of(included), path)
    return edges


# The folders a folder's files may include from, by prefix.
ALLOWED = {
    "app/": ("app/", "core/", "res/", "widgets/", "tidgets/"),
    "tidgets/": ("tidgets/", "core/", "res/", "widgets/base/", "widgets/controls/", "widgets/pictures/"),
    "widgets/": ("widgets/", "core/", "res/"),
    "core/": ("core/", "res/"),
    "res/": ("res/",),
}


def layer_breaches(edges):
    breaches = []
    for source, targets in sorted(edges.items()):
        allowed = next(prefixes for layer, prefixes in ALLOWED.items() if source.startswith(layer))
        for target, path in sorted(targets.items()):
            if not target.startswith(allowed):
                breaches.append(f"{path} includes {target}")
    return breaches


def strong_components(edges):
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for target in edges.get(node, {}):
            if target not in edges:
                continue
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def main(top):
    edges = read_edges(top)
    cycles = strong_components(edges)
    for members in cycles:
        print("include cycle: " + ", ".join(members))
        for source in members:
            for target, path in sorted(edges[source].items()):
                if target in members:
                    print(f"  {path} includes {target}")
    print(f"{len(cycles)} include cycles between {len(edges)} modules")
    breaches = layer_breaches(edges)
    for breach in breaches:
        print("against the layers: " + breach)
    return 1 if cycles or breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")))
