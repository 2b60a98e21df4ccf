"""python3 -m vestrilo.distributed against one run of the command line."""
import json
import os
import pathlib
import resource
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time

import pytest

distributed = pytest.importorskip("distributed", reason="Dask distributed (python3-distributed) is not installed")

SOURCE = pathlib.Path(os.environ.get("VESTRILO_SOURCE_DIR", pathlib.Path(__file__).resolve().parents[2]))
BINARY = os.environ.get("VESTRILO_BINARY", "vestrilo")
GENERATOR = os.environ.get("VESTRILO_GEN_CORPUS")
EXAMPLES = {"C2E": SOURCE / "examples" / "chinese.txt", "E2C": SOURCE / "examples" / "english.txt"}


@pytest.fixture(scope="module")
def cluster():
    """A local cluster of two worker processes, shared by the runs that name its scheduler."""
    import logging

    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                                  silence_logs=logging.ERROR) as c:
        yield c


def single_run(direction, inputs, tmp_path, encoding="GBK", rules=""):
    """What one vestrilo run writes for the inputs read one after the other."""
    joined = tmp_path / "joined.txt"
    joined.write_bytes(b"".join(pathlib.Path(p).read_bytes() for p in inputs))
    out = tmp_path / "single.txt"
    env = dict(os.environ, VESTRILO_ENCODING=encoding, VESTRILO_RULES=rules)
    subprocess.run([BINARY, "-" + direction, str(joined), str(out)], env=env, check=True, stdout=subprocess.DEVNULL)
    return out.read_bytes()


def distributed_run(direction, inputs, output, *options, wait=True):
    command = [sys.executable, "-m", "vestrilo.distributed", "-" + direction, *map(str, inputs), str(output),
               *map(str, options)]
    if not wait:
        return subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return subprocess.run(command, capture_output=True, timeout=600)


@pytest.fixture(scope="module")
def corpora(tmp_path_factory):
    """A generated corpus of 100,000 lines per direction."""
    if not GENERATOR:
        pytest.skip("VESTRILO_GEN_CORPUS (the corpus generator) is not given")
    made = {}
    for direction in ("C2E", "E2C"):
        path = tmp_path_factory.mktemp("corpus") / (direction + ".txt")
        subprocess.run([GENERATOR, "-" + direction, "9", "2004", "1", str(path)], check=True)
        lines = path.read_bytes().split(b"\n")[:100000]
        path.write_bytes(b"\n".join(lines) + b"\n")
        made[direction] = path
    return made


@pytest.mark.parametrize("direction", ["C2E", "E2C"])
def test_examples_on_a_local_cluster_of_its_own(direction, tmp_path):
    out = tmp_path / "out.txt"
    r = distributed_run(direction, [EXAMPLES[direction]], out, "--workers", 2, "--block-size", 2000)
    assert r.returncode == 0, r.stderr
    assert b"blocks" in r.stderr  # the progress bar
    assert out.read_bytes() == single_run(direction, [EXAMPLES[direction]], tmp_path)


@pytest.mark.parametrize("direction", ["C2E", "E2C"])
def test_generated_corpus_in_many_small_blocks(direction, corpora, cluster, tmp_path):
    out = tmp_path / "out.txt"
    r = distributed_run(direction, [corpora[direction]], out, "--scheduler", cluster.scheduler_address,
                        "--block-size", 50000)
    assert r.returncode == 0, r.stderr
    expected = single_run(direction, [corpora[direction]], tmp_path)
    assert expected.count(b"\n") > 10000
    assert out.read_bytes() == expected


@pytest.mark.parametrize("direction", ["C2E", "E2C"])
def test_several_inputs_are_one_stream(direction, corpora, cluster, tmp_path):
    """Files cut anywhere, even inside a line or a character, join as cat joins them."""
    data = corpora[direction].read_bytes()[:3000000]
    cuts = [0, 1000001, 1000001, 2345677, len(data)]  # an empty file among them
    inputs = []
    for k in range(len(cuts) - 1):
        part = tmp_path / ("part%d.txt" % k)
        part.write_bytes(data[cuts[k]:cuts[k + 1]])
        inputs.append(part)
    out = tmp_path / "out.txt"
    r = distributed_run(direction, inputs, out, "--scheduler", cluster.scheduler_address, "--block-size", 77777)
    assert r.returncode == 0, r.stderr
    assert out.read_bytes() == single_run(direction, inputs, tmp_path)


