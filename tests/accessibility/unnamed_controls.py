#!/usr/bin/python3
"""Lists the controls of the running Ruvek main window that a screen reader
cannot name, read through the accessibility bus (AT-SPI) as Orca reads it.

  unnamed_controls.py RUVEK_BINARY PROGRAM_FOLDER CLASS_FILE [--max N]

Must run inside a D-Bus session with an X display (see run_unnamed_controls.sh).
It starts the program with the class file, shows each page of both page
rows in turn, and counts every showing control (buttons, fields, lists,
tables, selectors, page tabs) with an empty name. It fails when more than N
(default 0) are unnamed. Exit code 77 means the check could not run here.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("pyatspi fehlt (Paket python3-pyatspi)")
    sys.exit(77)

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER, pyatspi.ROLE_ENTRY, pyatspi.ROLE_MENU,
}


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return []


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_app(name, timeout):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name.lower() == name.lower():
                for frame in children(app):
                    if frame is not None and showing(frame):
                        return app
        time.sleep(0.5)
    return None


def static_text(acc):
    """A message's read-only text: the reader speaks its content."""
    try:
        state = acc.getState()
        if state.contains(pyatspi.STATE_EDITABLE) or state.contains(pyatspi.STATE_FOCUSABLE):
            return False
        return bool(acc.queryText().getText(0, -1).strip())
    except Exception:
        return False


def walk(acc, path, seen, out, in_dialog=False):
    """Collects (path, role, name) of every showing control below acc."""
    for child in children(acc):
        if child is None or not showing(child):
            continue
        role = child.getRole()
        name = (child.name or "").strip()
        label = f"{child.getRoleName()} '{name}'"
        dialog = in_dialog or role in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
        if role == pyatspi.ROLE_TEXT and dialog and static_text(child):
            continue
        if role in CONTROL_ROLES:
            key = (path, label, child.getIndexInParent())
            if key not in seen:
                seen.add(key)
                out.append((path, child.getRoleName(), name))
        # Cells of tables and lists are items of their control, not controls.
        if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
                    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE, pyatspi.ROLE_COMBO_BOX):
            continue
        walk(child, f"{path} > {label}" if name else path, seen, out, dialog)


def page_tab_lists(acc, out):
    for child in children(acc):
        if child is None or not showing(child):
            continue
        if child.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            out.append(child)
        page_tab_lists(child, out)


def dialogs(acc, out):
    for child in children(acc):
        if child is None or not showing(child):
            continue
        if child.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
            out.append(child)
        elif child.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
            dialogs(child, out)


def close_dialogs(app, seen, controls):
    """Counts the controls of every message standing over the window, then
    answers it with its most harmless button, so the next page can be shown."""
    for _ in range(5):
        found = []
        dialogs(app, found)
        if not found:
            return
        for dialog in found:
            walk(dialog, f"{app.name} > dialog '{dialog.name}'", seen, controls, True)
            if os.environ.get("RUVEK_A11Y_VERBOSE"):
                texts = []
                for c in pyatspi.utils.findAllDescendants(dialog, lambda a: a.getRole() in (
                        pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL)):
                    try:
                        texts.append(c.queryText().getText(0, -1))
                    except Exception:
                        texts.append(c.name)
                print(f"Meldung '{dialog.name}': {texts}")
            buttons = pyatspi.utils.findAllDescendants(dialog, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
            for wanted in ("Abbrechen", "Nein", "Später", "OK"):
                hit = [b for b in buttons if b.name.replace("&", "").split()[:1] == [wanted]]
                if hit:
                    try:
                        hit[0].queryAction().doAction(0)
                    except Exception:
                        pass
                    break
        time.sleep(1)


def main():
    # A page change may open a message over the window; the program answers
    # the call only when the message is closed, so calls give up early and
    # the message is answered by close_dialogs.
    from gi.repository import Atspi
    Atspi.set_timeout(3000, 15000)
    args = sys.argv[1:]
    allowed = 0
    if "--max" in args:
        i = args.index("--max")
        allowed = int(args[i + 1])
        del args[i:i + 2]
    binary, folder, class_file = args
    env = dict(os.environ, RUVEK_PROGRAM_FOLDER=folder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb", LANG="de_DE.UTF-8")
    program = subprocess.Popen([binary, class_file], env=env)
    try:
        app = find_app(os.path.basename(binary), 60)
        if app is None:
            names = [a.name for a in children(pyatspi.Registry.getDesktop(0)) if a is not None]
            print(f"Das Programm erscheint nicht auf dem Barrierefreiheits-Bus (AT-SPI); dort sind: {names}")
            return 77
        time.sleep(2)
        controls, seen = [], set()
        close_dialogs(app, seen, controls)
        walk(app, app.name, seen, controls)
        # Every page of both page rows, one after the other.
        tab_lists = []
        page_tab_lists(app, tab_lists)
        for tabs in tab_lists:
            for tab in children(tabs):
                try:
                    tab.queryAction().doAction(0)   # Qt's page tabs switch on their first action
                except Exception as e:
                    if os.environ.get("RUVEK_A11Y_VERBOSE"):
                        print(f"Seite '{tab.name if tab else None}': keine Antwort ({type(e).__name__})")
                time.sleep(0.7)
                close_dialogs(app, seen, controls)
                walk(app, app.name, seen, controls)
                if os.environ.get("RUVEK_A11Y_VERBOSE"):
                    print(f"nach Seite '{tab.name}': {len(controls)} Bedienelemente")
        unnamed = [c for c in controls if not c[2]]
        for path, role, _ in unnamed:
            print(f"ohne Namen: {role} in {path}")
        print(f"{len(unnamed)} von {len(controls)} Bedienelementen ohne Namen (erlaubt: {allowed})")
        return 0 if len(unnamed) <= allowed else 1
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    sys.exit(main())
