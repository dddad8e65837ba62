#!/usr/bin/python3
"""Reads the program's accessibility tree, as a screen reader does, on every screen.

Run under Xvfb with a session bus (the test command does: xvfb-run dbus-run-session). Starts
the program on a fresh club, presses each of the main window's screen buttons through the
accessibility bus (so each is reachable without a mouse), and fails listing every control a
screen reader cannot name: a button, box, list or field without a caption of its own, a label
for it, or a name given to it.

    accessibility_tree.py PATH/TO/kestrava
"""
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

import pyatspi

# Controls the user acts on: each needs a name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_SLIDER, pyatspi.ROLE_DATE_EDITOR,
}
# Parts Qt builds inside its own widgets (a scroll bar's arrows, a table's corner button).
QT_PARTS = {pyatspi.ROLE_SCROLL_BAR}


def start(program, data, env):
    return subprocess.Popen([program, "--data", data], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def find_app(pid, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                pass
        time.sleep(0.3)
    return None


def labelled(node):
    try:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return True
    except Exception:
        pass
    return False


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def unnamed(node, path, out, depth=0):
    if node is None or depth > 60 or not showing(node):
        return
    role = node.getRole()
    if role in QT_PARTS:
        return
    name = (node.name or "").strip()
    here = path + "/" + (node.getRoleName() or "?") + ("[" + name + "]" if name else "")
    if role in NAMED_ROLES and not name and not labelled(node):
        # A cell of a table or an item of a list is named by its text; the list itself by
        # its caption.
        out.append(here)
    if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE):
        return  # their rows are data
    for i in range(node.childCount):
        try:
            unnamed(node.getChildAtIndex(i), here, out, depth + 1)
        except Exception:
            pass


def buttons(app):
    """The main window's screen buttons, in order."""
    found = []

    def walk(node, depth=0):
        if node is None or depth > 8:
            return
        if node.getRole() == pyatspi.ROLE_TOOL_BAR:
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON):
                    found.append(child)
            return
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1)

    walk(app)
    return found


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "Toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    program = sys.argv[1]
    work = tempfile.mkdtemp(prefix="kestrava-a11y-")
    data = os.path.join(work, "data")
    os.makedirs(data)
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "QT_ACCESSIBILITY": "1", "HOME": work, "XDG_DATA_HOME": work,
                "XDG_CONFIG_HOME": work})
    env.pop("QT_SCALE_FACTOR", None)
    faults = []

    # The first start makes the club file and shows the club's setup: read it too.
    first = start(program, data, env)
    app = find_app(first.pid)
    if app is None:
        first.kill()
        print("the program never appeared on the accessibility bus")
        return 1
    time.sleep(2)
    setup = []
    unnamed(app, "first-run setup", setup)
    faults += setup
    first.kill()
    first.wait()
    db = sqlite3.connect(os.path.join(data, "Kestrava_Europe.db"))
    db.execute("insert into ZOL_ClubData (ClubID, AssociationCode, ClubName, Language, Mode, "
               "DBBackupDays, PrintCount) values ('HF','NL','Harbour Flyers',0,0,0,1)")
    db.commit()
    db.close()

    program_run = start(program, data, env)
    try:
        app = find_app(program_run.pid)
        if app is None:
            print("the program never appeared on the accessibility bus")
            return 1
        time.sleep(2)
        screens = buttons(app)
        if len(screens) < 5:
            print("the main window's screen buttons are not on the accessibility bus")
            return 1
        for button in screens:
            name = (button.name or "").strip() or "(unnamed button)"
            press(button)
            time.sleep(1.5)
            found = []
            unnamed(app, name, found)
            faults += found
    finally:
        program_run.kill()
        program_run.wait()
    faults = sorted(set(faults))
    for fault in faults:
        print("unnamed control: " + fault)
    print("%d unnamed control(s)" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
