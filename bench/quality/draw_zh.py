#!/usr/bin/python3
"""Draws the Chinese lines of the quality yardstick from text a Debian machine installs.

    bench/quality/draw_zh.py [OUT]        (default bench/quality/zh-drawn.jsonl)

Reads these Debian packages (and installs the missing ones with apt-get):

  fortunes-zh            fortune files chinese (anecdotes, jokes, sayings), tang300 and song100 (poems)
  gettext, groff-base    to read the message catalogues and render the manual pages
  manpages-zh            zh_CN and zh_TW manual pages
  (installed catalogues) the zh_CN and zh_TW translations in /usr/share/locale/*/LC_MESSAGES/*.mo
  debian-reference-zh-cn Debian Reference, Simplified Chinese (HTML)
  debian-faq-zh-cn       Debian FAQ, Simplified Chinese (HTML)
  maint-guide-zh-cn      Debian New Maintainers' Guide, Simplified Chinese (HTML)
  debian-edu-doc-zh-cn   Debian Edu manual, Simplified Chinese (HTML)
  python3-jieba          the word segmenter

Every source gives its candidate lines: lines of the manual pages and catalogues as the real benchmark
corpus has them (bench/real_corpus.py renders and reads them the same way), sentences of the HTML books
(paragraphs cut after 。！？), lines of the fortune files. A candidate has at least two Chinese characters,
at most 300 characters, can be written in GBK, is not mostly digits and signs (a table), and once
segmented holds a digit, a word with a Chinese numeral character or a number or time word (holds_number);
exact duplicates (after segmentation, across all sources) are dropped. Each source's candidates are
shuffled with a fixed seed and its quota taken from the front; the chosen lines are shuffled together with
the same seed, the first 500 are "dev" and the last 300 "test". Lines are word-segmented by jieba as
`python3 -m jieba -d ' '` does, with runs of spaces as one: words joined by single spaces.

The output depends only on the installed package versions.
"""
import html.parser
import gzip
import json
import os
import random
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, ".."))
import real_corpus  # noqa: E402  (rendering of manual pages, catalogues and fortunes)

SEED = 20040501
DEV, TEST = 500, 300

PACKAGES = ["fortunes-zh", "gettext", "groff-base", "manpages-zh", "debian-reference-zh-cn", "debian-faq-zh-cn",
            "maint-guide-zh-cn", "debian-edu-doc-zh-cn", "python3-jieba"]

# Lines per source; man pages stay under a third of the whole, and about half the lines are running prose
# (the four books and the anecdotes of the chinese fortune file).
QUOTAS = [
    ("man-zh_CN", 170),
    ("man-zh_TW", 50),
    ("po-zh_CN", 100),
    ("po-zh_TW", 40),
    ("fortune-chinese", 80),
    ("fortune-tang300", 25),
    ("fortune-song100", 25),
    ("debian-reference-zh-cn", 120),
    ("debian-faq-zh-cn", 60),
    ("maint-guide-zh-cn", 60),
    ("debian-edu-doc-zh-cn", 70),
]
assert sum(q for _, q in QUOTAS) == DEV + TEST

BOOKS = {
    "debian-reference-zh-cn": ["/usr/share/debian-reference/*.zh-cn.html"],
    "debian-faq-zh-cn": ["/usr/share/doc/debian/FAQ/zh-cn/*.zh-cn.html"],
    "maint-guide-zh-cn": ["/usr/share/doc/maint-guide-zh-cn/html/*.zh-cn.html"],
    "debian-edu-doc-zh-cn": ["/usr/share/doc/debian-edu-doc-zh-cn/debian-edu-bookworm-manual.html"],
}

NUMERALS = re.compile("[0-9０-９零〇一二三四五六七八九十百千万亿两兩壹贰貳叁參肆伍陆陸柒捌玖拾佰仟萬億廿卅]")
# Words (as jieba cuts them) that name a number or a time without a numeral character.
TIME_WORDS = {"年", "月", "日", "号", "號", "点", "點", "点钟", "點鐘", "时", "時", "分", "秒", "分钟", "分鐘",
              "小时", "小時", "天", "周", "週", "星期", "礼拜", "禮拜", "今天", "明天", "昨天", "今年", "明年",
              "去年", "早上", "上午", "中午", "下午", "晚上", "半夜", "凌晨", "半", "倍", "成", "几", "幾", "数",
              "數", "多少", "若干", "世纪", "世紀", "年代", "周末", "週末"}
TIME_PREFIXES = ("星期", "礼拜", "禮拜", "周", "週", "第")


def holds_number(words):
    """True when a segmented line holds a digit, a numeral character or a number or time word."""
    return any(NUMERALS.search(w) or w in TIME_WORDS or (w.startswith(TIME_PREFIXES) and len(w) > 1)
               for w in words)


