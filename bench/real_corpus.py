#!/usr/bin/python3
"""Builds the real, sparse benchmark corpora from text a Debian machine installs.

    bench/real_corpus.py OUTDIR [MB [en] [zh]]

writes OUTDIR/zh-real.txt (-C2E) and OUTDIR/en-real.txt (-E2C), GBK, one line of
the source text per line, each at most MB MiB (default 50):

- English: the English manual pages of the packages in MAN_PACKAGES (sorted,
  rendered to plain text by groff), the message ids of the installed message catalogues
  (zh_CN .mo files through msgunfmt) and the English fortune files.
- Chinese: the zh_CN and zh_TW manual pages (rendered by groff), the zh_CN
  and zh_TW translations of the installed catalogues and the Chinese fortune
  files (chinese, tang300, song100), word-segmented by Debian's python3-jieba (words separated by single
  spaces, as the tool expects) and converted to GBK by
  `iconv -f UTF-8 -t GBK//TRANSLIT` (typographic hyphens and quotes of the
  rendered pages become their ASCII forms, a character without a GBK form
  becomes "?"), so every line is kept. English lines that GBK cannot hold are
  dropped whole (a few lines of the fortunes with rare symbols).

The sources are taken in sorted order and rendered the same way every time, so
the corpora are the same on every machine with the same package versions. The
packages: those of MAN_PACKAGES, manpages-zh, fortunes, fortunes-zh, gettext,
groff-base, python3-jieba (bench/run.sh installs them when missing). Must run with Debian's python3 (/usr/bin/python3), which has jieba.
"""
import glob
import gzip
import os
import re
import subprocess
import sys


# Debian packages whose English manual pages make up most of the English corpus
# (the system calls and library, the core tools, git and perl's documentation).
MAN_PACKAGES = ["manpages", "manpages-dev", "coreutils", "util-linux", "findutils", "grep", "sed", "tar",
                "bash", "procps", "openssh-client", "man-db", "git-man", "perl-doc"]


def man_pages(root, packages=None):
    pages = []
    if packages is None:
        for section in range(1, 9):
            pages += sorted(glob.glob(os.path.join(root, "man%d" % section, "*")))
    else:
        for package in packages:
            listing = subprocess.run(["dpkg", "-L", package], capture_output=True).stdout.decode()
            pages += sorted(l for l in listing.split("\n") if re.match(r"/usr/share/man/man[1-8]/", l))
    return [p for p in pages if os.path.isfile(p) and not os.path.islink(p)]


def render(page, chinese):
    """A manual page as plain text lines (no bold, underline or colour)."""
    try:
        with (gzip.open(page, "rb") if page.endswith(".gz") else open(page, "rb")) as f:
            source = f.read()
    except OSError:
        return []
    if source.startswith(b".so "):
        return []  # a link to another page
    args = ["groff", "-man", "-t", "-P-cbou", "-Tutf8" if chinese else "-Tascii"]
    if chinese:
        args.insert(1, "-Kutf8")
    env = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")
    try:
        out = subprocess.run(args, input=source, capture_output=True, env=env, timeout=60).stdout
    except subprocess.TimeoutExpired:
        return []
    return out.decode("utf-8", "replace").split("\n")


def po_strings(mo):
    """(msgid, msgstr) pairs of a catalogue, through msgunfmt."""
    try:
        po = subprocess.run(["msgunfmt", "--no-wrap", mo], capture_output=True, timeout=60).stdout
    except subprocess.TimeoutExpired:
        return []
    text = po.decode("utf-8", "replace")
    pairs, msgid, msgstr, field = [], [], [], None
    escapes = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}
    unquote = lambda s: re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), s[1:-1])
    for line in text.split("\n") + [""]:
        line = line.strip()
        if line.startswith("msgid "):
            if msgid:
                pairs.append(("".join(msgid), "".join(msgstr)))
            msgid, msgstr, field = [unquote(line[6:])], [], "id"
        elif line.startswith("msgstr"):
            field = "str"
            msgstr.append(unquote(line[line.index(" ") + 1:]) if " " in line else "")
        elif line.startswith('"'):
            (msgid if field == "id" else msgstr).append(unquote(line))
    if msgid:
        pairs.append(("".join(msgid), "".join(msgstr)))
    return pairs


