#!/usr/bin/env python3
"""Times `kestrane gb2big5` and `big52gb` on a corpus beside their peers, all in one run.

For each direction, on the corpus file of its source encoding:
  file to file   kestrane FILE -o OUT, autob5/autogb, iconv, uconv, cp, cat
  from a pipe    cat FILE | COMMAND > OUT for kestrane, autob5/autogb, iconv and cat itself
and the start-up to the first output byte of kestrane (full shipped table) and cat on a
one-line input, with hyperfine. Every command runs once per round, the rounds repeat, and the
median of the rounds counts. Prints MB/s, the ratio of kestrane's speed to each peer's, and
the peak memory of each command; the outputs of kestrane are checked against each other.

Usage: compare.py KESTRANE CORPUS_DIR [RUNS]     (the corpus: bench/make-corpus.sh)
"""
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

DIRECTIONS = (
    # source file, kestrane command, zh-autoconvert peer, iconv and uconv encodings
    ("corpus-gb.txt", "gb2big5", "autob5", "GBK", "BIG5", "gbk", "big5"),
    ("corpus-big5.txt", "big52gb", "autogb", "BIG5", "GBK", "big5", "gbk"),
)


def timed(stages, source, output, rss=None):
    """Runs the stages as one pipeline (stdin of the first: source, stdout of the last: output)
    and returns the elapsed seconds; with rss, GNU time writes the peak memory of the last
    stage there (in KiB), at the cost of one more process."""
    commands = stages[:-1] + [(["/usr/bin/time", "-f", "%M", "-o", rss] if rss else []) + stages[-1]]
    with open(source, "rb") as stdin, open(output, "wb") as stdout:
        start = time.perf_counter()
        processes, upstream = [], stdin
        for index, command in enumerate(commands):
            final = index == len(commands) - 1
            process = subprocess.Popen(command, stdin=upstream,
                                       stdout=stdout if final else subprocess.PIPE,
                                       stderr=subprocess.DEVNULL)
            if upstream is not stdin:
                upstream.close()
            upstream = process.stdout
            processes.append(process)
        statuses = [process.wait() for process in processes]
        elapsed = time.perf_counter() - start
    if any(statuses):
        raise SystemExit(f"{stages} failed with {statuses}")
    return elapsed


def candidates(kestrane, path, direction, peer, iconv_from, iconv_to, uconv_from, uconv_to, work):
    """(group, name, stages, output file) of every command to time."""
    out = os.path.join(work, "out")
    runs = [
        ("file", f"kestrane {direction} FILE -o OUT", [[kestrane, direction, path, "-o", out]], None),
        ("file", peer, [[peer]], out),
        ("file", f"iconv -c -f {iconv_from} -t {iconv_to}",
         [["iconv", "-c", "-f", iconv_from, "-t", iconv_to, path]], out),
        ("file", f"uconv -f {uconv_from} -t {uconv_to}",
         [["uconv", "-c", "-f", uconv_from, "-t", uconv_to, path]], out),
        ("file", "cp", [["cp", path, out]], None),
        ("file", "cat FILE > OUT", [["cat", path]], out),
        ("pipe", f"cat | kestrane {direction}", [["cat"], [kestrane, direction]], out),
        ("pipe", f"cat | {peer}", [["cat"], [peer]], out),
        ("pipe", f"cat | iconv -c -f {iconv_from} -t {iconv_to}",
         [["cat"], ["iconv", "-c", "-f", iconv_from, "-t", iconv_to]], out),
        ("pipe", "cat | cat", [["cat"], ["cat"]], out),
    ]
    return [run for run in runs if shutil.which(run[2][-1][0])]


