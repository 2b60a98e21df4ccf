#!/usr/bin/env bash
# Writes every output the tools give on a fixed set of inputs, so that two
# builds can be compared byte for byte:
#
#   bench/outputs.sh BUILD OUTDIR          # run BUILD's programs, module and cluster mode
#   bench/outputs.sh --compare DIR1 DIR2   # list every file that differs; exit 1 if any
#
# The inputs (made once under $OUTPUTS_INPUTS, default bench/out/outputs-inputs):
# the examples, generated corpora of both directions (OUTPUTS_MB MiB each, 8),
# the real corpora of bench/real_corpus.py when bench/out/real holds them (whole
# for vestrilo, their first 2 MiB for the viewer), 2 MiB of random bytes, random
# lines of numeral-rich bytes, and the fuzz seed corpora; each also in UTF-8.
#
# For each input, direction and encoding: the pairs and console text of
# vestrilo (one thread and the default), every viewer format; the module's
# pairs (str and bytes), entities and extract_file; the cluster mode on the
# examples and the 8 MiB corpora. OUTPUTS_RULES (default: "unset") lists the
# values of VESTRILO_RULES to run ("unset classic extended"); each has a
# directory of its own. OUTPUTS_PARTS chooses among "cli view python cluster".
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = --compare ]; then
  a=$2 b=$3 bad=0
  while IFS= read -r f; do
    if [ ! -f "$b/$f" ]; then echo "only in $a: $f"; bad=1
    elif ! cmp -s "$a/$f" "$b/$f"; then echo "differs: $f"; bad=1; fi
  done < <(cd "$a" && find . -type f | sort)
  while IFS= read -r f; do
    [ -f "$a/$f" ] || { echo "only in $b: $f"; bad=1; }
  done < <(cd "$b" && find . -type f | sort)
  n=$(cd "$a" && find . -type f | wc -l)
  [ $bad = 0 ] && echo "identical: $n files" || echo "DIFFERENT"
  exit $bad
fi

BUILD=$(cd "$1" && pwd)
OUTDIR=$2
mkdir -p "$OUTDIR"
OUTDIR=$(cd "$OUTDIR" && pwd)
IN=${OUTPUTS_INPUTS:-$ROOT/bench/out/outputs-inputs}
MB=${OUTPUTS_MB:-8}
RULES=${OUTPUTS_RULES:-unset}
PARTS=${OUTPUTS_PARTS:-"cli view python cluster"}
part() { [[ " $PARTS " == *" $1 "* ]]; }
PY=/usr/bin/python3

# ---------------------------------------------------------------- inputs
mkdir -p "$IN"
if [ ! -s "$IN/done" ]; then
  echo "making inputs in $IN" >&2
  GEN=$IN/gen_corpus
  g++ -O2 -std=c++17 -finput-charset=UTF-8 -fexec-charset=GBK -I"$ROOT" "$ROOT/bench/gen_corpus.cpp" -o "$GEN"
  cp "$ROOT/examples/chinese.txt" "$IN/zh-examples.txt"
  cp "$ROOT/examples/english.txt" "$IN/en-examples.txt"
  "$GEN" -C2E "$MB" 77 1 "$IN/zh-gen.txt"
  "$GEN" -E2C "$MB" 77 1 "$IN/en-gen.txt"
  "$GEN" --dense -C2E 1 78 1 "$IN/zh-dense.txt"
  "$GEN" --dense -E2C 1 78 1 "$IN/en-dense.txt"
  cat "$ROOT/fuzz/corpus/chinese.txt" "$ROOT"/fuzz/regressions/chinese_*/* > "$IN/zh-fuzz.txt"
  cat "$ROOT/fuzz/corpus/english.txt" "$ROOT"/fuzz/regressions/english_*/* > "$IN/en-fuzz.txt"
  $PY - "$IN" <<'EOF'
import random, sys
out = sys.argv[1]
r = random.Random(4242)
raw = bytes(r.getrandbits(8) for _ in range(2 << 20))
for d in ("zh", "en"):
    open(f"{out}/{d}-random.txt", "wb").write(raw)
# Lines of pieces that the rules care about, joined at random.
zh = "零 一 二 三 四 五 六 七 八 九 十 百 千 万 亿 两 点 半 刻 分 秒 年 月 日 号 时 第 星期 周 之 分之 百分之 成 多 余 几 来 公元 前 上午 下午 晚上 、 ， 。 ％ % . , : ： - ～ 0 1 2 3 9 12 24 31 99 2004 3.5 １ ２ 萬 億 兩 點 负 又 折 个 百分点 年代 左右 约".split()
en = ("zero one two three four five six seven eight nine ten eleven twelve thirteen twenty thirty forty hundred thousand "
      "million billion first second third fourth fifth twentieth half quarter third thirds past to of o'clock a.m. p.m. am pm "
      "monday Mon Tue. January Jan. feb May may june jun jul sep Sept. , . : - / % percent per cent and a the 0 1 2 3 12 24 "
      "31 99 1990s 2004 3.5 10:30 17:59:04 08/29 2016-12-14 1,250 B.C. A.D. at by until dozen minus point nought").split()
