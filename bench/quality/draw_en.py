#!/usr/bin/python3
"""Draws the English lines of the quality yardstick from real text a Debian machine installs.

    bench/quality/draw_en.py [--corpus EN_REAL_TXT] [OUT]

writes OUT (default bench/quality/en-drawn.jsonl next to this script): 800 objects, one per line,
with `id` (en-0001..en-0800), `origin` (where the line comes from), `split` (the first 500 drawn
"dev", the last 300 "test") and `text` (the line as it is, UTF-8, without the white space around it).

Every line holds a digit or a number or time word (numeric below), is at most 300 characters long, is
not only code or a table of digits (prose below) and is drawn once (exact duplicates are one line).

The sources, with the number of lines drawn from each (QUOTA):
- en-real/fortune, en-real/msgid, en-real/man: the English benchmark corpus made by
  bench/real_corpus.py (fortunes; message ids of the zh_CN catalogues; the manual pages of its
  packages), read from --corpus (default bench/out/real/en-real.txt, made when missing).
- debian-handbook, debian-reference-en, debian-faq (HTML books: their paragraphs cut into sentences,
  and the lines of their screen and log listings).
- debian-history (the project's history), doc-debian (constitution, social contract, manifesto, bug
  system and mailing list documents), jargon-text (the Jargon File): running text cut into sentences.
- bible-kjv-text: the verses of the King James Version (through the `bible` command, verse numbers off).
- changelog: Debian and upstream change logs, NEWS files and git's release notes of the packages in
  NOTE_PACKAGES (one entry per line).

Packages read, installed when missing: debian-handbook debian-reference-en debian-faq debian-history
doc-debian jargon-text bible-kjv bible-kjv-text, and for the corpus those bench/real_corpus.py names
(fortunes, gettext, groff-base and its manual page packages).

The draw is deterministic for the same installed packages: the sources are read in sorted order, each
source's candidates are shuffled with its own fixed seed and the first QUOTA taken, and the drawn
lines are shuffled once more with a fixed seed (so dev and test both mix every source).
"""
import glob
import gzip
import html.parser
import json
import os
import random
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SEED = 20240815
TOTAL, DEV = 800, 500
MAX_LENGTH = 300

QUOTA = {
    "en-real/man": 230,
    "en-real/fortune": 100,
    "en-real/msgid": 60,
    "debian-handbook": 70,
    "debian-reference-en": 50,
    "debian-faq": 30,
    "debian-history": 50,
    "doc-debian": 30,
    "jargon-text": 50,
    "bible-kjv-text": 50,
    "changelog": 80,
}
assert sum(QUOTA.values()) == TOTAL

PACKAGES = ["debian-handbook", "debian-reference-en", "debian-faq", "debian-history", "doc-debian",
            "jargon-text", "bible-kjv", "bible-kjv-text"]

# Packages whose change logs and news are read (all installed with the corpus or with this script).
NOTE_PACKAGES = ["bash", "coreutils", "findutils", "gettext", "git", "grep", "groff-base", "man-db",
                 "openssh-client", "procps", "sed", "tar", "util-linux", "fortunes", "debian-handbook",
                 "doc-debian", "debian-faq", "jargon-text", "bible-kjv-text"]

NUMBER_WORDS = (r"zero|one|two|three|four|five|six|seven|eight|nine|ten|eleven|twelve|thirteen|fourteen|"
                r"fifteen|sixteen|seventeen|eighteen|nineteen|twenty|thirty|forty|fifty|sixty|seventy|"
                r"eighty|ninety|hundred|hundreds|thousand|thousands|million|millions|billion|billions|"
                r"trillion|dozen|dozens|score|first|second|third|fourth|fifth|sixth|seventh|eighth|ninth|"
                r"tenth|eleventh|twelfth|twentieth|hundredth|thousandth|half|quarter|twice|thrice|once|"
                r"monday|tuesday|wednesday|thursday|friday|saturday|sunday|january|february|march|april|"
                r"june|july|august|september|october|november|december|noon|midnight|o'clock|percent|"
                r"decade|decades|century|fortnight|threescore|fourscore|single|double|triple")
# Abbreviations of days and months count only in their usual letter case.
NUMERIC_CASED = re.compile(r"\b(?:Mon|Tue|Wed|Thu|Fri|Sat|Sun|Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Sept|"
                           r"Oct|Nov|Dec)\b")
NUMERIC_CASELESS = re.compile(r"[0-9]|\b(?:%s)\b|\b[ap]\.m\." % NUMBER_WORDS, re.I)


def numeric(line):
    return bool(NUMERIC_CASELESS.search(line) or NUMERIC_CASED.search(line))


def prose(line):
    """Not only code or a table of digits: at least three words of letters, mostly letters."""
    words = re.findall(r"[A-Za-z][a-z']*[a-z]\b", line)
    if len(words) < 3:
        return False
    visible = [c for c in line if not c.isspace()]
    letters = sum(c.isalpha() for c in visible)
    if letters < 0.55 * len(visible):
        return False
    return not re.search(r"[{};]\s*$|^\s*[#$%] |^\s*(?:if|for|while|my|sub|return)\b.*[({]", line)


