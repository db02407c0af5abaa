# SPDX-License-Identifier: MIT
"""What the Orca screen reader speaks while a value is typed, a unit is changed and
the factors are switched.

Run by CTest inside a private D-Bus session on a virtual X display:

    dbus-run-session -- xvfb-run -a python3 orca_speech_test.py PATH-TO-QUANTORA

Everything runs in a private home: ALSA sends sound to a null sink (without a
sink speech-dispatcher wedges and Orca with it), speech-dispatcher's settings
are a copy of the system's, and Orca's settings start from nothing. Orca runs
from its Python module with its debug log on; the log's "SPEECH OUTPUT:" lines
are what it speaks. The keys are real X key presses (xdotool), as a user's are.
Orca is ended by its process id, never by its name.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

from atspi_support import (Failure, application, check, find, has_focus, press_button, program_environment,
                           run_test, start_program, stop_program, wait_for, window)

SCREEN_TITLE = "Enter Value To be Converted..."
# "SPEECH OUTPUT: 'text' {voice settings}", one a line.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:\{.*)?$", re.MULTILINE)
# Orca is slow on a busy machine: it handles a few events a second, and opening
# the conversion screen alone sends it dozens (every unit of both lists).
ORCA_WAIT = 60.0

# Orca started from its module, as its launcher does, with everything logged,
# line by line, to the file named by the first argument.
ORCA_LAUNCHER = """
import sys
sys.path.insert(1, "/usr/lib/python3/dist-packages")
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca
if hasattr(orca, "getSettingsManager"):  # Orca 43 (Debian 12)
    manager = orca.getSettingsManager()
    manager.activate(None, {})
    sys.path.insert(0, manager.getPrefsDir())
else:  # Orca 48 (Debian 13) and later
    from orca import settings_manager
    manager = settings_manager.get_manager()
    manager.activate(None, {})
    sys.path.insert(0, manager.get_prefs_dir())
sys.exit(orca.main())
"""
# The line Orca logs once it listens to the accessibility bus: Orca 43's, then 48's.
ORCA_STARTED = ("ORCA: Starting registry", "ORCA: Starting Atspi main event loop")


def private_home(home):
    with open(os.path.join(home, ".asoundrc"), "w") as asoundrc:
        asoundrc.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
    config = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(config)
    os.makedirs(os.path.join(home, "speechd-log"))
    with open("/etc/speech-dispatcher/speechd.conf") as system:
        lines = [line for line in system
                 if not re.match(r"\s*(Include|LogDir|AudioOutputMethod)\b", line)]
    lines += ['Include "/etc/speech-dispatcher/clients/*.conf"\n',
              'LogDir "%s"\n' % os.path.join(home, "speechd-log"),
              'AudioOutputMethod "alsa"\n']
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.writelines(lines)
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime, mode=0o700)
    return dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_RUNTIME_DIR=runtime)


class SpeechLog:
    """Orca's debug log, read as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.spoken = []
        self.heard = 0  # lines before this one were matched or passed over

    def read(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return ""
        # Only whole lines; the rest is read next time.
        data = data[:data.rfind(b"\n") + 1]
        self.offset += len(data)
        text = data.decode("utf-8", errors="replace")
        self.spoken += [m.group(1).strip() for m in SPEECH.finditer(text)]
        return text

    def wait_for_line(self, what, contains, timeout):
        seen = []
        wanted = (contains,) if isinstance(contains, str) else contains

        def probe():
            seen.append(self.read())
            return any(line in chunk for chunk in seen for line in wanted)

        wait_for(what, probe, timeout)

    def wait_for_speech(self, what, matches, timeout=ORCA_WAIT):
        """Waits for a spoken line that matches, and returns the lines spoken up
        to it since the last match: what came after is kept for the next wait."""
        def probe():
            self.read()
            found = next((i for i in range(self.heard, len(self.spoken)) if matches(self.spoken[i])), None)
            return None if found is None else (found,)  # a tuple, as line 0 is a match too

        try:
            found = wait_for(what, probe, timeout)[0]
        except Failure:
            raise Failure("Orca did not speak %s; it said %s" % (what, self.spoken[self.heard:]))
        lines = self.spoken[self.heard:found + 1]
        self.heard = found + 1
        return lines


def end_group(process):
    """Ends a process and what it started in its own process group."""
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    stop_program(process)


def end_speech_dispatcher(runtime):
    """speech-dispatcher leaves Orca's group as a daemon; its pid file names it."""
    pid_file = os.path.join(runtime, "speech-dispatcher", "pid", "speech-dispatcher.pid")
    try:
        with open(pid_file) as f:
            os.kill(int(f.read().strip()), signal.SIGKILL)
    except (OSError, ValueError):
        pass


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "50"] + list(keys), check=True)


def plain(line):
    """A spoken line without the full stop Orca may add."""
    return line.rstrip(".")


# The value box's description as Orca speaks it, "Length, result 2.5".
DESCRIBED = re.compile(r"^Length, (result .*)$")


