#!/usr/bin/env python3
"""Renders the launcher's window as players see it, for a person to look at:
every language at several desktop scales on one sheet, with the longest texts
a window shows (a profile at 100 %, the longest display mode), optionally
after some keys (to see the focus frame). Texts must be whole and must not
run into each other or into the frame.

Each window runs in the demo installation (tools/make_demo.py) with a
Data/config.ini that picks the language, on its own Xvfb, at the scale given
through GAMELAUNCHER_SCALE. The sheet has one row per scale, one column per
language.

Usage: tools/review_windows.py [--scales 1,1.25,2] [--languages 1,2,3,4,5,6]
                               [--keys Tab,Up] [--out build/review.png] [--build build]
"""

import argparse, subprocess, sys, tempfile, time
from pathlib import Path

import make_demo
from x11_session import Display, Window, wait_until

TITLE = "Tarvelline (v1.0 Sept09)"


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=60).stdout


def installation(root, build, language):
    """The demo installation, Anna at 100 % and the longest mode saved."""
    run(sys.executable, str(Path(__file__).with_name("make_demo.py")), "--out", str(root),
        "--game", str(build / "tools/demo_game/demo_game"))
    record = make_demo.profile_record("Anna", "REVIEWED", make_demo.LEVEL_COUNT, 0,
                                      range(make_demo.CHALLENGE_COUNT))
    (root / "Data/Profils/Anna.bin").write_bytes(record)
    (root / "Data/config.ini").write_text("name Anna\r\nresolution 5\r\nlangage %d\r\nvolume 0\r\n"
                                          % language, newline="")


def shot(root, build, scale, keys, out):
    """One window at `scale`, after `keys`, written to `out`."""
    display = Display(size="1920x1080")
    env = dict(display.env, LC_ALL="C.UTF-8", GAMELAUNCHER_SCALE=str(scale))
    launcher = subprocess.Popen([str(build / "GameLauncher/GameLauncher")], cwd=root, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = Window(display, wait_until(lambda: display.viewable(TITLE), what="the window"))
        time.sleep(0.5)  # the first expose drawn
        if keys:
            window.key(*keys)
            time.sleep(0.3)
        display.pixels(window.area(), str(out))
    finally:
        launcher.kill()
        display.process.kill()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scales", default="1,1.25,2")
    parser.add_argument("--languages", default="1,2,3,4,5,6")
    parser.add_argument("--keys", default="", help="xdotool key names, comma-separated")
    parser.add_argument("--out", default="build/review.png")
    parser.add_argument("--build", default="build", help="the build with GameLauncher and demo_game")
    options = parser.parse_args()
    build, keys = Path(options.build).resolve(), [k for k in options.keys.split(",") if k]
    with tempfile.TemporaryDirectory(prefix="launcher-review-") as work:
        rows = []
        for scale in options.scales.split(","):
            row = []
            for language in options.languages.split(","):
                root = Path(work) / ("install-" + language)
                if not root.exists():
                    installation(root, build, int(language))
                row.append(Path(work) / ("%s-%s.png" % (scale, language)))
                shot(root, build, scale, keys, row[-1])
            rows.append(Path(work) / ("row-%s.png" % scale))
            run("convert", *map(str, row), "-background", "black", "-splice", "8x0", "+append",
                str(rows[-1]))
        Path(options.out).parent.mkdir(parents=True, exist_ok=True)
        run("convert", *map(str, rows), "-background", "black", "-splice", "0x8", "-append",
            options.out)
    print("review_windows.py: wrote %s" % options.out)


if __name__ == "__main__":
    main()
