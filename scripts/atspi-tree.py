#!/usr/bin/python3
"""Reads Alimetra's accessibility tree over AT-SPI, as a screen reader does,
and finds tab 2's grams box by its name. Prints the tabs and what it found
(with the label that names it); exits 1 if the box is not there.
   atspi-tree.py [NAME]   (NAME: the accessible name looked for)"""
import sys
import time

import pyatspi

wanted = sys.argv[1] if len(sys.argv) > 1 else "Weekly intake in grams"


def program(seconds):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower().startswith("alimetra"):
                return app
        time.sleep(0.5)
    return None


def walk(node, depth=0, path=()):
    yield node, depth, path
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1, path + (node,))


def describe(node):
    return "%s \"%s\"" % (node.getRoleName(), node.name)


app = program(60)
if app is None:
    print("Alimetra did not appear on the accessibility bus")
    sys.exit(1)
# The splash window comes first; the main window's tree follows it.
end = time.time() + 60
while True:
    nodes = list(walk(app))
    found = [(n, p) for n, _, p in nodes if n.name == wanted]
    if found or time.time() > end:
        break
    time.sleep(1)
print("Program:", app.name)
print("Accessible objects:", len(nodes))
tabs = [n for n, _, _ in nodes if n.getRole() == pyatspi.ROLE_PAGE_TAB]
print("Tabs:", ", ".join(n.name for n in tabs))
for node, path in found:
    print("Found:", describe(node),
          "| states:", ", ".join(pyatspi.stateToString(s) for s in node.getState().getStates()))
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            print("  labelled by:", "; ".join(describe(relation.getTarget(i))
                                              for i in range(relation.getNTargets())))
    print("  path:", " > ".join(describe(p) for p in path))
if not found:
    print("Not found:", wanted)
    sys.exit(1)
