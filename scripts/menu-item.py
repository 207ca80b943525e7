#!/usr/bin/python3
"""Finds a menu item of the running program by its text, through the
accessibility bus (AT-SPI), and prints the screen position of its middle as
"X Y", for xdotool to point at. scripts/screenshots uses it to choose menu
items by name: the context menu's items have no access keys, and neither have
Help and its About Us nor File's Exit, so keys could only count places.

    menu-item.py [--scale N] --pid PID --bar TEXT
        an item of the main window's menu bar
    menu-item.py [--scale N] --pid PID TEXT -- COMMAND...
        an item of the popup menu that COMMAND opens (a right click, a key)

The program must be on the bus (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1). Qt leaves
popup menus out of the application's tree of windows, so the popup is known
only from the event Qt sends when it is shown: the listener is in place before
COMMAND runs. Qt 6.4 reports positions in device-independent pixels; --scale
is the program's QT_SCALE_FACTOR.
"""
import argparse
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

ITEM_ROLES = (Atspi.Role.MENU_ITEM, Atspi.Role.CHECK_MENU_ITEM, Atspi.Role.RADIO_MENU_ITEM)


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def application(pid):
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for app in children(desktop):
            if app is not None and app.get_process_id() == pid:
                return app
        GLib.usleep(100_000)
    sys.exit(f"menu-item.py: process {pid} is not on the accessibility bus")


def middle(node, scale):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    return f"{round((box.x + box.width / 2) * scale)} {round((box.y + box.height / 2) * scale)}"


def item_named(menu, text):
    items = [child for child in children(menu) if child.get_role() in ITEM_ROLES]
    for item in items:
        if item.get_name() == text:
            if not item.get_state_set().contains(Atspi.StateType.ENABLED):
                sys.exit(f"menu-item.py: {text!r} is disabled")
            return item
    sys.exit(f"menu-item.py: no item {text!r} among {[item.get_name() for item in items]}")


def bar_item(pid, text):
    for window in children(application(pid)):
        for child in children(window):
            if child.get_role() == Atspi.Role.MENU_BAR:
                return item_named(child, text)
    sys.exit("menu-item.py: no menu bar")


def popup_item(pid, text, command):
    application(pid)  # on the bus before anything is asked of it
    shown = []

    def on_showing(event):
        if event.detail1 == 1 and event.source.get_role() == Atspi.Role.POPUP_MENU:
            shown.append(event.source)
            loop.quit()

    loop = GLib.MainLoop()
    listener = Atspi.EventListener.new(on_showing)
    listener.register("object:state-changed:showing")
    # The program learns of a new listener from a bus signal, in its own time;
    # until it has, it sends no such event.
    GLib.timeout_add(300, lambda: subprocess.run(command, check=True) and False)
    GLib.timeout_add(10_000, loop.quit)
    loop.run()
    listener.deregister("object:state-changed:showing")
    if not shown:
        sys.exit(f"menu-item.py: no popup menu appeared after {' '.join(command)}")
    return item_named(shown[-1], text)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--scale", type=float, default=1)
    parser.add_argument("--bar", action="store_true")
    parser.add_argument("text")
    parser.add_argument("command", nargs="*")
    args = parser.parse_args()
    if args.bar:
        item = bar_item(args.pid, args.text)
    elif args.command:
        item = popup_item(args.pid, args.text, args.command)
    else:
        parser.error("a popup menu's item needs the COMMAND that opens the menu")
    print(middle(item, args.scale))


if __name__ == "__main__":
    main()