def announcements(lines):
    """What was announced among spoken lines: notifications ("notification result
    2.5" from Orca 43; Orca 48 says "notification" and the text as two lines), and
    the value box's changed description ("Length, result 2.5"), which Qt 6.5 and
    later send as text that Orca speaks, so that the program sends no notification
    as well (Qt 6.4 sends it in a form Orca cannot read). The description read
    with the box's name as it gets the focus, "result 1", is no announcement."""
    found = []
    lines = [plain(line) for line in lines]
    for i, line in enumerate(lines):
        described = DESCRIBED.match(line)
        if line.startswith("notification "):
            found.append(line[len("notification "):])
        elif line == "notification" and i + 1 < len(lines):
            found.append(lines[i + 1])
        elif described and described.group(1) != "result 1":
            found.append(described.group(1))
    return found


def announced(text):
    return text, lambda line: announcements([line]) == [text] or plain(line) == text


def echo(*texts):
    """A key's echo, in one of its forms: Orca 43 names "." as "dot", Orca 48 says it."""
    return texts[0], lambda line: any(text in plain(line) or line == text for text in texts)


def run(program):
    home = tempfile.mkdtemp(prefix="quantora-orca-")
    env = private_home(home)
    started = []
    try:
        # Each in a process group of its own, ended whole: the bus launcher's
        # bus daemon, and Orca's speech-dispatcher.
        started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                        start_new_session=True))
        for schema, setting in (("org.gnome.desktop.interface", "toolkit-accessibility"),
                                ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")):
            subprocess.run(["gsettings", "set", schema, setting, "true"], env=env, check=True)

        log = SpeechLog(os.path.join(home, "orca.log"))
        started.append(subprocess.Popen(["/usr/bin/python3", "-c", ORCA_LAUNCHER, log.path], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True))
        log.wait_for_line("Orca to start", ORCA_STARTED, ORCA_WAIT)

        # Now and then, on a busy machine, the program's accessibility bridge
        # misses that Orca listens (its first call to the registry goes
        # unanswered) and sends Orca nothing: then the program starts again.
        for attempt in range(3):
            # The private configuration folder too: the switch of factors below
            # is kept there.
            process = start_program(program, env=program_environment(
                {"HOME": home, "XDG_RUNTIME_DIR": env["XDG_RUNTIME_DIR"], "XDG_CONFIG_HOME": env["XDG_CONFIG_HOME"]}))
            started.append(process)
            app = application(process, ORCA_WAIT)
            try:
                # Orca speaks the About box's button once it has met the program.
                log.wait_for_speech("the About box", lambda line: "OK" in line, ORCA_WAIT / 2)
                break
            except Failure:
                if attempt == 2:
                    raise
                stop_program(process)
        # The bus answers slowly too while Orca works through its events.
        press_button(window(app, "dialog", "About Quantora", ORCA_WAIT), "OK", ORCA_WAIT)
        menu = window(app, "frame", "Quantora 2.0.0 By Orvandel", ORCA_WAIT)
        press_button(menu, "Length", ORCA_WAIT)
        screen = window(app, "dialog", SCREEN_TITLE, ORCA_WAIT)
        value = find(screen, "text", "Value in", ORCA_WAIT)
        wait_for("the value box to have the focus", lambda: has_focus(value), ORCA_WAIT)
        # Orca has met the value box, whose text is selected: it says so with or
        # without the window's and the box's names, as it had time for them.
        log.wait_for_speech("the conversion screen", lambda line: "Value in" in line or plain(line).endswith("selected"))

        # Each key, and what Orca must have said when it is done with it: the
        # new result once, or for a key that leaves the result as it was, only
        # the key's echo.
        steps = [
            ("ctrl+a", echo("left control")),       # all of "1", selected already
            ("2", announced("result 2")),
            ("period", echo("dot", ".")),           # 2. is still 2
            ("5", announced("result 2.5")),
            ("Tab", echo("From unit")),             # the from-unit list, at m
            ("Up", announced("result 0.25")),       # 2.5 dm are 0.25 m
            ("ctrl+shift+c", announced("Copied 0.25")),
            # A switch of factors is announced with the result it gives.
            ("ctrl+shift+e", announced("Exact factors, result 0.25")),
        ]
        spoken = []
        for keys, (expected, matches) in steps:
            key(keys)
            spoken += log.wait_for_speech(repr(expected), matches)
        # A switch that the settings file cannot keep (a folder stands where its
        # lock belongs) is said to be so, once.
        os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "Quantora", "Quantora.ini.lock"))
        key("ctrl+shift+e")
        expected, matches = announced("Table factors (not saved), result 0.25")
        spoken += log.wait_for_speech(repr(expected), matches)
        heard = announcements(spoken)
        check(heard == ["result 2", "result 2.5", "result 0.25", "Copied 0.25", "Exact factors, result 0.25",
                        "Table factors (not saved), result 0.25"], "Orca's announcements: %s" % heard)
    except Failure:
        # Orca's log beside the test's output, to see what it did instead.
        shutil.copy(os.path.join(home, "orca.log"), os.path.join(os.getcwd(), "orca_speech_failure.log"))
        raise
    finally:
        for child in reversed(started):
            end_group(child)
        end_speech_dispatcher(env["XDG_RUNTIME_DIR"])
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    run_test(lambda: run(sys.argv[1]), limit=270)
