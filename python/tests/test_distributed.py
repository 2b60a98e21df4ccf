"""python3 -m vestrilo.distributed against one run of the command line."""
import os
import pathlib
import signal
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


@pytest.mark.parametrize("case", ["missing input", "input is a directory", "unwritable output"])
def test_errors_leave_no_output(case, tmp_path):
    good = tmp_path / "in.txt"
    good.write_bytes(b"3\n")
    out = tmp_path / "out.txt"
    inputs = {"missing input": [good, tmp_path / "missing.txt"], "input is a directory": [tmp_path],
              "unwritable output": [good]}[case]
    if case == "unwritable output":
        out = tmp_path / "no" / "such" / "out.txt"
    r = distributed_run("C2E", inputs, out, "--workers", 1)
    assert r.returncode == 1
    assert r.stderr.startswith(b"Error: unable to")
    assert not out.exists()
    assert sorted(p.name for p in tmp_path.iterdir()) == ["in.txt"]  # no temporary file left


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