def fortune_lines(names):
    lines = []
    for name in names:
        path = os.path.join("/usr/share/games/fortunes", name)
        if os.path.isfile(path):
            with open(path, "rb") as f:
                lines += [l for l in f.read().decode("utf-8", "replace").split("\n") if l != "%"]
    return lines


def catalogue_lines(translated, locale="zh_CN"):
    lines = []
    for mo in sorted(glob.glob("/usr/share/locale/%s/LC_MESSAGES/*.mo" % locale)):
        for msgid, msgstr in po_strings(mo):
            text = msgstr if translated else msgid
            if msgid and text:
                lines += text.split("\n")
    return lines


CONTROL = re.compile(r"[\x00-\x08\x0b-\x1f\x7f]")


def clean(line):
    # groff's leftovers (backspaces, escape sequences) are not text of the page.
    return CONTROL.sub("", re.sub(r"\x1b\[[0-9;]*m", "", line)).rstrip()


def write_capped(path, lines, limit, encode):
    size, kept, dropped = 0, 0, 0
    with open(path + ".tmp", "wb") as out:
        for line in lines:
            data = encode(line)
            if data is None:
                dropped += 1
                continue
            if size + len(data) + 1 > limit:
                break
            out.write(data + b"\n")
            size += len(data) + 1
            kept += 1
    os.replace(path + ".tmp", path)
    print("%s: %d lines, %.1f MB, %d lines dropped (not GBK)" % (path, kept, size / 1e6, dropped), file=sys.stderr)


def english(limit):
    lines = fortune_lines(["art", "computers", "cookie", "debian", "definitions", "drugs", "education",
                           "ethnic", "food", "fortunes", "goedel", "humorists", "kids", "law", "linux",
                           "linuxcookie", "literature", "love", "magic", "medicine", "men-women",
                           "miscellaneous", "news", "paradoxum", "people", "perl", "pets", "platitudes",
                           "politics", "pratchett", "riddles", "science", "songs-poems", "sports",
                           "startrek", "tao", "translate-me", "wisdom", "work", "zippy"])
    lines += catalogue_lines(translated=False)
    size = sum(len(l) + 1 for l in lines)
    for page in man_pages("/usr/share/man", MAN_PACKAGES):
        if size > limit:
            break
        for line in render(page, chinese=False):
            line = clean(line)
            lines.append(line)
            size += len(line) + 1
    return [clean(l) for l in lines]


def chinese(limit):
    import jieba
    jieba.setLogLevel(60)
    lines = fortune_lines(["chinese", "tang300", "song100"])
    for locale in ("zh_CN", "zh_TW"):
        lines += catalogue_lines(translated=True, locale=locale)
        for page in man_pages("/usr/share/man/" + locale):
            lines += render(page, chinese=True)
    out = []
    size = 0
    for line in lines:
        line = clean(line)
        # Word-segmented as the tool expects: words separated by single spaces.
        words = [w for w in jieba.cut(line) if not w.isspace()]
        segmented = " ".join(w.strip() for w in words if w.strip())
        out.append(segmented)
        size += len(segmented) * 2 // 3 + 1
        if size > limit * 1.2:
            break
    return out


def gbk(line):
    try:
        return line.encode("gbk")
    except UnicodeEncodeError:
        return None


def gbk_transliterated(lines):
    """The lines converted by iconv with transliteration, one for one."""
    text = "\n".join(l.replace("\n", " ") for l in lines) + "\n"
    out = subprocess.run(["iconv", "-f", "UTF-8", "-t", "GBK//TRANSLIT"], input=text.encode("utf-8"),
                         capture_output=True).stdout
    return out.split(b"\n")[:len(lines)]


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    outdir = sys.argv[1]
    limit = int(float(sys.argv[2]) * 1024 * 1024) if len(sys.argv) > 2 else 50 * 1024 * 1024
    os.makedirs(outdir, exist_ok=True)
    which = sys.argv[3:] or ["en", "zh"]
    if "en" in which:
        write_capped(os.path.join(outdir, "en-real.txt"), english(limit), limit, gbk)
    if "zh" in which:
        write_capped(os.path.join(outdir, "zh-real.txt"), gbk_transliterated(chinese(limit)), limit, lambda b: b)


if __name__ == "__main__":
    main()