for d, words, sep in (("zh", zh, " "), ("en", en, " ")):
    lines = []
    for _ in range(20000):
        n = r.randint(1, 12)
        lines.append(sep.join(r.choice(words) for _ in range(n)))
    text = "\n".join(lines) + "\n"
    data = text.encode("gbk", "replace") if d == "zh" else text.encode("gbk", "replace")
    open(f"{out}/{d}-pieces.txt", "wb").write(data)
EOF
  for d in zh en; do
    if [ -s "$ROOT/bench/out/real/$d-real.txt" ]; then
      cp "$ROOT/bench/out/real/$d-real.txt" "$IN/$d-real.txt"
    fi
  done
  for f in "$IN"/*.txt; do
    case $f in *.utf8.txt) continue ;; esac
    iconv -f GBK -t UTF-8 -c "$f" > "${f%.txt}.utf8.txt" 2>/dev/null || true
  done
  # Random bytes as UTF-8 input too, unconverted.
  for d in zh en; do cp "$IN/$d-random.txt" "$IN/$d-random.utf8.txt"; done
  rm -f "$GEN"
  date > "$IN/done"
fi

# ---------------------------------------------------------------- runs
VEST=$BUILD/vestrilo
VIEW=$BUILD/vestrilo-view
FORMATS="tags html translated-tags translated-html pairs-html jsonl"

for rules in $RULES; do
  O=$OUTDIR/$rules
  mkdir -p "$O"
  renv=()
  [ "$rules" != unset ] && renv=(VESTRILO_RULES=$rules)
  for f in "$IN"/*.txt; do
    base=$(basename "$f" .txt)
    case $base in zh-*) dir=-C2E pyd=C2E ;; en-*) dir=-E2C pyd=E2C ;; *) continue ;; esac
    case $base in *.utf8) enc=UTF-8 ;; *) enc=GBK ;; esac
    env=(env "${renv[@]}" VESTRILO_ENCODING=$enc)
    if part cli; then
      "${env[@]}" VESTRILO_THREADS=1 "$VEST" $dir "$f" "$O/$base.pairs" > "$O/$base.console" 2>&1 || echo "status $?" >> "$O/$base.console"
      "${env[@]}" VESTRILO_THREADS=2 "$VEST" $dir "$f" "$O/$base.pairs2" > /dev/null 2>&1
      cmp -s "$O/$base.pairs" "$O/$base.pairs2" || echo "threads differ" > "$O/$base.threads-differ"
      rm -f "$O/$base.pairs2"
    fi
    if part view; then
      src=$f
      case $base in *real*)
        src=$O/.head.txt
        head -c $((2 << 20)) "$f" > "$src" ;;
      esac
      for fmt in $FORMATS; do
        "${env[@]}" "$VIEW" $dir $fmt "$src" "$O/$base.view-$fmt" > /dev/null 2>&1 || echo "status $?" >> "$O/$base.view-$fmt"
      done
      rm -f "$O/.head.txt"
    fi
    if part python && [ -d "$BUILD/python/vestrilo" ]; then
      PYTHONPATH=$BUILD/python $PY - "$pyd" "$enc" "$f" "$O/$base" "$rules" <<'EOF'
import sys, vestrilo
d, enc, path, out, rules = sys.argv[1:]
kw = {} if rules == "unset" else {"rules": rules}
data = open(path, "rb").read()
if enc == "UTF-8" and data.startswith(b"\xef\xbb\xbf"):
    data = data[3:]
lines = data.split(b"\n")
if lines and lines[-1] == b"":
    lines.pop()
with open(out + ".py-pairs", "wb") as o:
    if enc == "UTF-8":
        x = vestrilo.Extractor(d, **kw)
        strs = [l.decode("utf-8", "surrogateescape") for l in lines]
        for ps in x.pairs_many(strs):
            for p in ps:
                o.write((p[0] + " ||| " + p[1] + "\n").encode("utf-8", "surrogateescape"))
    else:
        x = vestrilo.Extractor(d, **kw)
        for ps in x.pairs_many(lines):
            for p in ps:
                o.write(p[0] + b" ||| " + p[1] + b"\n")
if len(data) < (4 << 20):
    x = vestrilo.Extractor(d, **kw)
    with open(out + ".py-entities", "w", encoding="utf-8", errors="surrogateescape") as o:
        for l in lines:
            if enc == "UTF-8":
                es = x.entities(l.decode("utf-8", "surrogateescape"))
            else:
                es = x.entities(l)
            o.write(repr([(e.start, e.end, e.kind, e.text, e.translation, e.candidate) for e in es]) + "\n")
vestrilo.extract_file(d, path, out + ".py-file", encoding=enc, **kw)
EOF
    fi
    if part cluster && [ -d "$BUILD/python/vestrilo" ]; then
      case $base in *examples*|*-gen|*-gen.utf8)
        ropt=()
        [ "$rules" != unset ] && ropt=(--rules "$rules")
        PYTHONPATH=$BUILD/python $PY -m vestrilo.distributed $dir "$f" "$O/$base.cluster" --workers 2 \
          --encoding $enc --block-size 1000000 "${ropt[@]}" > /dev/null 2>&1 || echo "status $?" >> "$O/$base.cluster"
        ;;
      esac
    fi
  done
done
echo "outputs of $BUILD written to $OUTDIR" >&2
