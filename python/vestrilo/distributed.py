"""Vestrilo on a Dask cluster: the output of one vestrilo run, computed by many workers.

    /usr/bin/python3 -m vestrilo.distributed -C2E|-E2C INPUT... OUTPUT [--scheduler ADDRESS]
        [--workers N] [--block-size BYTES] [--encoding GBK|UTF-8] [--rules classic|extended]
        [--connect-timeout SECONDS] [--no-workers-timeout SECONDS]

The input files are read as one stream of lines, one file after the other (as
`cat INPUT...` would give them), and OUTPUT receives byte for byte what one
`vestrilo` run over that stream writes. Without --scheduler the run starts a local
cluster of N worker processes (default: one per core) that listens on
127.0.0.1 only and serves no HTTP; with it, it uses the workers of a running
Dask scheduler.

The inputs are regular files (the workers read them by position): a pipe, a
device or a standard stream is refused with a message naming it. OUTPUT is
written as a temporary file beside it and renamed over it when complete (through
a symbolic link: over the link's target, keeping an existing file's mode); a
FIFO or a device is written directly. OUTPUT may not be one of the inputs.

How the work divides
--------------------
- The coordinator (this process) cuts the stream into blocks of about
  --block-size bytes by position alone, without reading the input: a block owns
  the lines that begin inside it.
- Each block is one task. The worker reads the block's bytes from the input files
  (every worker must reach them under the same paths, e.g. on a shared file
  system, and have the vestrilo package installed), skips the line that began in
  the block before, reads on past the block's end to finish its own last line,
  runs every line through an extractor and reduces the pairs to those that can
  still be written when the block comes after any earlier text: the first
  occurrence in the block of each pair, with its second reading (a later one
  never is). It sends these back as one bytes object (vestrilo.reduce_block).
- The coordinator admits the blocks' pairs strictly in input order through one
  registry (vestrilo.Registry.admit_block), the rule of a single run, and appends the new pairs to a temporary
  file next to OUTPUT, renamed to OUTPUT once the last block is in. A pair first
  seen in a later block is thus written where the single run writes it.

Memory: a worker holds one block, its lines' pairs and their reduction (a few
times the block size at most). The coordinator holds the registry (the distinct
pairs written so far, which a single run holds too) and the packed results of
blocks that finished ahead of their turn (at most a window of a few blocks per
worker), never the input text.

Failures: when a worker dies, Dask runs its blocks again on another worker (a
local cluster also restarts the process), and the output does not change. A block
may take as long as it needs. Each of these ends the run with one line on standard
error naming the cause, and status 1, OUTPUT left as it was: no scheduler answering
at ADDRESS within --connect-timeout (30 s), the scheduler lost during the run, the
vestrilo module missing on a worker, no workers for --no-workers-timeout (120 s), a
block whose workers keep dying, an input that cannot be opened or read, an output
that cannot be written.
"""

import argparse
import concurrent.futures
import logging
import os
import stat
import sys
import tempfile
import time

from . import _vestrilo

_READ = 1 << 16
_DEFAULT_BLOCK = 16 << 20
_CONNECT_TIMEOUT = 30.0  # seconds for a scheduler to answer
_NO_WORKERS_TIMEOUT = 120.0  # seconds without any worker before the run gives up
_POLL = 1.0  # seconds between looks at the cluster while a block is awaited
# A test hook: "START:SECONDS" makes the block that starts at byte START take that much longer.
_SLOW_BLOCK = "_VESTRILO_SLOW_BLOCK"


class RunError(Exception):
    """A failure that ends the run; its text is the message for the user."""


class _Stream:
    """The input files as one stream of bytes."""

    def __init__(self, files):
        self.files = files  # [(path, size)]
        self.size = sum(size for _, size in files)

    def read(self, position, count):
        out = []
        offset = 0
        for path, size in self.files:
            if count <= 0:
                break
            if position < offset + size:
                at = max(position - offset, 0)
                take = min(size - at, count)
                with open(path, "rb") as f:
                    f.seek(at)
                    piece = f.read(take)
                if len(piece) != take:
                    raise OSError("unable to read input file: " + path)
                out.append(piece)
                position += take
                count -= take
            offset += size
        return b"".join(out)

    def line_end(self, position):
        """The position just past the first line feed at or after position (or the stream's end)."""
        while position < self.size:
            chunk = self.read(position, _READ)
            lf = chunk.find(b"\n")
            if lf >= 0:
                return position + lf + 1
            position += len(chunk)
        return self.size


