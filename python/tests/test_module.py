"""The Python module against the command line it wraps."""
import errno
import os
import pathlib
import pickle
import shutil
import signal
import subprocess
import sys
import threading
import time

import pytest

import vestrilo

SOURCE = pathlib.Path(os.environ.get("VESTRILO_SOURCE_DIR", pathlib.Path(__file__).resolve().parents[2]))
BINARY = os.environ.get("VESTRILO_BINARY", "vestrilo")
EXAMPLES = {"C2E": SOURCE / "examples" / "chinese.txt", "E2C": SOURCE / "examples" / "english.txt"}


def split_lines(data):
    """The lines the command line reads: split at LF (a CR stays), no line after a final LF."""
    lines = data.split(b"\n")
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def listing(pairs):
    """Pairs as the output file holds them."""
    return b"".join(source + b" ||| " + translation + b"\n" for source, translation in pairs)


def command_line(direction, infile, tmp_path, encoding="GBK", rules=""):
    out = tmp_path / ("cli-" + direction + "-" + encoding + "-" + rules + ".txt")
    env = dict(os.environ, VESTRILO_ENCODING=encoding, VESTRILO_THREADS="1", VESTRILO_RULES=rules)
    subprocess.run([BINARY, "-" + direction, str(infile), str(out)], env=env, check=True, stdout=subprocess.DEVNULL)
    return out.read_bytes()


@pytest.fixture(scope="module", params=["C2E", "E2C"])
def example(request, tmp_path_factory):
    """(direction, GBK bytes, UTF-8 file) of an example file."""
    direction = request.param
    data = EXAMPLES[direction].read_bytes()
    utf8 = tmp_path_factory.mktemp("utf8") / "example.txt"
    utf8.write_bytes(data.decode("gbk").encode("utf-8"))
    return direction, data, utf8


def test_pairs_equal_the_command_line_in_both_encodings(example, tmp_path):
    direction, data, utf8 = example
    lines = split_lines(data)
    extractor = vestrilo.Extractor(direction)
    gbk = [pair for line in lines for pair in extractor.pairs(line)]
    assert all(isinstance(s, bytes) and isinstance(t, bytes) for s, t in gbk)
    assert listing(gbk) == command_line(direction, EXAMPLES[direction], tmp_path)

    text_lines = [line.decode("gbk") for line in lines]
    extractor = vestrilo.Extractor(direction)
    text = [pair for line in text_lines for pair in extractor.pairs(line)]
    assert all(isinstance(s, str) and isinstance(t, str) for s, t in text)
    expected = command_line(direction, utf8, tmp_path, "UTF-8")
    assert listing((s.encode(), t.encode()) for s, t in text) == expected
    # str and bytes agree: the same pairs, in the same order.
    assert [(s.encode("gbk"), t.encode("gbk")) for s, t in text] == gbk


def test_pairs_many_equals_pairs_line_by_line(example):
    direction, data, _ = example
    lines = split_lines(data) * 3
    one = vestrilo.Extractor(direction)
    assert vestrilo.Extractor(direction).pairs_many(iter(lines)) == [one.pairs(line) for line in lines]


def test_offsets_cut_the_text_out_of_the_line(example):
    direction, data, _ = example
    extractor = vestrilo.Extractor(direction)
    seen = 0
    for raw in split_lines(data):
        for line in (raw, raw.decode("gbk")):
            for e in extractor.entities(line):
                assert line[e.start:e.end] == e.text
                assert type(e.text) is type(line) and type(e.translation) is type(line)
                assert e.candidate is None or e.kind in ("FigureOrClock", "ClockOrNumber")
                seen += 1
    assert seen > 0