def test_pairs_and_second_readings_across_blocks(cluster, tmp_path):
    """Each line its own block: repeats, first occurrences in later blocks and second readings."""
    lines = [b"We meet at 5 .", b"", b"ten to five", b"at 5", b"ten to five and ten to five",
             b"four fifty", b"It is ten to five .", b"ten past six\r", b"Ten to Five", b"ten to six", b"last"]
    source = tmp_path / "in.txt"
    source.write_bytes(b"\n".join(lines))  # the last line without a line feed
    out = tmp_path / "out.txt"
    r = distributed_run("E2C", [source], out, "--scheduler", cluster.scheduler_address, "--block-size", 1)
    assert r.returncode == 0, r.stderr
    expected = single_run("E2C", [source], tmp_path)
    assert expected.count("差 十分 五点".encode("gbk")) == 2  # both readings of «ten to five» and «Ten to Five»
    assert out.read_bytes() == expected


def test_utf8(cluster, tmp_path):
    source = tmp_path / "in.txt"
    source.write_bytes(b"\xef\xbb\xbf" + EXAMPLES["C2E"].read_bytes().decode("gbk").encode("utf-8"))
    out = tmp_path / "out.txt"
    r = distributed_run("C2E", [source], out, "--scheduler", cluster.scheduler_address, "--block-size", 3000,
                        "--encoding", "UTF-8")
    assert r.returncode == 0, r.stderr
    assert out.read_bytes() == single_run("C2E", [source], tmp_path, "UTF-8")


@pytest.mark.parametrize("direction", ["C2E", "E2C"])
def test_extended_rules(direction, corpora, cluster, tmp_path):
    source = tmp_path / "in.txt"
    source.write_bytes(corpora[direction].read_bytes()[:1000000] + EXAMPLES[direction].read_bytes())
    out = tmp_path / "out.txt"
    r = distributed_run(direction, [source], out, "--scheduler", cluster.scheduler_address, "--block-size", 100000,
                        "--rules", "extended")
    assert r.returncode == 0, r.stderr
    assert out.read_bytes() == single_run(direction, [source], tmp_path, rules="extended")
    r = distributed_run(direction, [source], out, "--rules", "newest")
    assert (r.returncode, r.stderr) == (1, b"Error: --rules must be classic or extended\n")


def refused_run(inputs, output, stdin=None):
    """A run that fails before it starts a cluster: (exit status, standard error)."""
    r = subprocess.run([sys.executable, "-m", "vestrilo.distributed", "-C2E", *map(str, inputs), str(output),
                        "--workers", "1"], input=stdin, capture_output=True, timeout=120)
    return r.returncode, r.stderr.decode()


@pytest.mark.parametrize(
    "case, inputs, output, message",
    [
        ("missing input", ["in.txt", "missing.txt"], "out.txt", "Error: unable to open input file! ("),
        ("input is a directory", ["."], "out.txt", "Error: unable to read input file! ("),
        ("output in no directory", ["in.txt"], "no/such/out.txt", "Error: unable to open output file! ("),
        ("output is a directory", ["in.txt"], ".", "Error: unable to open output file! ("),
        ("output is the input", ["in.txt"], "in.txt", "Error: output file is the input file! ("),
        ("output links to the input", ["in.txt"], "to-in.txt", "Error: output file is the input file! ("),
        ("output is the second input", ["out.txt", "in.txt"], "in.txt", "Error: output file is the input file! ("),
        ("input is a FIFO", ["fifo"], "out.txt", "Error: unable to read input file! (%s/fifo is not a regular file"),
        ("input is a pipe", ["/dev/stdin"], "out.txt", "Error: unable to read input file! (/dev/stdin is not a regular"),
    ],
)
def test_refused_runs_touch_nothing(case, inputs, output, message, tmp_path):
    """One line naming the cause, status 1, the input and an old output as they were, nothing left beside."""
    (tmp_path / "in.txt").write_bytes(b"3\n")
    (tmp_path / "out.txt").write_bytes(b"old\n")
    (tmp_path / "to-in.txt").symlink_to("in.txt")
    os.mkfifo(tmp_path / "fifo")
    before = sorted(p.name for p in tmp_path.iterdir())
    where = lambda p: p if p.startswith("/") else tmp_path / p
    status, err = refused_run([where(p) for p in inputs], where(output), stdin=b"3\n")
    assert status == 1
    assert err.startswith(message.replace("%s", str(tmp_path))), err
    assert err.count("\n") == 1 and err.endswith("\n"), err
    assert (tmp_path / "in.txt").read_bytes() == b"3\n"
    assert (tmp_path / "out.txt").read_bytes() == b"old\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == before