def _block_lines(stream, start, end):
    """The bytes of the lines that begin in [start, end) of the stream."""
    begin = start
    if start > 0 and stream.read(start - 1, 1) != b"\n":
        begin = stream.line_end(start)  # that line belongs to the block before
    if begin >= end:
        return b""
    data = stream.read(begin, end - begin)
    if not data.endswith(b"\n") and end < stream.size:
        data += stream.read(end, stream.line_end(end) - end)
    return data


def _process_block(files, start, end, direction, encoding, rules):
    """A worker's task: the reduced pairs of one block, as bytes."""
    slow = os.environ.get(_SLOW_BLOCK, "").split(":")
    if len(slow) == 2 and slow[0] == str(start):
        time.sleep(float(slow[1]))
    data = _block_lines(_Stream(files), start, end)
    # At the start of the input a byte-order mark is skipped as the command line skips it.
    extractor = _vestrilo.Extractor(direction, encoding, rules)
    return _vestrilo.reduce_block(extractor, data, start_of_input=start == 0)


class _Progress:
    """A progress bar of blocks done, on standard error."""

    def __init__(self, total, stream):
        self.total, self.stream, self.done, self.shown = total, stream, 0, 0.0

    def advance(self):
        self.done += 1
        now = time.monotonic()
        if self.done == self.total or now - self.shown >= 0.1:
            self.shown = now
            width = 30
            filled = width * self.done // max(self.total, 1)
            self.stream.write("\r[%s%s] %d/%d blocks" % ("#" * filled, "." * (width - filled), self.done, self.total))
            self.stream.flush()

    def close(self):
        if self.done:  # the bar is on the screen: the line is ended, and a message goes below it
            self.stream.write("\n")
            self.stream.flush()


def _encoding_name(name):
    try:
        return _vestrilo._encoding_name(name)
    except ValueError:
        raise RunError("Error: --encoding must be GBK or UTF-8") from None


def _rules_name(name):
    try:
        return _vestrilo.Extractor("C2E", "GBK", name).rules
    except ValueError:
        raise RunError("Error: --rules must be classic or extended") from None


def _input_files(paths):
    """[(absolute path, size, (device, inode))] of the inputs, which must be regular files."""
    files = []
    for path in paths:
        try:
            info = os.stat(path)
        except OSError as e:
            raise RunError("Error: unable to open input file! (%s: %s)" % (path, e.strerror or e)) from None
        if stat.S_ISDIR(info.st_mode):
            raise RunError("Error: unable to read input file! (%s is a directory)" % path)
        # Through links to the file itself, so that the workers open what this process sees
        # (/dev/stdin names another file in each process).
        real = os.path.realpath(path)
        try:
            same = os.path.samestat(os.stat(real), info)
        except OSError:
            same = False
        if not stat.S_ISREG(info.st_mode) or not same:
            raise RunError("Error: unable to read input file! (%s is not a regular file: the workers read the input "
                           "by position, so save a stream to a file first)" % path)
        try:
            with open(real, "rb"):
                pass
        except OSError as e:
            raise RunError("Error: unable to open input file! (%s: %s)" % (path, e.strerror or e)) from None
        files.append((real, info.st_size, (info.st_dev, info.st_ino)))
    return files


class _Output:
    """OUTPUT written whole or not at all: a regular file (or a new one) is written beside its place and
    renamed over it by close(); a FIFO or a device is written directly."""

    def __init__(self, path, inputs):
        self.path = path
        self.target = os.path.realpath(path)  # through symbolic links, their target
        self.temporary = None
        try:
            info = os.stat(self.target)
        except FileNotFoundError:
            info = None
        except OSError as e:
            raise self.error("open", e) from None
        if info is not None and any((info.st_dev, info.st_ino) == identity for _, _, identity in inputs):
            raise RunError("Error: output file is the input file! (%s)" % path)
        try:
            if info is not None and stat.S_ISDIR(info.st_mode):
                raise IsADirectoryError(21, "Is a directory")
            if info is not None and not stat.S_ISREG(info.st_mode):
                self.file = open(self.target, "wb")
                return
            handle, self.temporary = tempfile.mkstemp(dir=os.path.dirname(self.target),
                                                      prefix="." + os.path.basename(self.target) + ".",
                                                      suffix=".partial")
            self.file = os.fdopen(handle, "wb")
            if info is not None:  # the old file's owner (where allowed) and mode
                try:
                    os.chown(self.temporary, info.st_uid, info.st_gid)
                except OSError:
                    pass
                os.chmod(self.temporary, info.st_mode & 0o7777)
            else:
                umask = os.umask(0)
                os.umask(umask)
                os.chmod(self.temporary, 0o666 & ~umask)
        except OSError as e:
            self.discard()
            raise self.error("open", e) from None

    def error(self, what, e):
        return RunError("Error: unable to %s output file! (%s: %s)" % (what, self.path, e.strerror or e))

    def write(self, data):
        try:
            self.file.write(data)
        except OSError as e:
            raise self.error("write", e) from None

    def close(self):
        try:
            self.file.flush()
            if self.temporary:
                os.fsync(self.file.fileno())
            self.file.close()
            if self.temporary:
                os.replace(self.temporary, self.target)
                self.temporary = None
        except OSError as e:
            raise self.error("write", e) from None
        finally:
            self.discard()

    def discard(self):
        file = getattr(self, "file", None)
        if file is not None and not file.closed:
            try:
                file.close()
            except OSError:
                pass
        if self.temporary:
            try:
                os.unlink(self.temporary)
            except OSError:
                pass
            self.temporary = None


