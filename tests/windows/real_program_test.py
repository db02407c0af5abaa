# SPDX-License-Identifier: MIT
"""quantora.exe as a Windows user meets it: the real program under Wine, with Qt's
Windows platform plugin, on a virtual X display, driven by real X key presses.

Run by CTest inside xvfb-run, with WINEPREFIX naming a prepared Wine prefix:

    real_program_test.py WINE QUANTORA_EXE STAND_IN LINUX_QUANTORA

- The About box: with the registry's MSINFO PATH value naming STAND_IN, Alt+S
  starts that program (it leaves a file STAND_IN.ran); with no value, the message
  box "Quantora" appears, and Enter closes it.
- Escape closes the About box and the main menu appears; Space opens the conversion
  screen of the picture in focus (Temperature), whose title "Temperature Conversion"
  stands on one line in the window's pixels (read with xwd); "2.5" is typed (and copied, to see that it was),
  Tab Tab Down picks the second unit to convert to, and Ctrl+Shift+C copies the
  result, which Wine hands to the X clipboard.
- The Linux program, on the same display, gets the same keys from its About box
  on, and must copy the same result.
Both programs are always ended.
"""

import os
import struct
import subprocess
import sys
import tempfile
import time

WAIT = 60  # seconds; Wine on a busy machine is slow, but never this slow
MSINFO_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO"
ABOUT = "^About Quantora$"
MENU = "^Quantora [0-9.]+ By Orvandel$"
SCREEN = r"^Enter Value To be Converted\.\.\.$"
MESSAGE = "^Quantora$"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure("waited %d s for %s" % (timeout, what))
        time.sleep(0.2)


def run(*command, check=True):
    """Runs a command to its end. Its output goes through a file, not a pipe: Wine's
    server and services, which a start of Wine may leave running, would hold a pipe
    open, and reading it would wait for them."""
    with tempfile.TemporaryFile(mode="w+") as output:
        done = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=output, stderr=subprocess.STDOUT)
        output.seek(0)
        done.stdout = output.read()
    if check and done.returncode != 0:
        raise Failure("%s failed (%d): %s" % (" ".join(command), done.returncode, done.stdout[-1000:]))
    return done


def windows(title):
    """The ids of the visible X windows whose name matches the pattern TITLE."""
    return run("xdotool", "search", "--onlyvisible", "--name", title, check=False).stdout.split()


def keys_to(title, *names):
    """Waits for the window TITLE, gives it the keyboard and presses the keys."""
    window = wait_for("a window named %s" % title, lambda: windows(title))[0]
    run("xdotool", "windowfocus", "--sync", window)
    run("xdotool", "key", "--clearmodifiers", "--delay", "100", *names)
    return window


def first_keys(title, names, what, done, attempts=3):
    """The first keys a new window gets: on a busy machine a window can be shown,
    and have the X focus, a moment before Wine or Qt take keys in it, and keys sent
    in that moment are lost. So the keys go again until what they do is seen;
    each step that uses this is one that a second press cannot overdo."""
    for attempt in range(attempts):
        if not windows(title) and attempt:
            break  # the window went between the probe and here: its keys did their work
        keys_to(title, *names)
        try:
            return wait_for(what, done, timeout=WAIT / attempts)
        except Failure:
            if attempt == attempts - 1:
                raise


BACKGROUND = (128, 128, 255)
# The title label's box in the client area (240, 120, 6135 x 1335 twips), less the
# rows where the value box and its focus ring begin and the column of the picture.
TITLE = (16, 8, 420, 90)


def window_pixels(window):
    """The pixels of an X window as rows of (red, green, blue), read with xwd."""
    with tempfile.NamedTemporaryFile(suffix=".xwd") as dump:
        run("xwd", "-silent", "-id", window, "-out", dump.name)
        data = open(dump.name, "rb").read()
    header = struct.unpack(">25I", data[:100])
    size, width, height, byte_order, bits, line = header[0], header[4], header[5], header[7], header[11], header[12]
    if bits != 32:
        raise Failure("xwd gave %d bits per pixel" % bits)
    start = size + header[19] * 12  # after the header and the colour map
    order = (2, 1, 0) if byte_order == 0 else (1, 2, 3)
    return [[tuple(data[start + y * line + 4 * x + i] for i in order) for x in range(width)] for y in range(height)]


