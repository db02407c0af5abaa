# SPDX-License-Identifier: MIT
"""Helpers for tests that drive Quantora through the desktop accessibility bus (AT-SPI).

For Debian's /usr/bin/python3 with python3-gi and gir1.2-atspi-2.0, inside a
private D-Bus session (which starts the AT-SPI bus on demand) and on a display
whose Qt platform has an AT-SPI bridge (xcb or wayland, not offscreen).

Windows come and go while a test walks the tree: an object listed a moment ago
may be gone when its role or name is read ("No such object path"). Every walk
here treats such an object as not there, and every wait retries until its
deadline, so a window closing at the wrong moment never fails a test.

    process = start_program(path)
    app = application(process)
    about = window(app, "dialog", "About Quantora")
    press_button(about, "OK")
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


class Failure(Exception):
    """A check that failed; run_test() prints it and exits 1."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def pump(seconds):
    """Runs libatspi's event dispatch for a while, so listeners hear their events."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, probe, timeout=WAIT):
    """Calls probe() until it returns something true, and returns that. An object
    that vanished under probe() (a GLib error from the bus) counts as not found yet."""
    end = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            found = probe()
            if found:
                return found
        except GLib.Error as error:
            last_error = error
        if time.monotonic() >= end:
            break
        pump(0.1)
    raise Failure("timed out waiting for %s%s" % (what, " (last error: %s)" % last_error if last_error else ""))


def _read(getter, node):
    try:
        return getter(node)
    except GLib.Error:
        return None


# Role names as AT-SPI 2.46 (Debian 12) spells them; later versions (2.56, Debian 13)
# call some roles by shorter names. The roles, and what Qt reports, are the same.
_OLDER_ROLE_NAMES = {"button": "push button"}


def role(node):
    """The node's role name ("push button", "dialog", ...), or None once it has vanished."""
    found = _read(Atspi.Accessible.get_role_name, node)
    return _OLDER_ROLE_NAMES.get(found, found)


def name(node):
    """The node's accessible name, or None once it has vanished."""
    return _read(Atspi.Accessible.get_name, node)


def description(node):
    """The node's accessible description, or None once it has vanished."""
    return _read(Atspi.Accessible.get_description, node)


def children(node):
    """The node's children that are still there; none if the node itself has vanished."""
    count = _read(Atspi.Accessible.get_child_count, node) or 0
    found = []
    for i in range(count):
        child = _read(lambda n: n.get_child_at_index(i), node)
        if child is not None:
            found.append(child)
    return found


def descendants(node, max_depth=8):
    """Every node below node, depth first, skipping what vanishes on the way."""
    for child in children(node):
        yield child
        if max_depth > 0:
            yield from descendants(child, max_depth - 1)


def find_now(node, role_name, accessible_name=None):
    """The first node below node with this role (and name, if given), or None."""
    for child in descendants(node):
        if role(child) == role_name and (accessible_name is None or name(child) == accessible_name):
            return child
    return None


def find_all(node, role_name):
    return [child for child in descendants(node) if role(child) == role_name]


def find(node, role_name, accessible_name=None, timeout=WAIT):
    """Waits for a node below node with this role (and name, if given)."""
    what = "%s %r" % (role_name, accessible_name) if accessible_name is not None else role_name
    return wait_for(what, lambda: find_now(node, role_name, accessible_name), timeout)


def is_active(node):
    states = _read(Atspi.Accessible.get_state_set, node)
    return states is not None and states.contains(Atspi.StateType.ACTIVE)


def has_focus(node):
    states = _read(Atspi.Accessible.get_state_set, node)
    return states is not None and states.contains(Atspi.StateType.FOCUSED)


def action_names(node):
    if "Action" not in (_read(Atspi.Accessible.get_interfaces, node) or []):
        return []
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def do_action(node, action="Press"):
    """Runs the node's action by its name ("Press", "Toggle", ...) through the Action interface."""
    names = action_names(node)
    check(action in names, "%s %r has no %s action (%s)" % (role(node), name(node), action, names))
    Atspi.Action.do_action(node, names.index(action))


def press(node):
    do_action(node, "Press")


def press_button(parent, button_name, timeout=WAIT):
    """Waits for the push button of this name below parent and presses it."""
    press(find(parent, "push button", button_name, timeout))


def application(process, timeout=WAIT):
    """Waits for the process's application on the bus."""
    def found():
        for app in children(Atspi.get_desktop(0)):
            if _read(Atspi.Accessible.get_process_id, app) == process.pid:
                return app
        return None

    return wait_for("the program on the bus", found, timeout)


def window(app, role_name, title, timeout=WAIT):
    """Waits for the application's top-level window of this role and title."""
    return wait_for("window %r" % title, lambda: next(
        (w for w in children(app) if role(w) == role_name and name(w) == title), None), timeout)


def window_gone(app, title, timeout=WAIT):
    """Waits until the application has no top-level window of this title."""
    wait_for("window %r to close" % title, lambda: all(name(w) != title for w in children(app)), timeout)


def program_environment(extra=None):
    """The environment for the program on X11 with its accessibility bridge on."""
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # AddressSanitizer's strict string checks stop the program at its start on
    # the X11 platform: libxkbcommon-x11 calls strndup() on a name without a
    # terminating zero, which strndup() allows.
    if env.get("ASAN_OPTIONS"):
        env["ASAN_OPTIONS"] += ":strict_string_checks=0"
    env.update(extra or {})
    return env


def start_program(program, env=None, **popen_arguments):
    return subprocess.Popen([program], env=env if env is not None else program_environment(), **popen_arguments)


def stop_program(process):
    if process.poll() is None:
        process.kill()
        process.wait()


def wait_for_exit(process, what, timeout=WAIT):
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        raise Failure(what)


def _too_long(*_):
    raise Failure("the whole test took too long")


def run_test(body, limit=90):
    """Runs body() and exits 0 with PASS, or 1 with FAIL and the reason. A last
    guard besides CTest's timeout raises a Failure after limit seconds, so the
    body's finally-blocks still end what it started."""
    signal.signal(signal.SIGALRM, _too_long)
    signal.alarm(limit)
    try:
        body()
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        sys.exit(1)
    finally:
        signal.alarm(0)
    print("PASS")
    sys.exit(0)