def _stop_http_server(dask_worker=None, dask_scheduler=None):
    """Closes the HTTP port of a worker or the scheduler (a local cluster serves no dashboard)."""
    (dask_worker or dask_scheduler).http_server.stop()


def _client(scheduler, workers, connect_timeout):
    from dask.distributed import Client, LocalCluster

    if scheduler:
        try:
            return Client(scheduler, timeout=connect_timeout), None
        except (OSError, ValueError) as e:  # connect failures and time-outs are OSErrors
            raise RunError("Error: no scheduler at %s (%s)" % (scheduler, e)) from None
    # Only this machine may talk to the cluster. Dask opens an HTTP port in the scheduler and in each
    # worker whatever the dashboard: on 127.0.0.1 too, and closed again once the cluster is up.
    cluster = LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, host="127.0.0.1",
                           dashboard_address="127.0.0.1:0", worker_dashboard_address="127.0.0.1:0",
                           silence_logs=logging.ERROR)
    try:
        client = Client(cluster)
        client.run_on_scheduler(_stop_http_server)
        client.run(_stop_http_server)
    except BaseException:
        cluster.close()
        raise
    return client, cluster


def _check_workers(client):
    """Names the first worker that cannot import the vestrilo package."""
    found = client.run(eval, "__import__('importlib.util').util.find_spec('vestrilo') is not None",
                       on_error="return")
    for worker, ok in sorted(found.items()):
        if ok is not True:
            raise RunError("Error: the vestrilo module is missing on worker %s (install it there, or give the "
                           "worker a PYTHONPATH that has it)" % worker)


def run(direction, inputs, output, scheduler=None, workers=None, block_size=_DEFAULT_BLOCK, encoding="GBK",
        progress=None, rules="classic", connect_timeout=_CONNECT_TIMEOUT, no_workers_timeout=_NO_WORKERS_TIMEOUT):
    """Writes to output what `vestrilo -<direction>` writes for the inputs read one after the other.

    direction is "C2E" or "E2C". Raises RunError with the user's message on failure, leaving output as it was.
    """
    encoding = _encoding_name(encoding)
    rules = _rules_name(rules)
    try:
        _vestrilo.Extractor(direction, encoding)
    except ValueError:
        raise RunError('Error: the direction must be "-C2E" or "-E2C"') from None
    if block_size < 1:
        raise RunError("Error: --block-size must be a positive number")
    files = _input_files(inputs)
    stream_size = sum(size for _, size, _ in files)
    starts = list(range(0, stream_size, block_size))

    out = _Output(output, files)
    bar = _Progress(len(starts), progress) if progress else None
    client = cluster = None
    try:
        if starts:
            client, cluster = _client(scheduler, workers or os.cpu_count() or 1, connect_timeout)
            _check_workers(client)
            _merge_blocks(client, scheduler or client.scheduler.address, [(path, size) for path, size, _ in files],
                          starts, block_size, stream_size, direction, encoding, rules, out, bar,
                          no_workers_timeout)
        out.close()
    finally:
        out.discard()
        if bar:
            bar.close()
        if client is not None:
            client.close()
        if cluster is not None:
            cluster.close()