def test_outputs_through_links_streams_and_full_disks(cluster, tmp_path):
    """Standard input from a file is read; a link is written through to its target (mode kept); a FIFO directly;
    a write that fails as on a full disk leaves the old file."""
    source = EXAMPLES["C2E"]
    expected = single_run("C2E", [source], tmp_path)
    scheduler = ("--scheduler", cluster.scheduler_address, "--block-size", 300)
    command = [sys.executable, "-m", "vestrilo.distributed", "-C2E", "/dev/stdin"]

    target = tmp_path / "target.txt"
    target.write_bytes(b"old\n")
    target.chmod(0o640)
    link = tmp_path / "link.txt"
    link.symlink_to("target.txt")
    with open(source, "rb") as stdin:
        r = subprocess.run(command + [str(link), *map(str, scheduler)], stdin=stdin, capture_output=True, timeout=300)
    assert r.returncode == 0, r.stderr
    assert link.is_symlink()
    assert target.read_bytes() == expected
    assert target.stat().st_mode & 0o777 == 0o640

    fifo = tmp_path / "fifo"
    os.mkfifo(fifo)
    received = []
    reader = threading.Thread(target=lambda: received.append(fifo.read_bytes()))
    reader.start()
    r = distributed_run("C2E", [source], fifo, *scheduler)
    reader.join()
    assert r.returncode == 0, r.stderr
    assert received == [expected]

    target.write_bytes(b"old\n")

    def limit():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (100, 100))

    r = subprocess.run([sys.executable, "-m", "vestrilo.distributed", "-C2E", str(source), str(link),
                        *map(str, scheduler)], capture_output=True, timeout=300, preexec_fn=limit)
    assert r.returncode == 1
    assert r.stderr.endswith(b"Error: unable to write output file! (%s: File too large)\n" % bytes(link))
    assert target.read_bytes() == b"old\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["fifo", "joined.txt", "link.txt", "single.txt", "target.txt"]


