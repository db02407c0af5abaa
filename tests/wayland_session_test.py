# SPDX-License-Identifier: MIT
"""Quantora as a native Wayland client, on a headless weston of its own.

Run by CTest with Debian's /usr/bin/python3 inside a private D-Bus session:

    wayland_session_test.py PATH-TO-QUANTORA

It starts weston with its headless backend in a runtime folder of its own, runs
the program on it with Qt's wayland platform, closes the About box with OK and
checks the main menu's buttons through the accessibility bus (a headless weston
takes no keyboard), ends the program with Exit Program, and requires that the
program printed nothing on standard error. weston and the program are always ended.
"""

import os
import shutil
import subprocess
import sys
import tempfile

from accessibility_bus_test import MENU_TITLE, check_main_menu
from atspi_support import (Failure, application, check, press_button, program_environment, run_test, start_program,
                           stop_program, wait_for, wait_for_exit, window)

SOCKET = "quantora-test"


def start_weston(runtime):
    log = open(os.path.join(runtime, "weston.log"), "w")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", "--no-config", "--idle-time=0",
         "--socket=" + SOCKET],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    log.close()

    def ready():
        if weston.poll() is not None:
            with open(os.path.join(runtime, "weston.log")) as text:
                raise Failure("weston ended with %d: %s" % (weston.returncode, text.read()[-2000:]))
        return os.path.exists(os.path.join(runtime, SOCKET))

    try:
        wait_for("weston's socket", ready)
    except Failure:
        stop_program(weston)
        raise
    return weston


def run(program, runtime):
    weston = start_weston(runtime)
    env = program_environment({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": SOCKET, "XDG_RUNTIME_DIR": runtime})
    env.pop("DISPLAY", None)  # no way round Wayland
    errors_path = os.path.join(runtime, "quantora.stderr")
    with open(errors_path, "w") as errors:
        process = start_program(program, env=env, stdin=subprocess.DEVNULL, stderr=errors)
    try:
        app = application(process)
        press_button(window(app, "dialog", "About Quantora"), "OK")
        menu = window(app, "frame", MENU_TITLE)
        check_main_menu(menu)
        press_button(menu, "Exit Program")
        wait_for_exit(process, "Exit Program did not end the program")
    finally:
        stop_program(process)
        stop_program(weston)
    with open(errors_path) as errors:
        printed = errors.read()
    check(process.returncode == 0 and printed == "",
          "the program ended with %d and printed on standard error:\n%s" % (process.returncode, printed[-3000:]))


def main():
    runtime = tempfile.mkdtemp(prefix="weston-", dir=os.environ.get("XDG_RUNTIME_DIR"))  # mode 0700
    try:
        run_test(lambda: run(sys.argv[1], runtime))
    finally:
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