def _merge_blocks(client, address, files, starts, block_size, stream_size, direction, encoding, rules, out, bar,
                  no_workers_timeout):
    from dask.distributed import wait
    from distributed.scheduler import KilledWorker

    registry = _vestrilo.Registry()
    window = max(8, 4 * len(client.scheduler_info().get("workers", {})))
    pending = {}  # block number -> future
    submitted = 0
    no_workers_since = None

    def lost():
        return RunError("Error: lost the scheduler at %s" % address)

    for index in range(len(starts)):
        while submitted < len(starts) and submitted < index + window:
            start = starts[submitted]
            end = min(start + block_size, stream_size)
            pending[submitted] = client.submit(_process_block, files, start, end, direction, encoding, rules, pure=False,
                                               key="vestrilo-block-%d-%s" % (submitted, os.getpid()))
            submitted += 1
        future = pending.pop(index)
        # A block takes as long as it takes; meanwhile the run looks for a lost scheduler and for workers.
        while True:
            try:
                wait([future], timeout=_POLL)
            except TimeoutError:
                pass
            except concurrent.futures.CancelledError:  # the scheduler went, and the block with it
                raise lost() from None
            if future.done():
                break
            if client.status != "running" or future.status == "cancelled":
                raise lost()
            if client.scheduler_info().get("workers"):
                no_workers_since = None
            elif no_workers_since is None:
                no_workers_since = time.monotonic()
            elif time.monotonic() - no_workers_since > no_workers_timeout:
                raise RunError("Error: no workers to run the blocks for %g s" % no_workers_timeout)
        try:
            packed = future.result()
        except KilledWorker:
            raise RunError("Error: block %d of %d kept losing its worker; giving up" % (index + 1, len(starts)))
        except (concurrent.futures.CancelledError, TimeoutError):
            raise lost() from None
        except ImportError as e:  # a worker that joined after the check
            raise RunError("Error: the vestrilo module is missing on a worker (%s)" % e) from None
        except OSError as e:
            raise RunError("Error: unable to read input file! (%s)" % e) from None
        except ValueError as e:
            raise RunError("Error: %s" % e) from None
        del future
        out.write(registry.admit_block(packed))
        if bar:
            bar.advance()


def main(argv=None):
    parser = argparse.ArgumentParser(
        prog="python3 -m vestrilo.distributed",
        description="Runs vestrilo over INPUT... (one stream of lines) on a Dask cluster and writes to OUTPUT "
                    "exactly what one vestrilo run writes.")
    direction = parser.add_mutually_exclusive_group(required=True)
    direction.add_argument("-C2E", dest="direction", action="store_const", const="C2E",
                           help="word-segmented Chinese in, English translations")
    direction.add_argument("-E2C", dest="direction", action="store_const", const="E2C",
                           help="English in, Chinese translations")
    parser.add_argument("paths", nargs="+", metavar="INPUT... OUTPUT", help="input files, then the output file")
    parser.add_argument("--scheduler", metavar="ADDRESS", help="a running Dask scheduler (default: a local cluster)")
    parser.add_argument("--workers", type=int, metavar="N", help="worker processes of the local cluster "
                        "(default: one per core)")
    parser.add_argument("--block-size", type=int, default=_DEFAULT_BLOCK, metavar="BYTES",
                        help="bytes of input per task (default: %d)" % _DEFAULT_BLOCK)
    parser.add_argument("--encoding", default="GBK", metavar="GBK|UTF-8", help="of the input and output (GBK)")
    parser.add_argument("--rules", default="classic", metavar="classic|extended",
                        help="the rules applied (classic)")
    parser.add_argument("--connect-timeout", type=float, default=_CONNECT_TIMEOUT, metavar="SECONDS",
                        help="how long a scheduler given may take to answer (%g)" % _CONNECT_TIMEOUT)
    parser.add_argument("--no-workers-timeout", type=float, default=_NO_WORKERS_TIMEOUT, metavar="SECONDS",
                        help="how long the run waits when the cluster has no workers (%g)" % _NO_WORKERS_TIMEOUT)
    args = parser.parse_args(argv)
    # Dask's own reports of a lost connection and the like are said in one line instead.
    logging.disable(logging.CRITICAL)
    if len(args.paths) < 2:
        parser.error("give at least one INPUT and the OUTPUT")
    if args.workers is not None and args.workers < 1:
        parser.error("--workers must be a positive number")
    try:
        run(args.direction, args.paths[:-1], args.paths[-1], scheduler=args.scheduler, workers=args.workers,
            block_size=args.block_size, encoding=args.encoding, progress=sys.stderr, rules=args.rules,
            connect_timeout=args.connect_timeout, no_workers_timeout=args.no_workers_timeout)
    except RunError as e:
        sys.stderr.write(str(e) + "\n")
        return 1
    except KeyboardInterrupt:
        sys.stderr.write("Error: interrupted\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
