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

import sys

from atspi_support import (Atspi, Failure, action_names, application, check, children, descendants, description,
                           do_action, find, find_all, find_now, is_active, name, press_button, program_environment, pump,
                           run_test, start_program, stop_program, wait_for, wait_for_exit, window, window_gone)

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


def check_main_menu(menu):
    # 31 quantities, Standard Constants, Exit Program and the logo; the tree may
    # still be filling in when the window appears.
    def complete():
        buttons = find_all(menu, "push button")
        return buttons if sorted(name(b) or "" for b in buttons) == sorted(MENU_BUTTONS) else None

    try:
        buttons = wait_for("the main menu's buttons", complete)
    except Failure:
        names = {name(b) for b in find_all(menu, "push button")}
        raise Failure("buttons %s, missing %s" % (sorted(names - MENU_BUTTONS), sorted(MENU_BUTTONS - names)))
    for button in buttons:
        check("Press" in action_names(button), "button %r has no Press action" % name(button))
    check(find_now(menu, "list") is None, "a hidden list of the menu is exposed")


def check_screen(screen):
    value = find(screen, "text", "Value in")
    # The quantity, and the result that a screen reader speaks when it changes.
    check(description(value) == "Length, result 1.", "value box description %r" % description(value))
    lists = wait_for("both unit lists", lambda: (lambda found: found if len(found) == 2 else None)(
        find_all(screen, "list")))
    check(sorted(name(n) for n in lists) == ["From unit", "To unit"], "lists: %s" % [name(n) for n in lists])
    labels = [name(n) for n in find_all(screen, "label")]
    check("F" not in labels, "the hidden mode label is exposed: %s" % labels)
    result = wait_for("a control described as 'Result'",
                      lambda: next((n for n in descendants(screen) if description(n) == "Result"), None))
    check(name(result) == "1.", "result reads %r, not '1.'" % name(result))
    return value, next(n for n in lists if name(n) == "To unit"), result


def expect_result(value, result, events, text):
    """Waits for the result's name-changed event and the value box's
    description-changed event, then reads both."""
    wait_for("the events announcing %r" % text, lambda: {"result", "value box"} <= set(events))
    events.clear()
    check(name(result) == text, "result reads %r, not %r" % (name(result), text))
    described = description(value)
    check(described == "Length, result " + text, "value box description %r" % described)


def source_of(event):
    if event.type.endswith("accessible-name") and description(event.source) == "Result":
        return "result"
    if event.type.endswith("accessible-description") and name(event.source) == "Value in":
        return "value box"
    return None


def run(program):
    process = start_program(program)
    try:
        app = application(process)
        press_button(window(app, "dialog", "About Quantora"), "OK")

        menu = window(app, "frame", MENU_TITLE)
        check_main_menu(menu)
        press_button(menu, "Length")

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
        units = [name(c) for c in children(to_unit)]
        check(units[:4] == ["mm", "cm", "dm", "m"], "to-units: %s" % units)
        do_action(children(to_unit)[3], "Toggle")
        expect_result(value, result, events, "2.54")
        listener.deregister("object:property-change:accessible-name")
        listener.deregister("object:property-change:accessible-description")

        press_button(screen, "Back To Main Menu")
        window_gone(app, SCREEN_TITLE)
        # With no window manager on the display, the program itself gives the
        # keyboard back to the main menu.
        wait_for("the main menu to be active again", lambda: is_active(menu))
        press_button(menu, "Exit Program")
        wait_for_exit(process, "Exit Program did not end the program")
    finally:
        stop_program(process)


# The same tree in German: the main menu's buttons are named in German, and the
# screens open and close by their German names.
GERMAN_BUTTONS = {"Länge", "Druck", "Temperatur", "Dichte", "Wärmeleitfähigkeit", "Wärmeübergangskoeffizient",
                  "Konstanten", "Beenden", "Über Quantora"}


def run_in_german(program):
    process = start_program(program, program_environment({"LANGUAGE": "de", "LANG": "de_DE.UTF-8",
                                                          "LC_ALL": "de_DE.UTF-8"}))
    try:
        app = application(process)
        press_button(window(app, "dialog", "Über Quantora"), "OK")
        menu = window(app, "frame", "Quantora 2.0.0 von Orvandel")
        names = wait_for("the German buttons", lambda: (lambda found: found if GERMAN_BUTTONS <= found else None)(
            {name(b) for b in find_all(menu, "push button")}))
        check(not names & MENU_BUTTONS, "English names left: %s" % sorted(names & MENU_BUTTONS))
        press_button(menu, "Länge")
        screen = window(app, "dialog", "Wert zum Umrechnen eingeben...")
        find(screen, "text", "Eingabewert")
        check(sorted(name(n) for n in find_all(screen, "list")) == ["Ausgangseinheit", "Zieleinheit"], "list names")
        press_button(screen, "Zurück zum Hauptmenü")
        window_gone(app, "Wert zum Umrechnen eingeben...")
        press_button(menu, "Beenden")
        wait_for_exit(process, "Beenden did not end the program")
    finally:
        stop_program(process)


if __name__ == "__main__":
    if len(sys.argv) > 2 and sys.argv[2] == "de":
        run_test(lambda: run_in_german(sys.argv[1]))
    else:
        run_test(lambda: run(sys.argv[1]))
