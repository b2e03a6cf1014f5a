#!/usr/bin/python3
"""Lists the controls of the running Ruvek program that a screen reader
cannot name, read through the accessibility bus (AT-SPI) as Orca reads it.

  unnamed_controls.py RUVEK_BINARY PROGRAM_FOLDER CLASS_FILE [--max N]

Must run inside a D-Bus session with an X display (see run_unnamed_controls.sh).
It starts the program with the class file (answering the first start with a
school type, so the pages show a real form), shows each page of both page
rows in turn, then opens the dialogs the menu reaches without further
questions (settings, print options, electives, the windows of grade entry,
statistics and completeness, ...), walks each with its pages, and closes it.
A showing control (button, field, list, table, selector, page tab) fails
when its name is empty, or when a selector, field or spin box is named only
by what it holds (a selector named by one of its own entries, "B" or "???",
a field named by its text). It fails when more than N (default 0) fail.
Exit code 77 means the check could not run here.
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


VALUE_ROLES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
               pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PASSWORD_TEXT}


def plain(text):
    return (text or "").replace("&", "").strip()


def values_of(acc, role):
    """What the control holds, as a reader would speak it: the entries of a
    selector's list (its current one among them), the text of a field."""
    values = set()
    if role == pyatspi.ROLE_COMBO_BOX:
        for child in children(acc):
            for item in children(child):
                if item is not None and plain(item.name):
                    values.add(plain(item.name))
    try:
        values.add(acc.queryText().getText(0, -1).strip())
    except Exception:
        pass
    try:
        values.add(str(acc.queryValue().currentValue))
    except Exception:
        pass
    values.discard("")
    return values


def fault_of(acc, role, name):
    """Why a reader cannot tell what the control is for, or None."""
    if not name:
        return "ohne Namen"
    if role in VALUE_ROLES and name in values_of(acc, role):
        return "nur nach seinem Wert benannt"
    return None


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
                out.append((path, child.getRoleName(), name, fault_of(child, role, name)))
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


def verbose():
    return bool(os.environ.get("RUVEK_A11Y_VERBOSE"))


def press(button):
    try:
        button.queryAction().doAction(0)
    except Exception:
        pass   # a button that opens or closes a modal window answers late


def buttons_of(window):
    return pyatspi.utils.findAllDescendants(window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)


def button_named(window, wanted):
    for button in buttons_of(window):
        words = plain(button.name).split()
        if words[:1] and words[0].lower() == wanted.lower():
            return button
    return None


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    time.sleep(0.2)


KEY_DOWN = 0xff54