CJK = re.compile(r"[\u4e00-\u9fff]")


def ensure_packages():
    missing = [p for p in PACKAGES
               if subprocess.run(["dpkg-query", "-W", "-f=${Status}", p], capture_output=True).stdout
               .decode().find("install ok installed") < 0]
    if missing:
        subprocess.run(["apt-get", "install", "-y", "--no-install-recommends"] + missing, check=True,
                       env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


class BookText(html.parser.HTMLParser):
    """The text of an HTML book as paragraphs: one per block element, program listings left out."""
    BLOCKS = {"p", "li", "dt", "dd", "td", "th", "h1", "h2", "h3", "h4", "h5", "h6", "title", "caption",
              "div", "blockquote", "table", "tr", "ul", "ol", "dl", "br", "figcaption"}
    SKIP = {"pre", "script", "style"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.paragraphs, self.buffer, self.skipping = [], [], 0

    def flush(self):
        text = " ".join("".join(self.buffer).split())
        if text:
            self.paragraphs.append(text)
        self.buffer = []

    def handle_starttag(self, tag, attrs):
        if tag in self.SKIP:
            self.flush()
            self.skipping += 1
        elif tag in self.BLOCKS:
            self.flush()

    def handle_endtag(self, tag):
        if tag in self.SKIP:
            self.skipping = max(0, self.skipping - 1)
        elif tag in self.BLOCKS:
            self.flush()

    def handle_data(self, data):
        if not self.skipping:
            self.buffer.append(data)


def book_lines(patterns):
    import glob
    lines = []
    for path in sorted(p for pattern in patterns for p in glob.glob(pattern)):
        opener = gzip.open if path.endswith(".gz") else open
        with opener(path, "rb") as f:
            parser = BookText()
            parser.feed(f.read().decode("utf-8", "replace"))
            parser.close()
            parser.flush()
        for paragraph in parser.paragraphs:
            # Sentences: cut after a full stop, exclamation or question mark (and a closing quote after it).
            lines += [s.strip() for s in re.split(r"(?<=[。！？])(?![”’」』）])", paragraph) if s.strip()]
    return lines


def man_lines(locale):
    lines = []
    for page in real_corpus.man_pages("/usr/share/man/" + locale):
        lines += real_corpus.render(page, chinese=True)
    return lines


def sources():
    out = {
        "man-zh_CN": man_lines("zh_CN"),
        "man-zh_TW": man_lines("zh_TW"),
        "po-zh_CN": real_corpus.catalogue_lines(translated=True, locale="zh_CN"),
        "po-zh_TW": real_corpus.catalogue_lines(translated=True, locale="zh_TW"),
        "fortune-chinese": real_corpus.fortune_lines(["chinese"]),
        "fortune-tang300": real_corpus.fortune_lines(["tang300"]),
        "fortune-song100": real_corpus.fortune_lines(["song100"]),
    }
    for name, patterns in BOOKS.items():
        out[name] = book_lines(patterns)
    return out


def segment(line, jieba):
    return [w.strip() for w in jieba.cut(line) if w.strip()]


def candidate(line):
    if len(line) > 300 or len(CJK.findall(line)) < 2:
        return False
    try:
        line.encode("gbk")
    except UnicodeEncodeError:
        return False
    # Tables of digits: mostly digits, signs and spaces.
    digits = sum(c.isdigit() or c in " .,:-/|+*%" for c in line)
    return digits * 2 < len(line)


def main():
    out_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "zh-drawn.jsonl")
    ensure_packages()
    import jieba
    jieba.setLogLevel(60)
    texts = sources()
    seen, chosen = set(), []
    for origin, quota in QUOTAS:
        lines = []
        for raw in texts[origin]:
            raw = " ".join(real_corpus.clean(raw).split())
            if candidate(raw):
                lines.append(raw)
        lines = sorted(set(lines))
        random.Random("%d %s" % (SEED, origin)).shuffle(lines)
        taken = 0
        for raw in lines:
            words = segment(raw, jieba)
            text = " ".join(words)
            if text in seen or not holds_number(words):
                continue
            seen.add(text)
            chosen.append((origin, text))
            taken += 1
            if taken == quota:
                break
        print("%-24s %6d candidates, %3d drawn" % (origin, len(lines), taken), file=sys.stderr)
    random.Random(SEED).shuffle(chosen)
    with open(out_path, "w", encoding="utf-8") as f:
        for n, (origin, text) in enumerate(chosen, 1):
            obj = {"id": "zh-%04d" % n, "origin": origin, "split": "dev" if n <= DEV else "test", "text": text}
            f.write(json.dumps(obj, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main()
