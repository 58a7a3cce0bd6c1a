"""Reads the running game as a screen reader does, over AT-SPI: the drawn buttons are push
buttons named by their captions with a press action, the board is "Spielfeld" with the empty
position as its description; then the key 4 (keyboard play is on while the screen reader
listens) drops the human's stone into column 4, and the board announces it and the computer's
answer as they land. Prints one line per check; exits 1 on the first failure."""
import sys
import time

import pyatspi
from gi.repository import GLib

DEADLINE = 40  # seconds for every wait together, generous for a busy machine


def fail(message):
    print("FAILED: " + message, flush=True)
    sys.exit(1)


def ok(message):
    print("ok: " + message, flush=True)


def find_game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Tessora":
            return app
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def wait_for(what, probe, until):
    while time.monotonic() < until:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail(what)


def action_names(node):
    try:
        actions = node.queryAction()
    except NotImplementedError:
        return []
    return [actions.getName(i) for i in range(actions.nActions)]


def main():
    until = time.monotonic() + DEADLINE
    game = wait_for("the game is on the accessibility bus", find_game, until)
    board = wait_for("the board is named Spielfeld", lambda: next(
        (n for n in descendants(game) if n.name == "Spielfeld"), None), until)
    ok("the game is on the accessibility bus")

    buttons = {n.name: n for n in descendants(game) if n.getRoleName() == "push button"}
    for caption in ("Neues Spiel", "Anleitung", "Info", "Beenden"):
        if caption not in buttons:
            fail(f"no push button named {caption!r} (push buttons: {sorted(buttons)})")
        if "Press" not in action_names(buttons[caption]):
            fail(f"{caption!r} has no press action")
    ok("the four drawn buttons are push buttons named by their captions, with a press action")

    if board.getRoleName() != "canvas" or board.description != "Alle Spalten leer.":
        fail(f"board: role {board.getRoleName()!r}, description {board.description!r}")
    ok("the board is a canvas named Spielfeld, described as empty")

    changes = []

    def on_description(event):
        if event.source.name == "Spielfeld":
            changes.append(event.source.description)
            if len(changes) == 2:
                pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(
        on_description, "object:property-change:accessible-description")
    window = game.getChildAtIndex(0)
    wait_for("the main window is on the screen",
             lambda: window.getState().contains(pyatspi.STATE_SHOWING), until)

    # The key goes to the game's full-screen window under the pointer. Sent again while the
    # board has told of nothing, in case the window was not yet ready for keys: a key during
    # the move is refused as a click would be.
    def press_four():
        if not changes:
            pyatspi.Registry.generateKeyboardEvent(ord("4"), None, pyatspi.KEY_SYM)
        return not changes

    GLib.timeout_add(int(max(0.0, until - time.monotonic()) * 1000),
                     lambda: pyatspi.Registry.stop())
    press_four()
    GLib.timeout_add(2000, press_four)
    pyatspi.Registry.start()

    if len(changes) < 2:
        fail(f"the board told of {len(changes)} landed stones, not 2: {changes}")
    if not changes[0].startswith("Ihr letzter Zug: Spalte 4.") or \
            "Spalte 4: Spieler." not in changes[0]:
        fail(f"after the key 4: {changes[0]!r}")
    ok("the key 4 dropped the human's stone into column 4, and the board told of it")
    if not changes[1].startswith("Letzter Zug des Computers: Spalte "):
        fail(f"after the computer's move: {changes[1]!r}")
    ok("the board told of the computer's answer: " + changes[1].split(". ")[0])
    return 0


sys.exit(main())