def title_lines(window):
    """How many lines of text the conversion screen's title area holds, counted down
    from the client area's top-left corner (the first pixel of the background)."""
    pixels = window_pixels(window)
    left, top = next((x, y) for y, row in enumerate(pixels) for x, p in enumerate(row) if p == BACKGROUND)
    x0, y0, x1, y1 = TITLE
    inked = [any(pixels[top + y][left + x] != BACKGROUND for x in range(x0, x1)) for y in range(y0, y1)]
    return sum(1 for y, ink in enumerate(inked) if ink and (y == 0 or not inked[y - 1]))


def clipboard():
    done = run("xclip", "-o", "-selection", "clipboard", check=False)
    return done.stdout.strip() if done.returncode == 0 else ""


def set_registry_path(wine, program):
    if program:
        path = "Z:" + os.path.abspath(program).replace("/", "\\")
        run(wine, "reg", "add", MSINFO_KEY, "/v", "PATH", "/t", "REG_SZ", "/d", path, "/f")
    else:
        run(wine, "reg", "delete", MSINFO_KEY, "/f", check=False)


def system_info_button(wine, stand_in):
    """System Info... starts the registered program, or says there is none."""
    record = stand_in + ".ran"
    if os.path.exists(record):
        os.remove(record)
    set_registry_path(wine, stand_in)
    first_keys(ABOUT, ["alt+s"], "System Info... to start the registered program", lambda: os.path.exists(record))

    set_registry_path(wine, None)
    keys_to(ABOUT, "alt+s")
    wait_for("the message", lambda: windows(MESSAGE))
    first_keys(MESSAGE, ["Return"], "the message to close", lambda: not windows(MESSAGE))


def conversion():
    """From the About box to a result on the clipboard."""
    # Nothing copied yet. xclip stays to serve the empty text, so its output is not waited for.
    subprocess.run(["xclip", "-selection", "clipboard", "/dev/null"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    first_keys(ABOUT, ["Escape"], "the main menu", lambda: windows(MENU) and not windows(ABOUT))
    first_keys(MENU, ["space"], "the conversion screen", lambda: windows(SCREEN))
    screen = windows(SCREEN)[0]
    # A window read while Wine is still painting it can show parts of two frames, so
    # the title has its one line once a read shows it; a title that wraps never does.
    seen = []
    try:
        wait_for("the title \"Temperature Conversion\" on one line", lambda: seen.append(title_lines(screen)) or seen[-1] == 1)
    except Failure as failure:
        raise Failure("%s (lines seen: %s)" % (failure, sorted(set(seen))))
    # The value typed over whatever is there, then copied back to see that it is.
    first_keys(SCREEN, ["ctrl+a", "2", "period", "5", "ctrl+a", "ctrl+c"], "the typed value on the clipboard",
               lambda: clipboard() == "2.5")
    keys_to(SCREEN, "Tab", "Tab", "Down", "ctrl+shift+c")
    return wait_for("the result on the clipboard", lambda: clipboard() not in ("", "2.5") and clipboard())


def start(command, env):
    """Starts a program (the last word of COMMAND) in its own folder."""
    program = os.path.abspath(command[-1])
    return subprocess.Popen(command[:-1] + [program], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, env=env, cwd=os.path.dirname(program))


def main():
    wine, program, stand_in, linux_program = sys.argv[1:5]
    env = dict(os.environ, WINEDEBUG="-all")
    # Wine's desktop process must start on this display, not on none.
    run("wineserver", "-k", check=False)
    run("wineserver", "-w", check=False)

    windows_program = start([wine, program], env)
    try:
        system_info_button(wine, stand_in)
        on_windows = conversion()
    finally:
        windows_program.kill()
        set_registry_path(wine, None)
        run("wineserver", "-k", check=False)
    wait_for("the Windows program's windows to go", lambda: not windows(MENU))

    linux = start([linux_program], dict(env, QT_QPA_PLATFORM="xcb"))
    try:
        on_linux = conversion()
    finally:
        linux.kill()
    if on_windows != on_linux:
        raise Failure("the Windows program copied %r, the Linux program %r" % (on_windows, on_linux))
    print("the Windows program's System Info... works, and it converts as on Linux: 2.5 -> %s" % on_windows)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        sys.exit(1)