# Lines as people write them (month abbreviations, a percent sign before
# punctuation, the measure word 两, tenths, 万万) and the pairs of the run.
READINGS = {
    "E2C": (
        ["It was Jul 29 .", "Sep 19 , 2014", "On Jun 5 we left .", "About 61%. And 15%, then",
         "Jun wrote -sep and --sep to julia ."],
        [("Jul 29", "7月29日"), ("Sep 19 , 2014", "2014年9月19日"), ("Jun 5", "6月5日"), ("61%", "61%"),
         ("15%", "15%")],
    ),
    "C2E": (
        ["此地 无 银 三百两", "一千两 , 两万两 , 三百二", "十成 收粮 , 半成", "四万万 同胞 , 10万万", "万万分之七"],
        [("三百二", "three hundred and twenty"), ("十成", "one hundred percent"), ("半成", "five percent"),
         ("四万万", "four hundred million"), ("10万万", "one billion"), ("万万分之七", "seven hundred millionths")],
    ),
}


@pytest.mark.parametrize("direction", ["C2E", "E2C"])
def test_readings_in_both_encodings_through_the_module_and_the_command_line(direction, tmp_path):
    lines, expected = READINGS[direction]
    text = vestrilo.Extractor(direction)
    assert [pair for line in lines for pair in text.pairs(line)] == expected
    gbk = vestrilo.Extractor(direction)
    expected_gbk = [(s.encode("gbk"), t.encode("gbk")) for s, t in expected]
    assert [pair for line in lines for pair in gbk.pairs(line.encode("gbk"))] == expected_gbk
    for encoding in ("GBK", "UTF-8"):
        infile = tmp_path / ("in-" + encoding + ".txt")
        infile.write_bytes("".join(line + "\n" for line in lines).encode(encoding))
        written = command_line(direction, infile, tmp_path, encoding)
        assert written == listing((s.encode(encoding), t.encode(encoding)) for s, t in expected)


def test_entities_repr_and_second_reading():
    (entity,) = vestrilo.Extractor("E2C").entities("ten to five")
    assert (entity.start, entity.end, entity.kind, entity.text) == (0, 11, "FigureOrClock", "ten to five")
    assert (entity.translation, entity.candidate) == ("十 到 五", "差 十分 五点")
    assert repr(entity) == (
        "Entity(start=0, end=11, kind='FigureOrClock', text='ten to five', translation='十 到 五', "
        "candidate='差 十分 五点')"
    )
    (clock,) = vestrilo.Extractor("C2E").entities("会议 于 三点 开始")
    assert (clock.start, clock.end, clock.text, clock.translation, clock.candidate) == (
        5, 7, "三点", "three o'clock", None)


def test_registry_and_reset():
    extractor = vestrilo.Extractor("C2E")
    assert extractor.pairs("三点 和 三点") == [("三点", "three o'clock")]
    assert extractor.pairs("三点") == []
    assert len(extractor.entities("三点")) == 1  # entities are not filtered
    extractor.reset()
    assert extractor.pairs("三点") == [("三点", "three o'clock")]


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: vestrilo.Extractor("X2Y"), ValueError, '"C2E" or "E2C"'),
        (lambda: vestrilo.Extractor("c2e"), ValueError, '"C2E" or "E2C"'),
        (lambda: vestrilo.Extractor("C2E").pairs(3), TypeError, "str or bytes"),
        (lambda: vestrilo.Extractor("C2E").pairs(bytearray(b"3")), TypeError, "str or bytes"),
        (lambda: vestrilo.Extractor("C2E").pairs_many(["三点", None]), TypeError, "str or bytes"),
        (lambda: vestrilo.Extractor("C2E").entities(None), TypeError, "str or bytes"),
        (lambda: vestrilo.extract_file("E2C", "a", "b", encoding="latin-1"), ValueError, '"GBK" or "UTF-8"'),
        (lambda: vestrilo.extract_file("C2X", "a", "b"), ValueError, '"C2E" or "E2C"'),
        (lambda: vestrilo.Extractor("C2E", rules="newest"), ValueError, '"classic" or "extended"'),
        (lambda: vestrilo.extract_file("E2C", "a", "b", rules=""), ValueError, '"classic" or "extended"'),
    ],
)
def test_type_and_value_errors(call, error, message):
    with pytest.raises(error, match=message):
        call()


def test_hostile_lines_give_valid_results():
    lines = [b"", b"\xff", b"\x81", bytes(range(256)), "\ud800 3 \U0001F600 三点", "", "\x00\x00 ten to five"]
    for direction in ("C2E", "E2C"):
        extractor = vestrilo.Extractor(direction)
        for line in lines:
            for e in extractor.entities(line):
                assert line[e.start:e.end] == e.text
            for source, translation in extractor.pairs(line):
                assert translation


