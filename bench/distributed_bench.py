"""The distributed run on a local cluster beside the threaded command line, and where its time goes.

    PYTHONPATH=build-bench/python /usr/bin/python3 bench/distributed_bench.py BINARY -C2E|-E2C FILE [WORKERS] [BLOCK]

Prints, for FILE (one sentence per line):
- the command line with its default threads (one per core);
- `python3 -m vestrilo.distributed` with a local cluster of WORKERS processes (2) started by the run itself, and the
  same run against a cluster already started (its start-up time apart);
- where the time goes: the cluster's start, the workers' share (every block extracted and reduced in this process,
  one after the other, divided by the workers), and the coordinator's merge of the packed blocks (one process).
The outputs of the runs are compared with the command line's.
"""
import logging
import os
import subprocess
import sys
import tempfile
import time

import vestrilo
from vestrilo import _vestrilo
from vestrilo import distributed


def timed(run):
    start = time.perf_counter()
    result = run()
    return time.perf_counter() - start, result


def main():
    if len(sys.argv) not in (4, 5, 6):
        sys.exit(__doc__)
    binary, direction, path = sys.argv[1:4]
    workers = int(sys.argv[4]) if len(sys.argv) > 4 else 2
    block = int(sys.argv[5]) if len(sys.argv) > 5 else 16 << 20
    size = os.path.getsize(path)
    with tempfile.TemporaryDirectory() as scratch:
        cli_out, dist_out = os.path.join(scratch, "cli.txt"), os.path.join(scratch, "dist.txt")
        env = dict(os.environ)
        env.pop("VESTRILO_THREADS", None)
        cli, _ = timed(lambda: subprocess.run([binary, direction, path, cli_out], env=env, check=True,
                                              stdout=subprocess.DEVNULL))
        command = [sys.executable, "-m", "vestrilo.distributed", direction, path, dist_out, "--workers", str(workers),
                   "--block-size", str(block)]
        whole, _ = timed(lambda: subprocess.run(command, check=True, stderr=subprocess.DEVNULL))
        same = open(cli_out, "rb").read() == open(dist_out, "rb").read()

        from dask.distributed import LocalCluster

        start, cluster = timed(lambda: LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                                                    dashboard_address=None, silence_logs=logging.ERROR))
        with cluster:
            warm, _ = timed(lambda: subprocess.run(command + ["--scheduler", cluster.scheduler_address], check=True,
                                                   stderr=subprocess.DEVNULL))
        same = same and open(cli_out, "rb").read() == open(dist_out, "rb").read()

    # The two halves of the work, each in this process.
    files = [(os.path.abspath(path), size)]
    starts = range(0, size, block)
    extract, packed = timed(lambda: [distributed._process_block(files, s, min(s + block, size), direction[1:], "GBK")
                                     for s in starts])
    merger = _vestrilo.Registry()
    merge, _ = timed(lambda: [merger.admit_block(p) for p in packed])

    print("| direction | run | seconds | MB/s | time / command line |")
    print("|---|---|---|---|---|")
    for what, seconds in (("command line, default threads", cli), ("distributed, own local cluster", whole),
                          ("distributed, cluster already up", warm)):
        print(f"| {direction} | {what} | {seconds:.2f} | {size / seconds / 1e6:.1f} | {seconds / cli:.2f} |")
    print()
    print(f"{direction}: {len(starts)} blocks of {block} bytes, {workers} workers, outputs "
          f"{'identical' if same else 'DIFFER'}; cluster start {start:.2f} s, extraction and reduction "
          f"{extract:.2f} s in one process ({extract / workers:.2f} s per worker), coordinator's merge {merge:.2f} s "
          f"({len(merger)} pairs), packed results {sum(len(p) for p in packed) / 1e6:.1f} MB")


if __name__ == "__main__":
    main()