def keep(line):
    return 0 < len(line) <= MAX_LENGTH and numeric(line) and prose(line)


def read(path):
    with (gzip.open(path, "rb") if path.endswith(".gz") else open(path, "rb")) as f:
        return f.read().decode("utf-8", "replace")


# ---- sentences -------------------------------------------------------------------------------

ABBREVIATIONS = re.compile(r"(?:\b(?:e\.g|i\.e|etc|vs|Mr|Mrs|Dr|St|cf|No|Vol|approx|ca|al|Inc|Ltd|Jr|Sr)|"
                           r"\b[A-Z])\.$")


def sentences(paragraph):
    """A paragraph cut into sentences after . ! ? followed by space and a capital or a quote."""
    text = re.sub(r"\s+", " ", paragraph).strip()
    out, start = [], 0
    for m in re.finditer(r"[.!?][\"')\]\u201d]*\s+(?=[\"'(\u201c]?[A-Z0-9])", text):
        piece = text[start:m.end()].strip()
        if ABBREVIATIONS.search(text[start:m.start() + 1]):
            continue
        out.append(piece)
        start = m.end()
    if text[start:].strip():
        out.append(text[start:].strip())
    return out


def paragraphs(text):
    return [p for p in re.split(r"\n\s*\n", text) if p.strip()]