def measure(runs, path, work, rounds):
    """Median seconds of each run, the runs interleaved round by round, and its peak KiB."""
    times = {name: [] for _, name, _, _ in runs}
    for round_ in range(rounds + 1):
        for _, name, stages, stdout in runs:
            # Every command writes a new file: replacing one costs a flush of the old one on ext4.
            for written in ("out", "stdout"):
                if os.path.exists(os.path.join(work, written)):
                    os.remove(os.path.join(work, written))
            # The first round, not timed, measures the peak memory.
            rss = os.path.join(work, "rss") if round_ == 0 else None
            elapsed = timed(stages, path, stdout or os.path.join(work, "stdout"), rss)
            if rss:
                with open(rss) as peak:
                    times[name + " peak"] = int(peak.read().split()[-1])
            else:
                times[name].append(elapsed)
    return {name: (statistics.median(times[name]), times[name + " peak"]) for _, name, _, _ in runs}


def check_outputs(kestrane, path, direction, work):
    """kestrane's output from a file and from a pipe must be the same bytes."""
    from_file = os.path.join(work, "from-file")
    subprocess.run([kestrane, direction, path, "-o", from_file], check=True)
    with open(path, "rb") as source:
        piped = subprocess.run(f"cat | '{kestrane}' {direction}", shell=True, stdin=source,
                               stdout=subprocess.PIPE, check=True).stdout
    with open(from_file, "rb") as converted:
        if converted.read() != piped:
            raise SystemExit(f"kestrane {direction}: file and pipe outputs differ")


def report(title, size_mb, results, base_name):
    base = results[base_name][0]
    print(f"\n{title}")
    print(f"{'command':<36} {'MB/s':>7} {'kestrane/this':>14} {'peak MiB':>9}")
    for name, (seconds, peak) in results.items():
        print(f"{name:<36} {size_mb / seconds:7.0f} {seconds / base:14.2f} {peak / 1024:9.1f}")


def startup(kestrane, work, rounds, runs=20):
    """Median start-up of kestrane (loading the full shipped table) and cat on one line. The
    commands take turns in short batches, so that a change of load falls on all of them."""
    if not shutil.which("hyperfine"):
        print("\nstart-up: hyperfine is not installed (bash scripts/install-deps.sh bench)")
        return
    line = os.path.join(work, "line.txt")
    with open(line, "wb") as text:
        text.write("\u4e2d\u6587 text\n".encode("gbk"))
    export = os.path.join(work, "startup.json")
    names = ["kestrane gb2big5", "kestrane big52gb", "cat"]
    commands = [f"{kestrane} gb2big5 {line}", f"{kestrane} big52gb {line}", f"cat {line}"]
    times = [[] for _ in commands]
    for _ in range(rounds):
        subprocess.run(["hyperfine", "-N", "-w", "5", "-r", str(runs), "--export-json", export]
                       + commands, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(export) as data:
            for collected, result in zip(times, json.load(data)["results"]):
                collected.extend(result["times"])
    medians = [statistics.median(collected) for collected in times]
    print(f"\nstart-up to the first output byte, one-line input, median of {rounds * runs} runs")
    print(f"{'command':<36} {'ms':>7} {'this/cat':>14}")
    for name, median in zip(names, medians):
        print(f"{name:<36} {median * 1e3:7.2f} {median / medians[-1]:14.2f}")


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    kestrane, corpus = os.path.abspath(sys.argv[1]), sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    work = tempfile.mkdtemp(prefix="kestrane-compare-")
    # The shipped table, as a user without a host installation gets it.
    os.environ.pop("KESTRANE_REGISTRY", None)
    try:
        for source, direction, *peers in DIRECTIONS:
            path = os.path.join(corpus, source)
            size_mb = os.path.getsize(path) / 1e6
            check_outputs(kestrane, path, direction, work)
            runs = candidates(kestrane, path, direction, *peers, work)
            results = measure(runs, path, work, rounds)
            for group, title in (("file", "file to file"), ("pipe", "from a pipe")):
                names = [name for kind, name, _, _ in runs if kind == group]
                report(f"{source} ({size_mb:.1f} MB), {title}, median of {rounds} rounds",
                       size_mb, {name: results[name] for name in names}, names[0])
        startup(kestrane, work, 10)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
