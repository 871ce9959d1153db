#!/usr/bin/env python3
"""Times `kestrane gb2big5` and `big52gb` on a corpus beside iconv, autob5/autogb, cp and cat,
all in one run. Prints the median of several runs in MB/s, each peer's ratio to kestrane, and
the peak memory of each command.

Usage: compare.py KESTRANE CORPUS_DIR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(command, stdin_path, stdout_path, rss_path):
    # GNU time reports the peak memory of the command itself, not of this Python process.
    timed = ["/usr/bin/time", "-f", "%M", "-o", rss_path] + command
    with open(stdin_path, "rb") as stdin, open(stdout_path, "wb") as stdout:
        start = time.perf_counter()
        status = subprocess.call(timed, stdin=stdin, stdout=stdout, stderr=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{' '.join(command)} failed with status {status}")
    with open(rss_path) as rss:
        return elapsed, int(rss.read().split()[-1])


def measure(name, command, source, output, runs):
    times, peak = [], 0
    for _ in range(runs):
        elapsed, rss = run_once(command, source, output, output + ".rss")
        times.append(elapsed)
        peak = max(peak, rss)
    return name, statistics.median(times), peak


def main():
    kestrane, corpus = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    work = tempfile.mkdtemp(prefix="kestrane-compare-")
    output = os.path.join(work, "out")
    cp_target = os.path.join(work, "copy")
    try:
        for source, direction, peer, iconv_from, iconv_to in (
            ("corpus-gb.txt", "gb2big5", "autob5", "GBK", "BIG5"),
            ("corpus-big5.txt", "big52gb", "autogb", "BIG5", "GBK"),
        ):
            path = os.path.join(corpus, source)
            size_mb = os.path.getsize(path) / 1e6
            commands = [
                (f"kestrane {direction}", [kestrane, direction]),
                (f"kestrane {direction} FILE", [kestrane, direction, path]),
                (f"iconv -c -f {iconv_from} -t {iconv_to}", ["iconv", "-c", "-f", iconv_from, "-t", iconv_to]),
                ("cp", ["cp", path, cp_target]),
                ("cat", ["cat"]),
            ]
            if shutil.which(peer):
                commands.insert(2, (peer, [peer]))
            results = [measure(name, command, path, output, runs) for name, command in commands]
            base = results[0][1]
            print(f"\n{source}: {size_mb:.1f} MB, median of {runs} runs")
            print(f"{'command':<34} {'MB/s':>9} {'kestrane/peer':>14} {'peak MiB':>9}")
            for name, seconds, peak in results:
                print(f"{name:<34} {size_mb / seconds:9.0f} {seconds / base:14.2f} {peak / 1024:9.1f}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
