# SPDX-License-Identifier: MIT
"""Quantora worked at random through the desktop accessibility bus (AT-SPI), as a
careless screen-reader, voice-control or switch-device user might.

Run by CTest like accessibility_bus_test.py, in a private D-Bus session on a
virtual X display:

    accessibility_chaos_test.py PATH-TO-QUANTORA

A seeded walk of actions (QUANTORA_CHAOS_ACTIONS, 300 by default) presses any
push button of any window, whether a modal window blocks it or not, leaving out
"Exit Program"; presses Escape, Return or Tab; types into a value box; and picks
unit list rows. The program must live through it. At the end, with every other
window closed, it must still convert: Length, 2.5 cm in mm reads 25.

The walk is the same for the same seed (QUANTORA_CHAOS_SEED, 1 by default); the
seed is printed, so that a failure can be walked again.
"""

import os
import random
import subprocess
import sys
import tempfile

from atspi_support import (Atspi, Failure, GLib, application, check, children, do_action, find, find_all,
                           has_focus, name, program_environment, pump, role, run_test, start_program, stop_program,
                           wait_for, window, window_gone)

MENU_TITLE = "Quantora 2.0.0 By Orvandel"
SCREEN_TITLE = "Enter Value To be Converted..."
LEFT_OUT = {"Exit Program"}
TYPED = ["2.5", "1e999", "-0", "&H1F", "", "1 000", "abc", "12abc", "-5", "9" * 40, ".", "2,5", "1e-300"]
KEYS = ["Escape", "Return", "Tab"]


class Walk:
    def __init__(self, program, seed, actions):
        self.program = program
        self.random = random.Random(seed)
        self.actions = actions
        # No system-information tool on the PATH: "System Info..." shows its message.
        self.no_tools = tempfile.TemporaryDirectory()
        self.process = None
        self.app = None
        self.controls = {}  # window title -> (push buttons, value boxes, unit lists), read once
        self.done = {}  # what the walk did, for its summary
        self.titles = set()

    def start(self):
        self.process = start_program(self.program, program_environment({"PATH": self.no_tools.name}))
        self.app = application(self.process)
        self.controls = {}

    def stop(self):
        if self.process:
            stop_program(self.process)
        self.no_tools.cleanup()

    def alive(self, after):
        status = self.process.poll()
        check(status is None, "the program ended with status %s after %s" % (status, after))

    def windows(self):
        found = []
        for node in children(self.app):
            title = name(node)
            if title is None:
                continue
            if title not in self.controls:
                try:
                    self.controls[title] = (find_all(node, "push button"), find_all(node, "text"),
                                            find_all(node, "list"))
                except GLib.Error:
                    continue
            found.append(title)
        self.titles.update(found)
        return found

    def settle(self):
        """Lets the program act on what was asked: a press runs once the call returns."""
        pump(0.03)
        try:
            Atspi.Accessible.get_child_count(self.app)
        except GLib.Error:
            pass

    def step(self, number):
        titles = self.windows()
        buttons = [b for t in titles for b in self.controls[t][0] if name(b) not in LEFT_OUT]
        boxes = [b for t in titles for b in self.controls[t][1]]
        lists = [l for t in titles for l in self.controls[t][2]]
        kind = self.random.choice(["press"] * 5 + ["key"] * 2 + ["type"] + ["pick"])
        try:
            if kind == "press" and buttons:
                target = self.random.choice(buttons)
                what = "pressing %r" % name(target)
                do_action(target, "Press")
            elif kind == "type" and boxes:
                text = self.random.choice(TYPED)
                what = "typing %r" % text
                Atspi.EditableText.set_text_contents(self.random.choice(boxes), text)
            elif kind == "pick" and lists:
                rows = children(self.random.choice(lists))
                what = "picking a unit"
                if rows:
                    do_action(self.random.choice(rows), "Toggle")
            else:
                key = self.random.choice(KEYS)
                what = "the key %s" % key
                if key == "Return" and self.exit_has_focus():
                    key = "Tab"  # Return would press it
                subprocess.run(["xdotool", "key", key], check=True)
        except (GLib.Error, Failure):
            what = "an action on a control that has gone"
        counted = "gone" if what.startswith("an action") else kind
        self.done[counted] = self.done.get(counted, 0) + 1
        self.settle()
        if self.process.poll() == 0 and what == "the key Return":
            # The focus reached "Exit Program" as the key went out: the program ended
            # as it should. Start it again and walk on.
            print("step %d: Return ended the program; starting it again" % number)
            self.start()
            return
        self.alive("step %d, %s" % (number, what))

    def exit_has_focus(self):
        menu = [t for t in self.windows() if t == MENU_TITLE]
        return bool(menu) and any(has_focus(b) for b in self.controls[MENU_TITLE][0] if name(b) in LEFT_OUT)

    def close_all_but_the_menu(self):
        """Closes every window over the main menu with its own button, as a user would."""
        closers = {"OK", "Back To Main Menu"}
        for _ in range(40):
            others = [t for t in self.windows() if t != MENU_TITLE]
            if not others:
                return
            for node in children(self.app):
                if name(node) in others:
                    for button in find_all(node, "push button"):
                        if name(button) in closers:
                            try:
                                do_action(button, "Press")
                            except (GLib.Error, Failure):
                                pass
            pump(0.2)
        raise Failure("windows still open over the main menu: %s" % self.windows())

    def still_converts(self):
        menu = window(self.app, "frame", MENU_TITLE)
        do_action(find(menu, "push button", "Length"), "Press")
        screen = window(self.app, "dialog", SCREEN_TITLE)
        value = find(screen, "text", "Value in")
        lists = wait_for("both unit lists", lambda: (lambda f: f if len(f) == 2 else None)(find_all(screen, "list")))
        to_unit = next(n for n in lists if name(n) == "To unit")
        Atspi.EditableText.set_text_contents(value, "2.5")
        mm = next(c for c in children(to_unit) if name(c) == "mm")
        do_action(mm, "Toggle")
        result = wait_for("the result 25.", lambda: next(
            (n for n in children(screen) if role(n) == "label" and name(n) == "25."), None))
        check(result is not None, "no result")
        do_action(find(screen, "push button", "Back To Main Menu"), "Press")
        window_gone(self.app, SCREEN_TITLE)
        self.alive("the last conversion")


def run(program):
    seed = int(os.environ.get("QUANTORA_CHAOS_SEED", "1"))
    actions = int(os.environ.get("QUANTORA_CHAOS_ACTIONS", "300"))
    print("seed %d, %d actions" % (seed, actions))
    walk = Walk(program, seed, actions)
    try:
        walk.start()
        for number in range(1, actions + 1):
            walk.step(number)
        print("done: %s; windows: %s" % (sorted(walk.done.items()), sorted(walk.titles)))
        walk.close_all_but_the_menu()
        walk.still_converts()
    finally:
        walk.stop()


if __name__ == "__main__":
    run_test(lambda: run(sys.argv[1]), limit=int(os.environ.get("QUANTORA_CHAOS_LIMIT", "240")))
