"""Throughput of the Python module's pairs_many beside the command line's single thread.

    PYTHONPATH=build-bench/python /usr/bin/python3 bench/python_bench.py BINARY -C2E|-E2C FILE [REPEAT]

FILE is a GBK corpus, one sentence per line. The module's time covers what a
user's script does: reading the file, splitting it into lines and calling
pairs_many on one extractor, with bytes lines (GBK), and with str lines (UTF-8)
read from the file converted to UTF-8. Each is set beside the command line with
VESTRILO_THREADS=1 in the same encoding. Each figure is the best of REPEAT runs
(3). Prints one table row per measurement.
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
    """The lines the command line reads (bytes or str): split at LF, none after a final LF."""
    lines = data.split(b"\n" if isinstance(data, bytes) else "\n")
    if lines and not lines[-1]:
        lines.pop()
    return lines


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    binary, direction, path = sys.argv[1:4]
    repeat = int(sys.argv[4]) if len(sys.argv) == 5 else 3

    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "pairs.txt")
        utf8_path = os.path.join(scratch, "corpus.utf8.txt")
        with open(path, "rb") as f, open(utf8_path, "wb") as g:
            g.write(f.read().decode("gbk", "replace").encode("utf-8"))

        def command_line(file, encoding):
            env = dict(os.environ, VESTRILO_THREADS="1", VESTRILO_ENCODING=encoding)

            def run():
                subprocess.run([binary, direction, file, out], env=env, check=True, stdout=subprocess.DEVNULL)
                with open(out, "rb") as f:
                    return sum(1 for _ in f)

            return best(repeat, run)

        def module(file, text):
            def run():
                with open(file, "rb") as f:
                    data = f.read()
                lines = split_lines(data.decode("utf-8", "surrogateescape") if text else data)
                return sum(len(p) for p in vestrilo.Extractor(direction[1:]).pairs_many(lines))

            return best(repeat, run)

        rows = []
        for what, file, encoding, text in (("bytes (GBK)", path, "GBK", False),
                                           ("str (UTF-8)", utf8_path, "UTF-8", True)):
            cli_seconds, cli_pairs = command_line(file, encoding)
            seconds, pairs = module(file, text)
            rows.append((what, os.path.getsize(file), cli_seconds, cli_pairs, seconds, pairs))

    print("| direction | lines given as | command line, 1 thread: s, MB/s | pairs_many: s, MB/s | share | pairs |")
    print("|---|---|---|---|---|---|")
    for what, size, cli_seconds, cli_pairs, seconds, pairs in rows:
        same = "" if cli_pairs == pairs else " (pairs differ: %d)" % cli_pairs
        print(f"| {direction} | {what} | {cli_seconds:.2f}, {size / cli_seconds / 1e6:.1f} | "
              f"{seconds:.2f}, {size / seconds / 1e6:.1f} | {cli_seconds / seconds:.2f} | {pairs:,}{same} |")


if __name__ == "__main__":
    main()