class Blocks(html.parser.HTMLParser):
    """An HTML page as its text blocks: paragraphs (white space folded) and the lines of <pre>."""
    BLOCK = {"p", "li", "dd", "dt", "td", "th", "h1", "h2", "h3", "h4", "h5", "h6", "div", "br", "tr",
             "title", "table", "ul", "ol", "dl", "blockquote"}
    SKIP = {"script", "style", "head"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.prose, self.listing = [], []
        self.text, self.pre, self.skip = [], 0, 0

    def flush(self):
        text = "".join(self.text)
        self.text = []
        if self.pre:
            self.listing += text.split("\n")
        elif text.strip():
            self.prose.append(text)

    def handle_starttag(self, tag, attrs):
        if tag in self.SKIP:
            self.skip += 1
        elif tag == "pre":
            self.flush()
            self.pre += 1
        elif tag in self.BLOCK and not self.pre:
            self.flush()

    def handle_endtag(self, tag):
        if tag in self.SKIP:
            self.skip = max(0, self.skip - 1)
        elif tag == "pre":
            self.flush()
            self.pre = max(0, self.pre - 1)
        elif tag in self.BLOCK and not self.pre:
            self.flush()

    def handle_data(self, data):
        if not self.skip:
            self.text.append(data)


def html_lines(path):
    parser = Blocks()
    parser.feed(read(path))
    parser.close()
    parser.flush()
    lines = []
    for block in parser.prose:
        lines += sentences(block)
    return lines + [l.strip() for l in parser.listing]


def text_lines(path):
    lines = []
    for paragraph in paragraphs(read(path)):
        lines += sentences(paragraph)
    return lines


# ---- sources ---------------------------------------------------------------------------------

def corpus(path):
    """The corpus lines by origin: fortunes, then message ids, then manual pages (real_corpus's order)."""
    sys.path.insert(0, os.path.join(ROOT, "bench"))
    import real_corpus
    if not os.path.isfile(path):
        subprocess.run(["/usr/bin/python3", os.path.join(ROOT, "bench", "real_corpus.py"), os.path.dirname(path),
                        "50", "en"], check=True)
    with open(path, "rb") as f:
        lines = f.read().decode("gbk", "replace").split("\n")
    if lines and lines[-1] == "":
        lines.pop()

    def kept(part):
        return sum(1 for l in part if real_corpus.gbk(real_corpus.clean(l)) is not None)
    fortunes = kept(real_corpus.fortune_lines(["art", "computers", "cookie", "debian", "definitions", "drugs",
                                              "education", "ethnic", "food", "fortunes", "goedel", "humorists",
                                              "kids", "law", "linux", "linuxcookie", "literature", "love",
                                              "magic", "medicine", "men-women", "miscellaneous", "news",
                                              "paradoxum", "people", "perl", "pets", "platitudes", "politics",
                                              "pratchett", "riddles", "science", "songs-poems", "sports",
                                              "startrek", "tao", "translate-me", "wisdom", "work", "zippy"]))
    msgids = kept(real_corpus.catalogue_lines(translated=False))
    return {"en-real/fortune": lines[:fortunes],
            "en-real/msgid": lines[fortunes:fortunes + msgids],
            "en-real/man": lines[fortunes + msgids:]}


def bible():
    out = subprocess.run(["bible", "-l10000", "Gen1:1-Rev22:21"], capture_output=True).stdout.decode("utf-8", "replace")
    verses = []
    for line in out.split("\n"):
        m = re.match(r"\s*\d+ (.*)", line)
        if m:
            verses.append(m.group(1))
    return verses


def change_entries(text):
    """A change log's entries: a line that starts an item, with the lines that continue it."""
    entries = []
    for line in text.split("\n"):
        stripped = line.strip()
        if not stripped:
            entries.append("")
            continue
        starts = (not line[:1].isspace() or re.match(r"\s*(?:[*+\-o]|--|\d+[.)]|[a-z][.)]|\[)\s", line))
        if starts or not entries or entries[-1] == "":
            entries.append(stripped)
        else:
            entries[-1] += " " + stripped
    return [e for e in entries if e]


# A contributor line of a shortlog ("Jane Doe (3):"), a name and a count rather than text.
SHORTLOG = re.compile(r"[^:()*]{2,60} \(\d+\):")


def notes():
    lines = []
    for package in NOTE_PACKAGES:
        doc = "/usr/share/doc/" + package
        files = sorted(glob.glob(doc + "/changelog*.gz") + glob.glob(doc + "/NEWS*") + glob.glob(doc + "/CHANGES*"))
        if package == "git":
            files += sorted(glob.glob(doc + "/RelNotes/*.txt"))
        for path in files:
            if os.path.isfile(path):
                lines += [(e, path) for e in change_entries(read(path)) if not SHORTLOG.match(e)]
    return lines


def sources(corpus_path):
    found = {}
    for name, lines in corpus(corpus_path).items():
        found[name] = [(l, name) for l in lines]
    handbook = sorted(glob.glob("/usr/share/doc/debian-handbook/html/en-US/*.html"))
    found["debian-handbook"] = [(l, "debian-handbook/" + os.path.basename(p)) for p in handbook for l in html_lines(p)]
    reference = sorted(glob.glob("/usr/share/debian-reference/*.en.html"))
    found["debian-reference-en"] = [(l, "debian-reference-en/" + os.path.basename(p))
                                    for p in reference for l in html_lines(p)]
    faq = sorted(glob.glob("/usr/share/doc/debian/FAQ/*.en.html"))
    found["debian-faq"] = [(l, "debian-faq/" + os.path.basename(p)) for p in faq for l in html_lines(p)]
    history = ["/usr/share/doc/debian-history/docs/project-history.en.txt.gz"]
    found["debian-history"] = [(l, "debian-history/" + os.path.basename(p)) for p in history for l in text_lines(p)]
    docs = sorted(p for p in glob.glob("/usr/share/doc/debian/*") if os.path.isfile(p)
                  and re.search(r"(constitution|social-contract)\.txt\.gz$|manifesto\.gz$|"
                                r"(bug-[a-z-]+|mailing-lists|source-unpack)\.txt(\.gz)?$", p))
    found["doc-debian"] = [(l, "doc-debian/" + os.path.basename(p)) for p in docs for l in text_lines(p)]
    jargon = "/usr/share/doc/jargon-text/jargon.txt.gz"
    found["jargon-text"] = [(l, "jargon-text/jargon.txt") for l in text_lines(jargon)]
    found["bible-kjv-text"] = [(l, "bible-kjv-text") for l in bible()]
    found["changelog"] = [(l, "changelog/" + os.path.relpath(p, "/usr/share/doc")) for l, p in notes()]
    return found


def install_missing():
    missing = [p for p in PACKAGES
               if subprocess.run(["dpkg", "-s", p], capture_output=True).returncode != 0]
    if missing:
        print("installing " + " ".join(missing), file=sys.stderr)
        subprocess.run(["apt-get", "install", "-y"] + missing, check=True,
                       env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def main():
    args = sys.argv[1:]
    corpus_path = os.path.join(ROOT, "bench", "out", "real", "en-real.txt")
    if "--corpus" in args:
        i = args.index("--corpus")
        corpus_path = args[i + 1]
        del args[i:i + 2]
    out_path = args[0] if args else os.path.join(HERE, "en-drawn.jsonl")
    install_missing()
    found = sources(corpus_path)
    seen, drawn = set(), []
    for index, name in enumerate(sorted(QUOTA)):
        candidates = []
        for line, origin in found[name]:
            text = line.strip()
            if keep(text) and text not in seen:
                candidates.append((text, origin))
                seen.add(text)
        rng = random.Random(SEED + index)
        rng.shuffle(candidates)
        print("%-20s %7d candidates, %4d drawn" % (name, len(candidates), QUOTA[name]), file=sys.stderr)
        if len(candidates) < QUOTA[name]:
            sys.exit("too few lines in " + name)
        drawn += candidates[:QUOTA[name]]
    random.Random(SEED).shuffle(drawn)
    with open(out_path, "w", encoding="utf-8") as out:
        for number, (text, origin) in enumerate(drawn, 1):
            record = {"id": "en-%04d" % number, "origin": origin, "split": "dev" if number <= DEV else "test",
                      "text": text}
            out.write(json.dumps(record, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main()