class HandStartedCluster:
    """A scheduler and workers started as a user starts them, each a process of its own."""

    def __init__(self, tmp_path):
        self.tmp_path, self.processes = tmp_path, []
        address_file = tmp_path / "scheduler.json"
        self.scheduler = self.start(["distributed.cli.dask_scheduler", "--host", "127.0.0.1", "--port", "0",
                                     "--no-dashboard", "--scheduler-file", str(address_file)])
        deadline = time.monotonic() + 60
        while not address_file.exists() and time.monotonic() < deadline:
            time.sleep(0.1)
        time.sleep(0.2)  # written whole
        self.address = json.loads(address_file.read_text())["address"]

    def start(self, arguments, **environment):
        env = dict(os.environ, **environment)
        for name in [k for k, v in environment.items() if v is None]:
            del env[name]
        process = subprocess.Popen([sys.executable, "-m", *arguments], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def add_worker(self, **environment):
        """A worker, and waits until the scheduler has it."""
        with distributed.Client(self.address, timeout=30) as client:
            count = len(client.scheduler_info()["workers"])
            self.start(["distributed.cli.dask_worker", self.address, "--nthreads", "1", "--no-dashboard",
                        "--host", "127.0.0.1"], **environment)
            client.wait_for_workers(count + 1, timeout=60)

    def close(self):
        for process in self.processes:
            process.kill()
            process.wait()


@pytest.fixture
def hand_started(tmp_path):
    c = HandStartedCluster(tmp_path)
    yield c
    c.close()


def failing_run(output, *options, kill=None):
    """A run of the example on a cluster that fails it; (exit status, standard error)."""
    run = distributed_run("C2E", [EXAMPLES["C2E"]], output, *options, wait=False)
    if kill is not None:
        time.sleep(3)  # the run is waiting for its slow first block
        kill()
    _, err = run.communicate(timeout=300)
    return run.returncode, err.decode()


@pytest.mark.parametrize("case", ["no scheduler", "a worker without the module", "the scheduler killed",
                                  "no workers"])
def test_cluster_failures_name_their_cause(case, hand_started, tmp_path):
    out = tmp_path / "out.txt"
    out.write_bytes(b"old\n")
    address = hand_started.address
    if case == "no scheduler":
        hand_started.scheduler.kill()
        hand_started.scheduler.wait()
        status, err = failing_run(out, "--scheduler", address, "--connect-timeout", 2)
        expected = "Error: no scheduler at %s (" % address
    elif case == "a worker without the module":
        environment = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
        if subprocess.run([sys.executable, "-c", "import vestrilo"], env=environment,
                          capture_output=True).returncode == 0:
            pytest.skip("the module is installed for this interpreter: every worker it starts has it")
        hand_started.add_worker(PYTHONPATH=None)
        status, err = failing_run(out, "--scheduler", address)
        expected = "Error: the vestrilo module is missing on worker tcp://127.0.0.1:"
    elif case == "the scheduler killed":
        hand_started.add_worker(_VESTRILO_SLOW_BLOCK="0:60")
        status, err = failing_run(out, "--scheduler", address, kill=hand_started.scheduler.kill)
        expected = "Error: lost the scheduler at %s\n" % address
    else:
        started = time.monotonic()
        status, err = failing_run(out, "--scheduler", address, "--no-workers-timeout", 2)
        assert time.monotonic() - started >= 2, "the documented wait was cut short"
        expected = "Error: no workers to run the blocks for 2 s\n"
    assert (status, err[:len(expected)]) == (1, expected), err
    assert err.count("\n") == 1, err
    assert out.read_bytes() == b"old\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["out.txt", "scheduler.json"]


def listening(pids):
    """The TCP ports the processes listen on: [(address, port)]."""
    found = []
    for line in subprocess.run(["ss", "-ltnpH"], capture_output=True, text=True, check=True).stdout.splitlines():
        if any("pid=%d," % pid in line for pid in pids):
            address, port = line.split()[3].rsplit(":", 1)
            found.append((address, int(port)))
    return found


def children(pid):
    """The processes whose parent is pid."""
    found = []
    for stat in pathlib.Path("/proc").glob("[0-9]*/stat"):
        try:
            fields = stat.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue  # gone meanwhile
        if int(fields[1]) == pid:
            found.append(int(stat.parent.name))
    return found


def speaks_http(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=2) as s:
            s.sendall(b"GET / HTTP/1.0\r\n\r\n")
            return s.recv(5) == b"HTTP/"
    except OSError:
        return False


@pytest.mark.skipif(not shutil.which("ss"), reason="ss (iproute2) is not installed")
def test_a_slow_block_finishes_on_a_local_cluster_that_only_this_machine_reaches(tmp_path):
    """A first block slower than any wait of the run: the run finishes with the output of one run. Meanwhile
    the cluster listens on 127.0.0.1 only and serves no HTTP."""
    out = tmp_path / "out.txt"
    command = [sys.executable, "-m", "vestrilo.distributed", "-C2E", str(EXAMPLES["C2E"]), str(out), "--workers", "2",
               "--block-size", "300"]
    run = subprocess.Popen(command, env=dict(os.environ, _VESTRILO_SLOW_BLOCK="0:7"), stdout=subprocess.DEVNULL,
                           stderr=subprocess.PIPE)
    time.sleep(5)  # the cluster is up, the first block still running
    ports = listening([run.pid, *children(run.pid)])
    _, err = run.communicate(timeout=300)
    assert run.returncode == 0, err
    assert out.read_bytes() == single_run("C2E", [EXAMPLES["C2E"]], tmp_path)
    assert len(ports) >= 3, ports  # the scheduler, and a worker and its nanny at least
    assert {address for address, _ in ports} == {"127.0.0.1"}, ports
    assert not [port for _, port in ports if speaks_http(port)]


def test_a_killed_worker_changes_nothing(corpora, cluster, tmp_path):
    out = tmp_path / "out.txt"
    run = distributed_run("C2E", [corpora["C2E"]], out, "--scheduler", cluster.scheduler_address,
                          "--block-size", 8000, wait=False)
    # Follow the progress bar until the run is under way, then kill a worker process.
    progress = []

    def follow():
        for chunk in iter(lambda: run.stderr.read1(256), b""):
            progress.append(chunk)

    reader = threading.Thread(target=follow)
    reader.start()
    deadline = time.monotonic() + 120
    while b"blocks" not in b"".join(progress) and run.poll() is None and time.monotonic() < deadline:
        time.sleep(0.05)
    killed = False
    if run.poll() is None:
        victim = next(iter(cluster.workers.values())).process.pid
        os.kill(victim, signal.SIGKILL)
        killed = True
    run.wait(timeout=600)
    reader.join()
    assert killed, "the run ended before a worker could be killed"
    assert run.returncode == 0, b"".join(progress)
    assert out.read_bytes() == single_run("C2E", [corpora["C2E"]], tmp_path)
