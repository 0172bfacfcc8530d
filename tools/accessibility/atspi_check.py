#!/usr/bin/python3
"""Walks the running program over AT-SPI, the way a screen reader meets it.

Opens the hub, the three searches (each with a result), both overviews, the
characteristics and the job titles of an occupation through the accessibility
interface itself (button presses and menu items), then counts the visible
controls that take the focus or show data, and those without an accessible
name. It also listens for the announcements of a changed record counter and
of a message.

Run it through atspi_check.sh, which starts the X server, the session bus and
the program; it needs at-spi2-core, python3-pyatspi and xdotool. Exit status 1
when a control has no name or a change is not announced.
"""

import subprocess
import sys
import time

import pyatspi

# Roles that show data even when they cannot take the focus.
DATA_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE,
    pyatspi.ROLE_DOCUMENT_TEXT,
}
# Their items are data with their own text; only the column headers are checked.
VIEW_ROLES = {
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE,
}


def find_app(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower() == "rvl92":
                return app
        time.sleep(0.5)
    sys.exit("rvl92 is not on the accessibility bus")


def descendants(obj):
    for child in obj:
        if child is None:
            continue
        yield child
        if child.getRole() not in VIEW_ROLES:
            yield from descendants(child)


def window(app, title, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for w in app:
            if w is not None and w.name == title:
                return w
        time.sleep(0.3)
    sys.exit("window not found: " + title)


def find(root, role, *names):
    """The first control of `role` called one of `names` (in that order of
    preference: older builds named some controls differently)."""
    for name in names:
        for o in descendants(root):
            if o.getRole() == role and o.name == name:
                return o
    sys.exit("not found in %s: %s %r" % (root.name, pyatspi.Role(role), names))


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "Toggle", "toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def menu(win, caption):
    press(find(win, pyatspi.ROLE_MENU_ITEM, caption))


def focus(obj):
    obj.queryComponent().grabFocus()
    time.sleep(0.3)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)
    time.sleep(0.5)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
    time.sleep(0.5)


def settle(seconds=1.5):
    time.sleep(seconds)


def announced(trigger, seconds=3):
    """The new names of labels announced while `trigger` runs."""
    from gi.repository import GLib
    names = []

    def on_event(event):
        if event.source is not None and event.source.getRole() == pyatspi.ROLE_LABEL:
            names.append(event.source.name)

    kind = "object:property-change:accessible-name"
    pyatspi.Registry.registerEventListener(on_event, kind)
    trigger()
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.05)
    pyatspi.Registry.deregisterEventListener(on_event, kind)
    return names


def showing(o):
    states = o.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def walk(win):
    controls, unnamed = 0, []
    for o in descendants(win):
        if not showing(o):
            continue
        role = o.getRole()
        if not (o.getState().contains(pyatspi.STATE_FOCUSABLE) or role in DATA_ROLES):
            continue
        controls += 1
        where = "%s: %s" % (win.name, o.getRoleName())
        if not (o.name or "").strip():
            unnamed.append(where)
        if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
            table = o.queryTable()
            for c in range(table.nColumns):
                if not (table.getColumnDescription(c) or "").strip():
                    unnamed.append("%s %r, column header %d" % (where, o.name, c))
    return controls, unnamed


def main():
    app = find_app()
    start = window(app, "Startscherm RVL92")
    press(find(start, pyatspi.ROLE_PUSH_BUTTON, "Zoekprogramma en classificatielijsten"))
    hub = window(app, "Zoekprogramma en classificatielijsten")

    # The three searches, each to a result.
    menu(hub, "Functienaam")
    zf = window(app, "Zoeken op functienamen")
    focus(find(zf, pyatspi.ROLE_TEXT, "Zoeken naar:"))
    type_text("bak")
    keys("Return")
    settle()

    menu(zf, "RVL92-code")
    zc = window(app, "Zoeken op RVL92-Code")
    focus(find(zc, pyatspi.ROLE_TEXT, "RVL92-code, cijfer 1", "Zoeken naar:"))
    type_text("2")
    press(find(zc, pyatspi.ROLE_PUSH_BUTTON, "Zoeken"))
    settle()

    menu(zc, "Kenmerken")
    zk = window(app, "Zoeken op kenmerken")
    settle()
    focus(find(zk, pyatspi.ROLE_COMBO_BOX, "Niveau", "Niveau:"))
    keys("Down")
    press(find(zk, pyatspi.ROLE_PUSH_BUTTON, "Zoeken"))
    settle()

    # The lists and an occupation's details, each from the one before.
    menu(zk, "Lijst functienamen")
    fn = window(app, "Overzicht Functienamen")
    settle(3)
    menu(fn, "Lijst beroepen")
    br = window(app, "Overzicht Beroepen")
    settle(2)
    counter = announced(lambda: menu(br, "Laatste record"))
    menu(br, "Kenmerken bij beroep")
    km = window(app, "Kenmerken van beroep")
    settle()
    menu(km, "Functienamen bij beroep")
    nm = window(app, "Functienamen bij beroep")
    settle()

    total, unnamed = 0, []
    for w in app:
        if w is None or not showing(w):
            continue
        n, missing = walk(w)
        print("%-40s %3d controls, %d without a name" % (w.name, n, len(missing)))
        total += n
        unnamed += missing
    for u in unnamed:
        print("  without a name: " + u)
    print("visible controls: %d, without an accessible name: %d" % (total, len(unnamed)))

    # A search that finds nothing: its message is announced.
    def search_nothing():
        menu(nm, "Functienaam")
        box = find(window(app, "Zoeken op functienamen"), pyatspi.ROLE_TEXT, "Zoeken naar:")
        focus(box)
        box.queryEditableText().setTextContents("")
        type_text("qqxqq")
        keys("Return")

    message = announced(search_nothing)
    print("announced after 'Laatste record': %r" % counter)
    print("announced after a search without result: %r" % message)
    silent = not any(n.startswith(" Record") for n in counter) or not any(
        "gevonden" in n for n in message)
    if silent:
        print("a change was not announced")
    return 1 if unnamed or silent else 0


if __name__ == "__main__":
    sys.exit(main())
