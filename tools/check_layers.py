#!/usr/bin/env python3
"""Holds the code's #include lines against the libraries the build declares.

The build writes one line per library or program into a manifest
(name|folder|recursive|qt|links separated by ';'). For every one of them this
check reads the #include "…" lines of its sources and fails when
  - a source includes a header of a library its target does not link
    directly (a missing edge: it works today only by accident of another link),
  - a target links a library none of its sources includes (a false edge),
  - a domain library (qt=0) includes a Qt header,
  - an included header belongs to no library of the manifest,
and it reports and fails on
  - include circles across libraries: units (a header with its source) of
    different libraries that include each other, directly or around a ring
    (rings inside one library are listed, not failed),
  - upward includes: an include into a library that itself depends, through
    the declared links, on the including one.
Run by CTest; `check_layers.py MANIFEST SOURCE_DIR` prints what it finds.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
SOURCE_EXT = ('.h', '.cpp', '.hpp')


def read_manifest(path):
    targets = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            name, folder, recursive, qt, links = line.split('|')
            targets[name] = {
                'folder': folder.strip('/'),
                'recursive': recursive == '1',
                'qt': qt == '1',
                'links': [l for l in links.split(';') if l],
            }
    return targets


def files_of(source_dir, target):
    root = os.path.join(source_dir, target['folder'])
    out = []
    if target['recursive']:
        for d, _, names in os.walk(root):
            out += [os.path.join(d, n) for n in names if n.endswith(SOURCE_EXT)]
    else:
        out = [os.path.join(root, n) for n in os.listdir(root)
               if n.endswith(SOURCE_EXT) and os.path.isfile(os.path.join(root, n))]
    return sorted(os.path.relpath(p, source_dir) for p in out)


def owner_of(rel, targets):
    """The target whose folder holds the file (the deepest folder wins)."""
    best, depth = None, -1
    d = os.path.dirname(rel)
    for name, t in targets.items():
        folder = t['folder']
        inside = d == folder if not t['recursive'] else (d == folder or d.startswith(folder + '/'))
        if inside and folder.count('/') > depth:
            best, depth = name, folder.count('/')
    return best


def resolve(source_dir, including, spelled, roots):
    here = os.path.join(os.path.dirname(including), spelled)
    if os.path.isfile(os.path.join(source_dir, here)):
        return os.path.normpath(here)
    for root in roots:
        cand = os.path.join(root, spelled)
        if os.path.isfile(os.path.join(source_dir, cand)):
            return os.path.normpath(cand)
    return None


def strongly_connected(graph):
    index, low, on_stack, stack, result = {}, {}, set(), [], []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in graph.get(v, ()):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            comp = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                comp.append(w)
                if w == v:
                    break
            if len(comp) > 1:
                result.append(sorted(comp))

    sys.setrecursionlimit(10000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return result


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    targets = read_manifest(sys.argv[1])
    source_dir = sys.argv[2]
    roots = ['src']
    problems = []
    uses = {name: {} for name in targets}      # target -> used target -> first include seen
    unit_graph = {}                            # "src/ui/mainwindow/MainForm" -> units it includes
    file_count = include_count = 0

    for name, t in sorted(targets.items()):
        for rel in files_of(source_dir, t):
            if owner_of(rel, targets) != name:
                continue   # a nested folder of its own library
            file_count += 1
            unit = os.path.splitext(rel)[0]
            with open(os.path.join(source_dir, rel), encoding='utf-8', errors='replace') as f:
                text = f.read()
            for kind, spelled in INCLUDE.findall(text):
                if kind == '<':
                    if not t['qt'] and re.match(r'Q[A-Za-z]', spelled):
                        problems.append(f'{rel}: domain library {name} includes the Qt header <{spelled}>')
                    continue
                target_file = resolve(source_dir, rel, spelled, roots)
                if target_file is None:
                    continue   # generated (moc) or outside the tree
                include_count += 1
                other = owner_of(target_file, targets)
                if other is None:
                    problems.append(f'{rel}: includes "{spelled}", which belongs to no library')
                    continue
                other_unit = os.path.splitext(target_file)[0]
                if other_unit != unit:
                    unit_graph.setdefault(unit, set()).add(other_unit)
                if other != name:
                    uses[name].setdefault(other, f'{rel} -> "{spelled}"')

    # Includes against declared links.
    for name, t in sorted(targets.items()):
        declared = set(t['links'])
        used = set(uses[name])
        for missing in sorted(used - declared):
            problems.append(f'{name} includes {missing} without linking it ({uses[name][missing]})')
        for false in sorted(declared - used):
            problems.append(f'{name} links {false} but includes none of its headers')

    # Upward includes: an include into a library that depends on the includer.
    def below(name, seen=None):
        seen = set() if seen is None else seen
        for l in targets.get(name, {}).get('links', []):
            if l in targets and l not in seen:
                seen.add(l)
                below(l, seen)
        return seen

    upward = []
    for name in sorted(targets):
        for other, where in sorted(uses[name].items()):
            if name in below(other) or other == name:
                upward.append(f'{name} -> {other} ({where})')
    # A ring of units inside one library is that library's own business;
    # a ring that crosses libraries ties layers together and fails.
    circles, inner = [], []
    for ring in strongly_connected(unit_graph):
        owners = {owner_of(u + '.h', targets) or owner_of(u + '.cpp', targets) for u in ring}
        (circles if len(owners) > 1 else inner).append(ring)

    print(f'{len(targets)} targets, {file_count} files, {include_count} includes of the project\'s own headers')
    print(f'include circles across libraries: {len(circles)}')
    for c in circles:
        print('  circle: ' + ' <-> '.join(c))
    print(f'rings of units inside one library (reported only): {len(inner)}')
    for c in inner:
        print('  ring: ' + ' <-> '.join(c))
    print(f'upward includes: {len(upward)}')
    for u in upward:
        print('  upward: ' + u)
    print(f'differences between includes and links: {len(problems)}')
    for p in problems:
        print('  ' + p)
    print('links as the code uses them:')
    for name in sorted(targets):
        print(f'  {name}: ' + ' '.join(sorted(uses[name])))
    return 1 if problems or circles or upward else 0


if __name__ == '__main__':
    sys.exit(main())
