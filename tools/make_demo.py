#!/usr/bin/env python3
"""Lays out a demo installation of the game for the launcher to run on.

    <out>/1.exe                    the demo game (a copy of --game)
    <out>/Data/config_game.ini     the game's own settings (CR LF lines)
    <out>/Data/Profils/Anna.bin    two players with some progress
    <out>/Data/Profils/Bob.bin

Running it again refreshes 1.exe and config_game.ini, but never touches an
existing profile file or Data/config.ini: a player's saves and settings in
the demo are never lost.

Usage: tools/make_demo.py --out DIR --game DEMO_GAME_BINARY
"""

import argparse
import os
import shutil
import struct
import sys

PROFILE_FILE_SIZE = 23812
NAME_SIZE = 33          # bytes 0..32, byte 32 always 0
TAG_OFFSET = 33         # eight letters 'A'..'X'
FORMAT_OFFSET = 42      # 16-bit value 1
MARKER_OFFSETS = [48 + 296 * i for i in range(10)]  # ten bytes of value 1
LEVEL_STATES_OFFSET = 348
LEVEL_COUNT = 64
LEVEL_DONE = 2
LEVEL_STARTED = 1
CHALLENGES_OFFSET = 604
CHALLENGE_COUNT = 25

# Lines of the game's own settings. None of its keys is one the launcher
# writes, so the launch settings in front of them always decide.
GAME_SETTINGS = [
    "# Tarvelline game settings",
    "gamma 100",
    "sfxvolume 4",
    "voicevolume 5",
    "subtitles 1",
    "mousesensitivity 50",
    "invertmouse 0",
    "vsync 1",
    "shadows 2",
    "texturequality 2",
]

# name, profile tag, levels completed, level in progress, challenges done
PROFILES = [
    ("Anna", "KQDMRAHT", 30, 30, [0, 1, 2, 4, 7, 9, 12, 15]),
    ("Bob", "FHLWBCEX", 5, 5, [0]),
]


def profile_record(name, tag, levels_done, level_started, challenges):
    """The 23812 bytes of a player's save file."""
    encoded = name.encode("utf-8")
    assert len(encoded) < NAME_SIZE - 1 and len(tag) == 8
    assert all("A" <= letter <= "X" for letter in tag)
    record = bytearray(PROFILE_FILE_SIZE)
    record[0:len(encoded)] = encoded
    record[TAG_OFFSET:TAG_OFFSET + 8] = tag.encode("ascii")
    struct.pack_into("<H", record, FORMAT_OFFSET, 1)
    for offset in MARKER_OFFSETS:
        record[offset] = 1
    for level in range(LEVEL_COUNT):
        state = LEVEL_DONE if level < levels_done else 0
        if level == level_started and level >= levels_done:
            state = LEVEL_STARTED
        struct.pack_into("<I", record, LEVEL_STATES_OFFSET + 4 * level, state)
    for challenge in challenges:
        record[CHALLENGES_OFFSET + challenge] = 1
    return bytes(record)


def write_new(path, data):
    """Writes `data` to `path` only when nothing is there yet."""
    try:
        with open(path, "xb") as out:
            out.write(data)
    except FileExistsError:
        pass


def replace_file(path, data):
    """Rewrites `path` in one step, so a reader never sees half a file."""
    temporary = path + ".new"
    with open(temporary, "wb") as out:
        out.write(data)
    os.replace(temporary, path)


def install_game(game, out):
    target = os.path.join(out, "1.exe")
    temporary = target + ".new"
    shutil.copyfile(game, temporary)
    os.chmod(temporary, 0o755)
    os.replace(temporary, target)


def main():
    parser = argparse.ArgumentParser(description="Lays out a demo installation of the game.")
    parser.add_argument("--out", required=True, help="installation directory to fill")
    parser.add_argument("--game", required=True, help="the demo game binary, installed as 1.exe")
    args = parser.parse_args()
    if not os.path.isfile(args.game):
        sys.exit("make_demo: no demo game at %s (build the target demo_game first)" % args.game)

    profiles_dir = os.path.join(args.out, "Data", "Profils")
    os.makedirs(profiles_dir, exist_ok=True)
    install_game(args.game, args.out)
    settings = "".join(line + "\r\n" for line in GAME_SETTINGS).encode("ascii")
    replace_file(os.path.join(args.out, "Data", "config_game.ini"), settings)
    for name, tag, levels_done, level_started, challenges in PROFILES:
        record = profile_record(name, tag, levels_done, level_started, challenges)
        write_new(os.path.join(profiles_dir, name + ".bin"), record)


if __name__ == "__main__":
    main()
