#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives zyl with keys alone and reads it as a screen reader does, from
the accessibility bus: check.py ZYL SOURCE_DIR WORK_DIR SCRIPT...

A script is a list of steps, one a line ('#' starts a comment):
  start [DOCUMENT]         start zyl (again), with a document: a path in the
                           sources, or @NAME for a file in the work folder
  copy SOURCE NAME         copy a file of the sources into the work folder
  keys KEY...              press keys (xdotool names) in the focused window
  type TEXT                type the text (@NAME: the work folder's file's path)
  wait SECONDS             let the program work
  app NAME                 the program is on the bus by this name
  count ROLE N REGEX       exactly N objects of the role whose names match
  has ROLE REGEX [STATE..] at least one such object, with these states
  none ROLE REGEX          no such object
  same NAME EXPECTED       the work folder's file has the bytes of EXPECTED
  header TABLE row|column N REGEX
                           the header of row or column N of the table named
                           by TABLE (a regular expression) matches
A role is AT-SPI's role name with '_' for blanks (table_cell, push_button).
The tree checks are tried again for a few seconds, as the bus is late.
"""
import difflib
import os
import re
import shlex
import shutil
import subprocess
import sys
import time

import pyatspi

ZYL, SOURCE, WORK = sys.argv[1:4]
program = None


def fail(message):
    print("FAILED: " + message)
    list_tree()
    sys.exit(1)


def list_tree():
    """With ZYL_ATSPI_LIST set, prints the whole tree (to see the names)."""
    if os.environ.get("ZYL_ATSPI_LIST") and program:
        for role, name, states, depth, _ in tree():
            print("  " * depth + role + " " + repr(name))


def zyl_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app and app.get_process_id() == program.pid:
                return app
        except Exception:
            pass
    return None


def walk(node, out, depth=0):
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = {pyatspi.stateToString(s) for s in node.getState().getStates()}
        count = node.childCount
    except Exception:
        return
    out.append((role, name, states, depth, node))
    for i in range(min(count, 2000)):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, out, depth + 1)


def tree():
    app = zyl_app()
    if app is None:
        return []
    nodes = []
    walk(app, nodes)
    return nodes


def matching(role, regex, states=()):
    role = role.replace("_", " ")
    pattern = re.compile(regex)
    return [n for n in tree() if n[0] == role and pattern.search(n[1]) and set(states) <= n[2]]


def until(test, what, seconds=20):
    deadline = time.time() + seconds
    while True:
        result = test()
        if result is True:
            return
        if time.time() > deadline:
            fail(what + ": " + str(result))
        time.sleep(0.3)


def work_path(name):
    return os.path.join(WORK, name[1:]) if name.startswith("@") else os.path.join(SOURCE, name)


def start(args):
    global program
    stop()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([ZYL] + [work_path(a) for a in args], env=env)
    until(lambda: zyl_app() is not None or "not on the bus yet", "zyl on the bus")

    # The window manager gives the new window the focus; should it not
    # have, as on a busy machine, it is asked to. The X server says which
    # window has it: the bus's "active" state may lag behind.
    def active():
        owner = subprocess.run(["xdotool", "getactivewindow", "getwindowpid"], capture_output=True, text=True)
        if owner.returncode == 0 and owner.stdout.strip() == str(program.pid):
            return True
        subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "windowactivate"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return "no active window (the focus is on %r)" % subprocess.run(
            ["xdotool", "getactivewindow", "getwindowname", "getwindowpid"], capture_output=True, text=True).stdout
    until(active, "zyl's window", 40)


def stop():
    global program
    if program and program.poll() is None:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()
    program = None


def count(role, n, regex):
    def test():
        found = len(matching(role, regex))
        return found == int(n) or "found %d" % found
    until(test, "count %s %s %r" % (role, n, regex))


def header(table, kind, index, regex):
    """True, or what the header is."""
    tables = matching("table", table)
    if not tables:
        return "no table"
    t = tables[0][4].queryTable()
    cell = t.getColumnHeader(index) if kind == "column" else t.getRowHeader(index)
    name = cell.name if cell else None
    return bool(name is not None and re.search(regex, name)) or repr(name)


def same(path, expected_path):
    """True, or the differences as a unified diff."""
    expected = open(expected_path, "rb").read()
    found = open(path, "rb").read() if os.path.exists(path) else b""
    if found == expected:
        return True
    return "\n" + "".join(difflib.unified_diff(expected.decode("utf-8", "replace").splitlines(True),
                                               found.decode("utf-8", "replace").splitlines(True),
                                               expected_path, path))


def step(words):
    op, args = words[0], words[1:]
    if op == "start":
        start(args)
    elif op == "copy":
        shutil.copyfile(os.path.join(SOURCE, args[0]), os.path.join(WORK, args[1]))
    elif op == "keys":
        subprocess.run(["xdotool", "key", "--delay", "120"] + args, check=True)
        time.sleep(0.4)
    elif op == "type":
        text = " ".join(work_path(a) if a.startswith("@") else a for a in args)
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
        time.sleep(0.3)
    elif op == "wait":
        time.sleep(float(args[0]))
    elif op == "app":
        until(lambda: zyl_app().name == args[0] or zyl_app().name, "app name")
    elif op == "count":
        count(args[0], args[1], args[2])
    elif op == "has":
        until(lambda: bool(matching(args[0], args[1], args[2:])) or "none", "has " + " ".join(args))
    elif op == "none":
        until(lambda: not matching(args[0], args[1]) or matching(args[0], args[1])[0][1], "none " + " ".join(args))
    elif op == "same":
        until(lambda: same(work_path(args[0]), os.path.join(SOURCE, args[1])), "same " + " ".join(args))
    elif op == "header":
        until(lambda: header(args[0], args[1], int(args[2]), args[3]), "header " + " ".join(args))
    else:
        fail("unknown step " + op)


def main():
    try:
        for script in sys.argv[4:]:
            for number, line in enumerate(open(script, encoding="utf-8"), 1):
                words = shlex.split(line, comments=True)
                if words:
                    print("%s:%d: %s" % (os.path.basename(script), number, " ".join(words)), flush=True)
                    step(words)
        list_tree()
    finally:
        stop()
    print("passed")


main()
