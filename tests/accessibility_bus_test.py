# SPDX-License-Identifier: MIT
"""Quantora as a screen reader meets it on the desktop accessibility bus (AT-SPI).

Run by CTest with Debian's /usr/bin/python3 (python3-gi, gir1.2-atspi-2.0) inside
a private D-Bus session, which starts the AT-SPI bus on demand, and on a virtual
X display: Qt's offscreen platform has no AT-SPI bridge.

    accessibility_bus_test.py PATH-TO-QUANTORA

It checks the names and actions of the main menu's buttons, closes the About box
and opens Length by their press actions, types a value through the value box's
editable text, changes the to-unit, and checks each new result and the events
that announce it (the result's own name, and the value box's description, which
screen readers speak while the value box has the focus). Back on the main menu,
the menu must be the active window again. The program is always ended.
"""

import os
import signal
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# libatspi's Python names for actions are marked deprecated in favour of
# names this version does not have yet.
warnings.simplefilter("ignore", DeprecationWarning)

WAIT = 10.0  # seconds for any one thing to appear
MENU_TITLE = "Quantora 2.0.0 By Orvandel"
SCREEN_TITLE = "Enter Value To be Converted..."
# The main menu's buttons by their full names, not their captions.
MENU_BUTTONS = {
    "Length", "Volume", "Mass", "Pressure", "Temperature", "Area", "Velocity",
    "Mass Flow Rate", "Volume Flow Rate", "Ideal Gas Volume", "Density", "Dynamic Viscosity",
    "Kinematic Viscosity", "Density Of Heat Flow Rate", "Concentration", "Molar Concentration",
    "Ideal Gas Constant", "Arrhenius Constant",
    "Activation Energy", "Specific Energy", "Energy, Work, Heat", "Power", "Force", "Torque", "Stress",
    "Surface Tension",
    "Calorific Value", "Specific Heat Capacity", "Thermal Conductivity", "Heat Transfer Coefficient", "Enthalpy",
    "Standard Constants", "Exit Program", "About Quantora",
}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def pump(seconds):
    """Runs libatspi's event dispatch for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, find):
    end = time.monotonic() + WAIT
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    raise Failure("timed out waiting for " + what)


def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]


def descendants(node, depth=0):
    for child in children(node):
        yield child
        if depth < 8:
            yield from descendants(child, depth + 1)


def find(node, role, name=None):
    for child in descendants(node):
        if child.get_role_name() == role and (name is None or child.get_name() == name):
            return child
    return None


def action_names(node):
    if "Action" not in node.get_interfaces():
        return []
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def press(node):
    names = action_names(node)
    check("Press" in names, "%s %r has no Press action (%s)" % (node.get_role_name(), node.get_name(), names))
    Atspi.Action.do_action(node, names.index("Press"))


def application(process):
    def found():
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if app.get_process_id() == process.pid:
                return app
        return None

    return wait_for("the program on the bus", found)


def window(app, role, title):
    return wait_for("window %r" % title, lambda: next(
        (w for w in children(app) if w.get_role_name() == role and w.get_name() == title), None))


def check_main_menu(menu):
    buttons = [b for b in descendants(menu) if b.get_role_name() == "push button"]
    names = [b.get_name() for b in buttons]
    # 31 quantities, Standard Constants, Exit Program and the logo.
    check(len(names) == len(MENU_BUTTONS) and set(names) == MENU_BUTTONS,
          "buttons %s, missing %s" % (sorted(set(names) - MENU_BUTTONS), sorted(MENU_BUTTONS - set(names))))
    for button in buttons:
        check("Press" in action_names(button), "button %r has no Press action" % button.get_name())
    check(find(menu, "list") is None, "a hidden list of the menu is exposed")


def check_screen(screen):
    value = find(screen, "text", "Value in")
    check(value is not None, "no text box named 'Value in'")
    # The quantity, and the result that a screen reader speaks when it changes.
    check(value.get_description() == "Length, result 1.", "value box description %r" % value.get_description())
    lists = [n for n in descendants(screen) if n.get_role_name() == "list"]
    check(sorted(n.get_name() for n in lists) == ["From unit", "To unit"],
          "lists: %s" % [n.get_name() for n in lists])
    labels = [n.get_name() for n in descendants(screen) if n.get_role_name() == "label"]
    check("F" not in labels, "the hidden mode label is exposed: %s" % labels)
    result = next((n for n in descendants(screen) if n.get_description() == "Result"), None)
    check(result is not None, "no control described as 'Result'")
    check(result.get_name() == "1.", "result reads %r, not '1.'" % result.get_name())
    return value, next(n for n in lists if n.get_name() == "To unit"), result


def expect_result(value, result, events, text):
    """Waits for the result's name-changed event and the value box's
    description-changed event, then reads both."""
    wait_for("the events announcing %r" % text, lambda: {"result", "value box"} <= set(events))
    events.clear()
    check(result.get_name() == text, "result reads %r, not %r" % (result.get_name(), text))
    described = value.get_description()
    check(described == "Length, result " + text, "value box description %r" % described)


def source_of(event):
    if event.type.endswith("accessible-name") and event.source.get_description() == "Result":
        return "result"
    if event.type.endswith("accessible-description") and event.source.get_name() == "Value in":
        return "value box"
    return None


def run(program):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # AddressSanitizer's strict string checks stop the program at its start on
    # the X11 platform: libxkbcommon-x11 calls strndup() on a name without a
    # terminating zero, which strndup() allows.
    if env.get("ASAN_OPTIONS"):
        env["ASAN_OPTIONS"] += ":strict_string_checks=0"
    process = subprocess.Popen([program], env=env)
    try:
        app = application(process)
        press(find(window(app, "dialog", "About Quantora"), "push button", "OK"))

        menu = window(app, "frame", MENU_TITLE)
        check_main_menu(menu)
        press(find(menu, "push button", "Length"))

        screen = window(app, "dialog", SCREEN_TITLE)
        value, to_unit, result = check_screen(screen)

        events = []
        listener = Atspi.EventListener.new(lambda event: events.append(source_of(event)))
        listener.register("object:property-change:accessible-name")
        listener.register("object:property-change:accessible-description")
        pump(0.5)  # until the program has heard of the listener

        Atspi.EditableText.set_text_contents(value, "254")
        expect_result(value, result, events, "254.")
        # cm to m, chosen by the list item's own action.
        units = [c.get_name() for c in children(to_unit)]
        check(units[:4] == ["mm", "cm", "dm", "m"], "to-units: %s" % units)
        metre = children(to_unit)[3]
        Atspi.Action.do_action(metre, action_names(metre).index("Toggle"))
        expect_result(value, result, events, "2.54")
        listener.deregister("object:property-change:accessible-name")
        listener.deregister("object:property-change:accessible-description")

        press(find(screen, "push button", "Back To Main Menu"))
        wait_for("the conversion screen to close", lambda: not any(
            w.get_name() == SCREEN_TITLE for w in children(app)))
        # With no window manager on the display, the program itself gives the
        # keyboard back to the main menu.
        wait_for("the main menu to be active again", lambda: menu.get_state_set().contains(Atspi.StateType.ACTIVE))
        press(find(menu, "push button", "Exit Program"))
        try:
            process.wait(WAIT)
        except subprocess.TimeoutExpired:
            raise Failure("Exit Program did not end the program")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def too_long(*_):
    raise Failure("the whole test took too long")


def main():
    # A last guard besides CTest's timeout: never hang, whatever the bus does;
    # the program is ended on the way out.
    signal.signal(signal.SIGALRM, too_long)
    signal.alarm(90)
    try:
        run(sys.argv[1])
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
