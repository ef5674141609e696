#!/usr/bin/env python3
"""Checks the include graph of src/: folders depend on each other one way (no circle), and the
domain core never includes a file of the Qt layer. Prints each fault and exits 1 on any."""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
QT_NAME = re.compile(r'_(window|panel|widget|view)\.(h|cpp)$')


def is_qt_layer(path: str) -> bool:
    return path.startswith('platform/') or QT_NAME.search(path) is not None


def includes(src: Path):
    for file in sorted(src.rglob('*')):
        if file.suffix not in ('.h', '.cpp'):
            continue
        rel = file.relative_to(src).as_posix()
        for line in file.read_text(encoding='utf-8').splitlines():
            m = INCLUDE.match(line)
            if m and (src / m.group(1)).exists():
                yield rel, m.group(1)


def cycles(graph):
    """The strongly connected components with more than one folder (Tarjan)."""
    index, low, stack, on, out = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                out.append(sorted(component))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return out


def main() -> int:
    paths = [a for a in sys.argv[1:] if not a.startswith('--')]
    src = Path(paths[0]) if paths else Path(__file__).resolve().parents[2] / 'src'
    graph, faults, why = {}, [], {}
    for file, target in includes(src):
        here, there = file.split('/')[0], target.split('/')[0]
        if not is_qt_layer(file) and is_qt_layer(target):
            faults.append(f'core file {file} includes Qt layer file {target}')
        if here != there:
            graph.setdefault(here, set()).add(there)
            why.setdefault((here, there), f'{file} -> {target}')
    for component in cycles(graph):
        edges = [why[(a, b)] for a in component for b in component if (a, b) in why]
        faults.append('folders in a circle: ' + ', '.join(component) + '\n    ' + '\n    '.join(edges))
    for fault in faults:
        print(fault)
    if '--graph' in sys.argv:
        for folder in sorted(graph):
            print(f'{folder} -> {", ".join(sorted(graph[folder]))}')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
