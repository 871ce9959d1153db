#!/usr/bin/env python3
"""Runs the in-memory scan benchmarks (kestrane_bench_core) and prints, for every kernel and
text, the median speed beside memcpy of a buffer of the same size and the ratio of the two.
The repetitions of all benchmarks are interleaved, so a slow moment of a shared machine
falls on all of them alike.

Text: the synthetic Chinese text of bench/BenchText.cpp, and with CORPUS_DIR the corpus of
bench/make-corpus.sh as well.

Usage: scan-ratios.py KESTRANE_BENCH_CORE [CORPUS_DIR] [REPETITIONS]
"""
import json
import os
import statistics
import subprocess
import sys


def medians(bench, repetitions, corpus):
    environment = dict(os.environ)
    environment.pop("KESTRANE_BENCH_CORPUS", None)
    if corpus:
        environment["KESTRANE_BENCH_CORPUS"] = corpus
    output = subprocess.run(
        [bench, "--benchmark_filter=^(Scan|Memcpy)/", "--benchmark_format=json",
         f"--benchmark_repetitions={repetitions}", "--benchmark_enable_random_interleaving=true",
         "--benchmark_min_time=0.2"],
        env=environment, check=True, stdout=subprocess.PIPE).stdout
    speeds = {}
    for run in json.loads(output)["benchmarks"]:
        if run.get("run_type") == "iteration":
            speeds.setdefault(run["run_name"], []).append(run["bytes_per_second"] / 1e9)
    return {name: statistics.median(values) for name, values in speeds.items()}


def report(title, speeds):
    print(f"\n{title}")
    print(f"{'benchmark':<34} {'GB/s':>7} {'memcpy GB/s':>12} {'ratio':>7}")
    for name, speed in sorted(speeds.items()):
        if not name.startswith("Scan/"):
            continue
        text = name.rsplit("/", 1)[-1]
        memcpy = speeds[f"Memcpy/{text}"]
        print(f"{name:<34} {speed:7.2f} {memcpy:12.2f} {speed / memcpy:7.2f}")


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    bench = sys.argv[1]
    corpus = sys.argv[2] if len(sys.argv) > 2 else None
    repetitions = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    report(f"synthetic text, median of {repetitions}", medians(bench, repetitions, None))
    if corpus:
        report(f"corpus {corpus}, median of {repetitions}", medians(bench, repetitions, corpus))


if __name__ == "__main__":
    main()
