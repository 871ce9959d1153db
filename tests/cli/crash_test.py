#!/usr/bin/env python3
"""Kills `kestrane save-order` at random moments and checks the table file after every run.

After each run, killed or not, the table file must load and hold exactly the mappings of the
saves that reported success, plus possibly those of the one that was killed.

Usage: crash_test.py KESTRANE TABLE [--seconds N] [--seed N]
"""

import argparse
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

CLEAR = b"\xc7\xe5\xbf\xd5"  # the keyword that clears one direction, in code page 936
FILLER = 0x2020


def big5_index(pair):
    lead, trail = pair
    column = trail - 0x40 if trail <= 0x7E else 63 + trail - 0xA1
    return (lead - 0xA1) * 157 + column


def gb_index(pair):
    lead, trail = pair
    return 1410 + (lead - 0xB0) * 94 + (trail - 0xA1)  # the GB2312 rows B0..F7 only


def random_big5_char(rng, leads=(0xA4, 0xF9)):
    trail = rng.choice(list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF)))
    return bytes([rng.randint(*leads), trail])


def random_gb_char(rng, leads=(0xB0, 0xF7)):
    return bytes([rng.randint(*leads), rng.randint(0xA1, 0xFE)])


def random_code(rng):
    return b"%04X" % rng.randint(0, 0xFFFF)


class Tables:
    """What the table file should hold: the BIG5 table and the GB table."""

    def __init__(self, big5, gb):
        self.big5, self.gb = big5, gb

    def __eq__(self, other):
        return self.big5 == other.big5 and self.gb == other.gb

    def after_save(self, big5_char, big5_code, gb_char, gb_code):
        big5, gb = list(self.big5), list(self.gb)
        if big5_code != CLEAR:
            set_slot(big5, big5_index(big5_char), code_value(gb_code))
        if gb_code != CLEAR:
            set_slot(gb, gb_index(gb_char), code_value(big5_code))
        return Tables(big5, gb)


def code_value(code):
    return FILLER if code == CLEAR else int(code, 16)


def set_slot(table, index, code):
    if index >= len(table):
        table.extend([FILLER] * (index + 1 - len(table)))
    table[index] = code


class Tool:
    def __init__(self, executable, client_dir):
        self.command = [executable, "--client-dir", str(client_dir)]

    def start_save(self, args):
        return subprocess.Popen(self.command + ["save-order"] + args, stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE)

    def tables(self):
        return Tables(self.listing("big5-table"), self.listing("gb-table"))

    def listing(self, command):
        run = subprocess.run(self.command + [command], capture_output=True, check=False)
        if run.returncode != 0:
            fail(f"{command} exited {run.returncode}: {run.stderr.decode(errors='replace')}")
        return [int(line[1:], 16) for line in run.stdout.decode().splitlines()]


def fail(message):
    print(f"crash_test: {message}", file=sys.stderr)
    sys.exit(1)


def random_save(rng):
    args = [random_big5_char(rng), random_code(rng), random_gb_char(rng), random_code(rng)]
    roll = rng.random()
    if roll < 0.1:
        args[1] = CLEAR
    elif roll < 0.2:
        args[3] = CLEAR
    return args


def timed_save(tool, args):
    start = time.monotonic()
    process = tool.start_save(args)
    _, err = process.communicate()
    if process.returncode != 0:
        fail(f"save-order {args} exited {process.returncode}: {err.decode(errors='replace')}")
    return time.monotonic() - start


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kestrane")
    parser.add_argument("table")
    parser.add_argument("--seconds", type=float, default=60.0)
    parser.add_argument("--seed", type=int, default=None)
    options = parser.parse_args()
    seed = options.seed if options.seed is not None else random.randrange(1 << 30)
    rng = random.Random(seed)
    print(f"crash_test: seed {seed}")

    with tempfile.TemporaryDirectory(prefix="kestrane-crash-") as folder:
        shutil.copyfile(options.table, Path(folder) / "Language")
        tool = Tool(options.kestrane, folder)
        expected = tool.tables()

        # Grow both tables near their ends first, so that every save writes a large file and
        # the kills land inside the write as well as before and after it.
        grow = [random_big5_char(rng, (0xF9, 0xF9)), b"A4A4", random_gb_char(rng, (0xF7, 0xF7)),
                b"B0A1"]
        duration = timed_save(tool, grow)
        expected = expected.after_save(*grow)

        deadline = time.monotonic() + options.seconds
        runs = kills = 0
        while time.monotonic() < deadline:
            args = random_save(rng)
            saved = expected.after_save(*args)
            process = tool.start_save(args)
            time.sleep(rng.uniform(0, 1.5 * duration))
            killed = process.poll() is None
            if killed:
                process.send_signal(signal.SIGKILL)
            _, err = process.communicate()
            runs += 1
            found = tool.tables()
            if killed and process.returncode == -signal.SIGKILL:
                kills += 1
                if found not in (expected, saved):
                    fail(f"run {runs}: after a kill the file holds neither the saves before "
                         f"nor those with {args}")
            elif process.returncode != 0:
                fail(f"run {runs}: save-order {args} exited {process.returncode}: "
                     f"{err.decode(errors='replace')}")
            elif found != saved:
                fail(f"run {runs}: the file lacks the successful save {args}")
            expected = found

    if kills == 0:
        fail(f"no run was killed in {runs} runs")
    print(f"crash_test: {runs} runs, {kills} killed, the table file intact after each")


if __name__ == "__main__":
    main()
