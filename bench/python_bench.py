"""Throughput of the Python module's pairs_many beside the command line's single thread.

    PYTHONPATH=build-bench/python /usr/bin/python3 bench/python_bench.py BINARY -C2E|-E2C FILE [REPEAT]

FILE is a GBK corpus, one sentence per line. The module's time covers what a
user's script does: reading the file, splitting it into lines and calling
pairs_many on one extractor (bytes lines, GBK; and str lines, UTF-8, decoded
before the clock starts). The command line runs with VESTRILO_THREADS=1. Each
figure is the best of REPEAT runs (3). Prints one table row per measurement.
"""
import os
import subprocess
import sys
import tempfile
import time

import vestrilo


def best(repeat, run):
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        result = run()
        times.append(time.perf_counter() - start)
    return min(times), result


def split_lines(data):
    lines = data.split(b"\n")
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    binary, direction, path = sys.argv[1:4]
    repeat = int(sys.argv[4]) if len(sys.argv) == 5 else 3
    size = os.path.getsize(path)

    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "pairs.txt")
        env = dict(os.environ, VESTRILO_THREADS="1")

        def command_line():
            subprocess.run([binary, direction, path, out], env=env, check=True, stdout=subprocess.DEVNULL)
            with open(out, "rb") as f:
                return sum(1 for _ in f)

        cli_seconds, cli_pairs = best(repeat, command_line)

    def module_bytes():
        with open(path, "rb") as f:
            lines = split_lines(f.read())
        return sum(len(p) for p in vestrilo.Extractor(direction[1:]).pairs_many(lines))

    module_seconds, module_pairs = best(repeat, module_bytes)

    with open(path, "rb") as f:
        text_lines = [line.decode("gbk", "replace") for line in split_lines(f.read())]
    text_seconds, text_pairs = best(repeat, lambda: sum(len(p) for p in vestrilo.Extractor(direction[1:]).pairs_many(text_lines)))

    def row(what, seconds, pairs):
        print(f"| {direction} | {what} | {seconds:.2f} | {size / seconds / 1e6:.1f} | "
              f"{cli_seconds / seconds:.2f} | {pairs:,} |")

    print("| direction | run | seconds | MB/s | share of the command line | pairs |")
    print("|---|---|---|---|---|---|")
    row("command line, 1 thread", cli_seconds, cli_pairs)
    row("pairs_many, bytes (GBK)", module_seconds, module_pairs)
    row("pairs_many, str (UTF-8)", text_seconds, text_pairs)


if __name__ == "__main__":
    main()