def choose_school_type(dialog):
    """The first start asks for the school type: the second one offered
    (Regionale Schule), picked with the keyboard as a user would, so the
    pages show the example class in its real form."""
    combos = pyatspi.utils.findAllDescendants(dialog, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
    accept = button_named(dialog, "Übernehmen")
    if not combos or accept is None:
        return False
    try:
        combos[0].queryComponent().grabFocus()
        time.sleep(0.3)
        key(KEY_DOWN)
        key(KEY_DOWN)
        if not accept.getState().contains(pyatspi.STATE_SENSITIVE):
            if verbose():
                print("Schulart nicht gewählt: die Tasten erreichen das Auswahlfeld nicht")
            return False
    except Exception:
        return False
    press(accept)
    return True


def close_window(window):
    """Closes a dialog or window with its most harmless button."""
    for wanted in ("Abbrechen", "Nein", "Später", "Schließen", "Beenden", "OK"):
        button = button_named(window, wanted)
        if button is not None:
            press(button)
            return True
    return False


def describe(dialog):
    texts = []
    for c in pyatspi.utils.findAllDescendants(dialog, lambda a: a.getRole() in (
            pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL)):
        try:
            texts.append(c.queryText().getText(0, -1))
        except Exception:
            texts.append(c.name)
    print(f"Meldung '{dialog.name}': {texts}")


def close_dialogs(app, seen, controls):
    """Counts the controls of every message standing over the window, then
    answers it with its most harmless button, so the next page can be shown.
    Only the newest one is answered at a time: it may be the question the
    one below asked while closing."""
    for _ in range(10):
        found = []
        dialogs(app, found)
        if not found:
            return
        dialog = found[-1]
        walk(dialog, f"{app.name} > dialog '{dialog.name}'", seen, controls, True)
        if verbose():
            describe(dialog)
        if not ("erster Start" in dialog.name and choose_school_type(dialog)):
            close_window(dialog)
        time.sleep(1)


# Dialogs and windows the menu opens without a further question, by the
# captions of their menu path.
MENU_WINDOWS = [
    ("Einstellungen", "Wahlpflicht-Fächer"),
    ("Einstellungen", "Druck-Optionen"),
    ("Einstellungen", "Programm-Einstellungen"),
    ("Einstellungen", "Schul-Einstellungen"),
    ("Kommunikation", "Einstellungen", "exportieren ..."),
    ("Kommunikation", "Einstellungen", "importieren ..."),
    ("Hilfsmittel", "vollständige Datensicherung ..."),
    ("Hilfsmittel", "Kalibrierblatt drucken"),
    ("Eingeben", "fächerweise Bewertungen, ..."),
    ("Berechnen", "Fachnoten-Statistik"),
    ("Berechnen", "Fächer-Bewertungs-Übersicht"),
    ("Testen", "auf Vollständigkeit"),
    ("Datei", "Verschlüsselt weitergeben …"),
    ("Hilfe", "Programm-Informationen"),
]


def menu_item(app, path):
    """The menu entry at the end of a path of captions, shown or not."""
    bars = []
    for frame in children(app):
        if frame is not None and frame.getRole() == pyatspi.ROLE_FRAME:
            bar = pyatspi.utils.findDescendant(frame, lambda a: a.getRole() == pyatspi.ROLE_MENU_BAR)
            if bar is not None:
                bars.append(bar)
    node = bars[0] if bars else None
    for caption in path:
        if node is None:
            return None
        # A menu's entries stand in its pop-up menu, one level below.
        entries = []
        for child in children(node):
            if child is None:
                continue
            if child.getRole() in (pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU) and not plain(child.name):
                entries.extend(e for e in children(child) if e is not None)
            else:
                entries.append(child)
        node = next((e for e in entries if plain(e.name) == caption), None)
    return node


def walk_window(app, window, seen, controls):
    """Walks a dialog and every page of its page rows."""
    where = f"{app.name} > dialog '{window.name}'"
    walk(window, where, seen, controls, True)
    tab_lists = []
    page_tab_lists(window, tab_lists)
    for tabs in tab_lists:
        for tab in children(tabs):
            if tab is None or tab.getRole() != pyatspi.ROLE_PAGE_TAB:
                continue
            press(tab)
            time.sleep(0.5)
            walk(window, where, seen, controls, True)


def walk_menu_windows(app, seen, controls):
    opened = []
    for path in MENU_WINDOWS:
        item = menu_item(app, path)
        if item is None or not item.getState().contains(pyatspi.STATE_ENABLED):
            print(f"nicht erreichbar: {' > '.join(path)}")
            continue
        before = []
        dialogs(app, before)
        press(item)   # a modal dialog answers only when it is closed
        time.sleep(1)
        found = []
        dialogs(app, found)
        new = [d for d in found if d not in before]
        if not new:
            print(f"öffnet kein Fenster: {' > '.join(path)}")
            continue
        for window in new:
            opened.append(window.name)
            before_count = len(controls)
            walk_window(app, window, seen, controls)
            if verbose():
                print(f"{' > '.join(path)}: Fenster '{window.name}', {len(controls) - before_count} Bedienelemente")
            close_window(window)
        time.sleep(1)
        close_dialogs(app, seen, controls)
    return opened


def main():
    # A page change or a menu command may open a modal window; the program
    # answers the call only when the window is closed, so calls give up
    # early and the window is walked and closed meanwhile.
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
        if verbose():
            print("Fenster: " + ", ".join(f"'{w.name}'" for w in children(app) if w is not None and showing(w)))
        walk(app, app.name, seen, controls)
        # Every page of both page rows, one after the other.
        tab_lists = []
        page_tab_lists(app, tab_lists)
        for tabs in tab_lists:
            for tab in children(tabs):
                if tab is None or tab.getRole() != pyatspi.ROLE_PAGE_TAB:
                    continue
                press(tab)   # Qt's page tabs switch on their first action
                time.sleep(0.7)
                close_dialogs(app, seen, controls)
                walk(app, app.name, seen, controls)
                if verbose():
                    print(f"nach Seite '{tab.name}': {len(controls)} Bedienelemente")
        in_window = len(controls)
        opened = walk_menu_windows(app, seen, controls)
        faulty = [c for c in controls if c[3]]
        for path, role, name, fault in faulty:
            print(f"{fault}: {role} '{name}' in {path}")
        unnamed = sum(1 for c in faulty if not c[2])
        print(f"Hauptfenster: {in_window} Bedienelemente; {len(opened)} Fenster aus dem Menü: "
              f"{len(controls) - in_window} Bedienelemente ({', '.join(opened)})")
        print(f"{len(faulty)} von {len(controls)} Bedienelementen ohne brauchbaren Namen: {unnamed} ohne Namen, "
              f"{len(faulty) - unnamed} nur nach ihrem Wert benannt (erlaubt: {allowed})")
        return 0 if len(faulty) <= allowed else 1
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    sys.exit(main())
