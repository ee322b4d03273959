#!/usr/bin/env python3
"""The install: `cmake --install` into a temporary prefix, the desktop files checked by their
validators, then the installed program started from another folder, headless, until its menu is
up, without writing to its prefix."""
import argparse
import os
import signal
import subprocess
import sys
import tempfile
import time

APP_ID = "org.puzzledesk.PuzzleDesk"
DESKTOP_ENTRY = f"share/applications/{APP_ID}.desktop"
METAINFO = f"share/metainfo/{APP_ID}.metainfo.xml"
EXPECTED = [
    DESKTOP_ENTRY,
    METAINFO,
    "bin/puzzle-desk",
    "share/puzzle-desk/DATA",
    "share/puzzle-desk/pzls.xml",
    "share/puzzle-desk/strings.xml",
    "share/puzzle-desk/CREDITS.txt",
    "share/puzzle-desk/icons/window_64.png",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
] + [f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in (48, 64, 128, 256)]
# The per-user file the menu's player profile writes once loading is over.
MENU_UP_FILE = "puzzle-desk/LC.pzl"
START_LIMIT_S = 120


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def tree(root):
    """Every path under root with its size and modification time."""
    entries = {}
    for folder, _, files in os.walk(root):
        for name in [""] + files:
            path = os.path.join(folder, name) if name else folder
            status = os.lstat(path)
            entries[os.path.relpath(path, root)] = (status.st_size, status.st_mtime_ns)
    return entries


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        fail(f"{' '.join(command)} exited {result.returncode}:\n{result.stdout}{result.stderr}")


def start_installed(prefix, scratch):
    """Runs the installed program in an unrelated folder until the menu's profile file appears,
    then asks it to quit as a window manager would; returns its exit status."""
    elsewhere = os.path.join(scratch, "elsewhere")
    os.makedirs(elsewhere)
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy",
               HOME=os.path.join(scratch, "home"),
               XDG_DATA_HOME=os.path.join(scratch, "data"),
               XDG_CONFIG_HOME=os.path.join(scratch, "config"),
               XDG_CACHE_HOME=os.path.join(scratch, "cache"))
    program = subprocess.Popen([os.path.join(prefix, "bin/puzzle-desk")], cwd=elsewhere, env=env,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    marker = os.path.join(env["XDG_DATA_HOME"], MENU_UP_FILE)
    give_up = time.monotonic() + START_LIMIT_S
    while not os.path.exists(marker):
        if program.poll() is not None:
            fail(f"the installed program ended before its menu: {program.returncode}\n"
                 f"{program.stdout.read()}")
        if time.monotonic() > give_up:
            program.kill()
            fail("the installed program's menu never came up")
        time.sleep(0.1)
    program.send_signal(signal.SIGTERM)
    try:
        output, _ = program.communicate(timeout=30)
    except subprocess.TimeoutExpired:
        program.kill()
        fail("the installed program did not quit")
    if program.returncode != 0:
        fail(f"the installed program exited {program.returncode}:\n{output}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True, help="the configured and built build folder")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="pd_install_") as scratch:
        prefix = os.path.join(scratch, "prefix")
        run(["cmake", "--install", args.build, "--prefix", prefix])
        for relative in EXPECTED:
            if not os.path.exists(os.path.join(prefix, relative)):
                fail(f"{relative} was not installed")
        stray = set(os.listdir(prefix)) - {"bin", "share"}
        if stray:
            fail(f"installed outside bin/ and share/: {sorted(stray)}")
        if os.path.exists(os.path.join(prefix, "share/puzzle-desk/puzzle-desk")):
            fail("the program was installed into its game folder too")
        run(["desktop-file-validate", os.path.join(prefix, DESKTOP_ENTRY)])
        run(["appstreamcli", "validate", "--no-net", os.path.join(prefix, METAINFO)])

        # The player may not write to the prefix: the program must not need to.
        before = tree(prefix)
        subprocess.run(["chmod", "-R", "a-w", prefix], check=True)
        try:
            start_installed(prefix, scratch)
        finally:
            subprocess.run(["chmod", "-R", "u+w", prefix], check=True)
        if tree(prefix) != before:
            fail("the installed program changed files under its prefix")
    print("ok")


if __name__ == "__main__":
    main()