def test_threads_with_one_extractor_each_give_the_pairs_of_one(example):
    direction, data, _ = example
    lines = split_lines(data) * 20
    expected = vestrilo.Extractor(direction).pairs_many(lines)
    results = [None] * 4

    def work(k):
        results[k] = vestrilo.Extractor(direction).pairs_many(lines)

    threads = [threading.Thread(target=work, args=(k,)) for k in range(4)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert results == [expected] * 4


def test_extract_file_is_the_command_lines_job(example, tmp_path):
    direction, data, utf8 = example
    out = tmp_path / "pairs.txt"
    vestrilo.extract_file(direction, EXAMPLES[direction], out)
    assert out.read_bytes() == command_line(direction, EXAMPLES[direction], tmp_path)
    vestrilo.extract_file(direction, str(utf8), str(out), encoding="utf-8", threads=2)
    assert out.read_bytes() == command_line(direction, utf8, tmp_path, "UTF-8")


@pytest.mark.parametrize("rules", ["classic", "extended", "Extended"])
def test_rules_reach_the_extractor_and_the_file_job(example, tmp_path, rules):
    direction, data, utf8 = example
    expected = command_line(direction, EXAMPLES[direction], tmp_path, rules=rules)
    extractor = vestrilo.Extractor(direction, rules=rules)
    assert extractor.rules == rules.lower()
    assert listing(pair for line in split_lines(data) for pair in extractor.pairs(line)) == expected
    out = tmp_path / "pairs.txt"
    vestrilo.extract_file(direction, EXAMPLES[direction], out, rules=rules)
    assert out.read_bytes() == expected
    assert vestrilo.Extractor(direction).rules == "classic"


@pytest.mark.parametrize(
    "infile, outfile, error, number, which",
    [
        ("missing.txt", "out.txt", FileNotFoundError, errno.ENOENT, "infile"),
        ("in.txt", "no/out.txt", FileNotFoundError, errno.ENOENT, "outfile"),
        (".", "out.txt", IsADirectoryError, errno.EISDIR, "infile"),
        ("in.txt", "/dev/full", OSError, errno.ENOSPC, "outfile"),
        ("in.txt", "in.txt", shutil.SameFileError, None, "outfile"),
        ("in.txt", "to-in.txt", shutil.SameFileError, None, "outfile"),
    ],
)
def test_extract_file_failures_name_the_file_and_lose_nothing(tmp_path, infile, outfile, error, number, which):
    """Each failure with an old output in place: the input and the old output stay as they were."""
    (tmp_path / "in.txt").write_bytes(b"3\n")
    (tmp_path / "to-in.txt").symlink_to("in.txt")
    (tmp_path / "out.txt").write_bytes(b"old\n")
    paths = {"infile": tmp_path / infile, "outfile": outfile if outfile.startswith("/") else tmp_path / outfile}
    with pytest.raises(error) as caught:
        vestrilo.extract_file("C2E", paths["infile"], paths["outfile"])
    assert caught.value.errno == number
    assert caught.value.filename == str(paths[which])
    assert (tmp_path / "in.txt").read_bytes() == b"3\n"
    assert (tmp_path / "out.txt").read_bytes() == b"old\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["in.txt", "out.txt", "to-in.txt"]


def run_limited(script, *args):
    """Runs a script with the module in a child interpreter; its standard output."""
    r = subprocess.run([sys.executable, "-c", script, *map(str, args)], capture_output=True, text=True, timeout=300)
    assert r.returncode == 0, r.stderr
    return r.stdout


def test_extract_file_on_a_full_file_system_leaves_the_old_file(tmp_path):
    """Writes past a file size limit fail as on a full disk: the old file keeps its content and mode."""
    source = tmp_path / "in.txt"
    source.write_bytes(EXAMPLES["C2E"].read_bytes() * 20)
    out = tmp_path / "out.txt"
    out.write_bytes(b"old\n")
    out.chmod(0o640)
    printed = run_limited(
        "import resource, signal, sys, vestrilo\n"
        "signal.signal(signal.SIGXFSZ, signal.SIG_IGN)\n"
        "resource.setrlimit(resource.RLIMIT_FSIZE, (200, 200))\n"
        "try:\n"
        "    vestrilo.extract_file('C2E', sys.argv[1], sys.argv[2], threads=int(sys.argv[3]))\n"
        "except OSError as e:\n"
        "    print(e.errno, e.filename)\n", source, out, 2)
    assert printed == "%d %s\n" % (errno.EFBIG, out)
    assert out.read_bytes() == b"old\n"
    assert out.stat().st_mode & 0o777 == 0o640
    assert sorted(p.name for p in tmp_path.iterdir()) == ["in.txt", "out.txt"]


def test_threads_that_cannot_start_change_nothing(tmp_path):
    """threads=100000, and 256 where memory leaves room for a few: the output of one thread, no abort."""
    source = tmp_path / "in.txt"
    source.write_bytes(EXAMPLES["E2C"].read_bytes() * 2000)
    one = tmp_path / "one.txt"
    vestrilo.extract_file("E2C", source, one, threads=1)
    many = tmp_path / "many.txt"
    vestrilo.extract_file("E2C", source, many, threads=100000)
    assert many.read_bytes() == one.read_bytes()
    many.unlink()
    run_limited(
        "import resource, sys, vestrilo\n"
        "size = int(open('/proc/self/statm').read().split()[0]) * resource.getpagesize()\n"
        "resource.setrlimit(resource.RLIMIT_AS, (size + (768 << 20),) * 2)\n"  # 8 MiB of stack per thread
        "vestrilo.extract_file('E2C', sys.argv[1], sys.argv[2], threads=256)\n", source, many)
    assert many.read_bytes() == one.read_bytes()


def test_an_interrupt_stops_extract_file_and_keeps_the_old_output(tmp_path):
    """SIGINT while the job waits for its input: KeyboardInterrupt, the old output as it was, nothing beside it."""
    fifo, out = tmp_path / "fifo", tmp_path / "out.txt"
    os.mkfifo(fifo)
    out.write_bytes(b"old\n")
    script = (
        "import sys, vestrilo\n"
        "try:\n"
        "    vestrilo.extract_file('C2E', sys.argv[1], sys.argv[2])\n"
        "    print('finished')\n"
        "except KeyboardInterrupt:\n"
        "    print('interrupted')\n")
    child = subprocess.Popen([sys.executable, "-c", script, str(fifo), str(out)], stdout=subprocess.PIPE, text=True)
    with open(fifo, "wb") as writer:
        writer.write("三点\n".encode("gbk"))
        writer.flush()
        # The job waits for more input: the signal interrupts that wait.
        wchan, deadline = pathlib.Path("/proc/%d/wchan" % child.pid), time.monotonic() + 60
        while "pipe_read" not in wchan.read_text() and time.monotonic() < deadline:  # anon_pipe_read on newer kernels
            time.sleep(0.01)
        child.send_signal(signal.SIGINT)
        out_text, _ = child.communicate(timeout=60)
    assert (child.returncode, out_text) == (0, "interrupted\n")
    assert out.read_bytes() == b"old\n"
    assert sorted(p.name for p in tmp_path.iterdir()) == ["fifo", "out.txt"]


def test_extract_file_paths_are_bytes_as_the_file_system_has_them(tmp_path):
    (tmp_path / "in.txt").write_bytes("三点\n".encode("gbk"))
    out = os.fsencode(tmp_path) + b"/\xff-out.txt"  # not UTF-8
    vestrilo.extract_file("C2E", os.fsencode(tmp_path / "in.txt"), out)
    assert pathlib.Path(os.fsdecode(out)).read_bytes() == "三点 ||| three o'clock\n".encode("gbk")
    with pytest.raises(OSError) as caught:
        vestrilo.extract_file("C2E", os.fsencode(tmp_path) + b"/\xfe-missing.txt", out)
    assert caught.value.filename == os.fsdecode(os.fsencode(tmp_path) + b"/\xfe-missing.txt")
    for infile, outfile in [(tmp_path / "in.txt", str(tmp_path / "out\x00x.txt")),
                            (b"in\x00.txt", tmp_path / "out.txt")]:
        with pytest.raises(ValueError, match="null byte"):  # as open() says it
            vestrilo.extract_file("C2E", infile, outfile)
    assert sorted(p.name for p in tmp_path.iterdir()) == ["in.txt", os.fsdecode(b"\xff-out.txt")]
    with pytest.raises(ValueError, match="positive"):
        vestrilo.extract_file("C2E", tmp_path / "in.txt", tmp_path / "out.txt", threads=0)


def numbers(count, fail_at=None):
    for k in range(count):
        if k == fail_at:
            raise RuntimeError("the input broke")
        yield str(k)


@pytest.mark.parametrize("encoding", ["GBK", "UTF-8"])
@pytest.mark.parametrize(
    "failing, error",
    [
        (lambda: numbers(10000, fail_at=5000), RuntimeError),  # after a chunk was admitted
        (lambda: numbers(100, fail_at=50), RuntimeError),  # within the first chunk
        (lambda: [str(k) for k in range(9000)] + [b"9"] + [3], TypeError),  # str and bytes admitted, then not a line
    ],
)
def test_a_failing_pairs_many_leaves_the_registry_as_it_was(failing, error, encoding):
    extractor = vestrilo.Extractor("E2C", encoding)
    before = extractor.pairs_many(["7", "It is 5 .", b"8"])
    assert before == [[("7", "7")], [("5", "5")], [(b"8", b"8")]]
    with pytest.raises(error):
        extractor.pairs_many(failing())
    # The same as an extractor that saw only the first call.
    fresh = vestrilo.Extractor("E2C", encoding)
    fresh.pairs_many(["7", "It is 5 .", b"8"])
    lines = [str(k) for k in range(10001)] + [b"9", b"8", b"10"]
    assert extractor.pairs_many(lines) == fresh.pairs_many(lines)


def test_an_interrupt_stops_pairs_many_between_chunks():
    """SIGINT during a long call: KeyboardInterrupt from the call, and no pair of it stays registered."""
    script = (
        "import sys, vestrilo\n"
        "extractor = vestrilo.Extractor('E2C')\n"
        "extractor.pairs('It is 3 .')\n"
        "print('ready', flush=True)\n"
        "try:\n"
        "    extractor.pairs_many(map(str, range(10_000_000)))\n"  # a C iterator: no Python code between lines
        "    print('finished')\n"
        "except KeyboardInterrupt:\n"
        "    print('interrupted', extractor.pairs('5'), extractor.pairs('3'))\n")
    child = subprocess.Popen([sys.executable, "-c", script], stdout=subprocess.PIPE, text=True)
    assert child.stdout.readline() == "ready\n"
    time.sleep(0.5)  # well into the call, which runs for half a minute uninterrupted
    child.send_signal(signal.SIGINT)
    out, _ = child.communicate(timeout=120)
    assert child.returncode == 0
    assert out == "interrupted [Pair(source='5', translation='5', candidate=False)] []\n"


def test_pair_is_a_tuple_with_a_second_reading_flag():
    first, second = vestrilo.Extractor("E2C").pairs("ten to five")
    assert (first, second) == (("ten to five", "十 到 五"), ("ten to five", "差 十分 五点"))
    source, translation = second
    assert (source, translation, second.candidate, first.candidate) == ("ten to five", "差 十分 五点", True, False)
    assert (second.source, second.translation) == (source, translation)
    assert isinstance(second, tuple) and len(second) == 2 and hash(second) == hash((source, translation))
    assert repr(second) == "Pair(source='ten to five', translation='差 十分 五点', candidate=True)"
    made = vestrilo.Pair("a", "b", candidate=True)
    assert made == ("a", "b") and made.candidate and not vestrilo.Pair(b"a", b"b").candidate
    assert pickle.loads(pickle.dumps(made)).candidate
    with pytest.raises(TypeError):
        vestrilo.Pair("a", b"b")


def test_registry_admits_and_reduces_as_an_extractor_does(example):
    direction, data, _ = example
    lines = split_lines(data) * 2
    extractor = vestrilo.Extractor(direction)
    expected = [pair for line in lines for pair in extractor.pairs(line)]
    collector = vestrilo.Extractor(direction)
    found = [collector.collect(line) for line in lines]
    registry = vestrilo.Registry()
    assert [pair for line in found for pair in registry.admit(line)] == expected
    assert len(registry) == len(expected) and expected[0] in registry
    # Blocks reduced apart, admitted in order: as pairs, and as the bytes of the cluster mode.
    merged, from_bytes, written, listed = vestrilo.Registry(), vestrilo.Registry(), [], b""
    for block in range(0, len(lines), 7):
        written += merged.admit(vestrilo.Registry.reduce(p for line in found[block:block + 7] for p in line))
        listed += from_bytes.admit_block(vestrilo.reduce_block(collector, b"\n".join(lines[block:block + 7])))
    assert written == expected and [p.candidate for p in written] == [p.candidate for p in expected]
    assert listed == listing(expected)
    registry.clear()
    assert len(registry) == 0
    with pytest.raises(ValueError):
        registry.admit_block(b"not a block")
    with pytest.raises(TypeError):
        registry.admit([("a", b"b")])


def test_render_is_the_viewer_and_writes_pairs_through_the_registry_given():
    extractor = vestrilo.Extractor("E2C")
    assert extractor.render("It is Ten  past Five.", "translated-tags") == "It is <Clock>Ten  past Five|||五点 十分<\\Clock>."
    assert extractor.render(b"ten to five", "tags") == b"<Figure>ten to five<\\Figure> (\xba\xf2\xd1\xa1: <CLOCK>ten to five<\\CLOCK> )"
    registry = vestrilo.Registry()
    shown = extractor.render("5 and 5", "pairs-html", registry)
    assert shown == '<b style="color:teal">5 ||| 5</b><br/>\n'
    assert extractor.render("5", "pairs-html", registry) == "" and ("5", "5") in registry
    assert extractor.render("5", "pairs-html") == shown, "without a registry: every pair of the line"
    assert extractor.pairs("5") == [("5", "5")], "render does not touch the extractor's own registry"
    with pytest.raises(ValueError, match="rendering"):
        extractor.render("5", "jsonl")


@pytest.mark.parametrize(
    "encoding, line, pairs",
    [
        ("GBK", "三点".encode("gbk"), [("三点".encode("gbk"), b"three o'clock")]),
        ("UTF-8", "三点".encode("utf-8"), [("三点".encode("utf-8"), b"three o'clock")]),
        ("utf-8", "三点", [("三点", "three o'clock")]),
    ],
)
def test_bytes_lines_are_in_the_extractors_encoding(encoding, line, pairs):
    extractor = vestrilo.Extractor("C2E", encoding=encoding)
    assert extractor.encoding == encoding.upper()
    assert extractor.pairs(line) == pairs
    if encoding.upper() == "UTF-8":  # str and bytes lines in UTF-8 share one registry
        assert extractor.pairs("三点") == [] and extractor.pairs("三点".encode()) == []


def test_one_extractor_shared_by_threads_gives_every_pair_once(example):
    direction, data, _ = example
    lines = split_lines(data) * 30
    expected = [p for ps in vestrilo.Extractor(direction).pairs_many(lines) for p in ps]
    shared = vestrilo.Extractor(direction)
    results = [None] * 4

    def work(k):
        results[k] = shared.pairs_many(lines[k::4])

    threads = [threading.Thread(target=work, args=(k,)) for k in range(4)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    written = [p for result in results for ps in result for p in ps]
    assert sorted(written) == sorted(expected)


def test_kinds_are_the_librarys_names():
    assert vestrilo.KINDS[:3] == ("Number", "Figure", "Ordinal") and len(vestrilo.KINDS) == 18
    seen = {e.kind for d in ("C2E", "E2C") for line in split_lines(EXAMPLES[d].read_bytes())
            for e in vestrilo.Extractor(d).entities(line)}
    assert seen <= set(vestrilo.KINDS) and len(seen) > 5
