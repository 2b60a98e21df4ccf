#!/usr/bin/env bash
# Throughput benchmark of the vestrilo binary. See bench/README.md.
#
# Builds Release in its own build directory, generates the corpora under
# bench/out/ when they are missing or older than the generator, then measures:
#   - MB/s and lines/s per direction with one thread and with the default
#     thread count, beside `cat FILE > /dev/null` on the same file, on the
#     dense generated corpus and on the real, sparse one;
#   - 1x, 4x and 16x the corpus (default threads): time ratios, peak memory,
#     and the 1x corpus repeated 16 times (the registry does not grow);
#   - one 10 MiB line against the same bytes split into ordinary lines;
#   - the extended rules (VESTRILO_RULES=extended) beside the classic ones on
#     the real corpora, one thread (the extended rules should keep 0.8 of the
#     classic throughput or more);
#   - UTF-8 runs (VESTRILO_ENCODING=UTF-8) beside GBK runs of the same text;
#   - the Python module's pairs_many and the distributed run on a local
#     cluster beside the command line.
#
# Settings (environment): BENCH_MB (corpus size per direction in MiB, 50),
# BENCH_REAL (1: also the real corpora of bench/real_corpus.py; 0: not),
# BENCH_REAL_MB (their size cap in MiB, 50),
# BENCH_SEED (2004), BENCH_REPEAT (runs per 1x measurement, best is kept, 3),
# BENCH_LONG_MB (long-line size in MiB, 10), BENCH_TIMEOUT (seconds allowed to
# one run, 300), BENCH_BUILD (build directory, build-bench), BENCH_DIRECTIONS
# ("-C2E -E2C"), BENCH_NICE (a nice value for the measured runs, e.g. -10 on a
# machine shared with other work; needs root for negative values),
# BENCH_SECTIONS (the parts to run, "throughput rules scaling long utf8 python
# distributed"). MB in the
# figures is 10^6 bytes.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BENCH_BUILD:-$ROOT/build-bench}
OUT=$ROOT/bench/out
MB=${BENCH_MB:-50}
SEED=${BENCH_SEED:-2004}
REPEAT=${BENCH_REPEAT:-3}
LONG_MB=${BENCH_LONG_MB:-10}
TIMEOUT=${BENCH_TIMEOUT:-300}
DIRECTIONS=${BENCH_DIRECTIONS:-"-C2E -E2C"}
SECTIONS=${BENCH_SECTIONS:-"throughput rules scaling long utf8 python distributed"}
section() { [[ " $SECTIONS " == *" $1 "* ]]; }
NICE=()
[ -n "${BENCH_NICE:-}" ] && NICE=(nice -n "$BENCH_NICE")

if [ ! -x /usr/bin/time ]; then
  echo "installing GNU time (for peak memory)" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq time >/dev/null
fi
# The real corpora are made from text these Debian packages install.
REAL_PACKAGES="manpages manpages-dev manpages-zh coreutils util-linux findutils grep sed tar bash procps
  openssh-client man-db git-man perl-doc fortunes fortunes-zh gettext groff-base python3-jieba"
if [ "${BENCH_REAL:-1}" = 1 ]; then
  missing=""
  for p in $REAL_PACKAGES; do dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"; done
  if [ -n "$missing" ]; then
    echo "installing$missing (for the real corpora)" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq $missing >/dev/null
  fi
fi

# ---------------------------------------------------------------- build
echo "== building Release in $BUILD" >&2
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DVESTRILO_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target vestrilo -j2 >/dev/null
if section python || section distributed; then
  cmake --build "$BUILD" --target vestrilo_python -j2 >/dev/null 2>&1 || echo "(no Python module: pybind11 missing)" >&2
fi
BIN=$BUILD/vestrilo
GEN=$BUILD/gen_corpus
if [ ! -x "$GEN" ] || [ "$ROOT/bench/gen_corpus.cpp" -nt "$GEN" ] || [ "$ROOT/bench/CorpusGenerator.h" -nt "$GEN" ]; then
  g++ -O2 -std=c++17 -Wall -Wextra -finput-charset=UTF-8 -fexec-charset=GBK -I"$ROOT" \
    "$ROOT/bench/gen_corpus.cpp" -o "$GEN"
fi

# ---------------------------------------------------------------- corpora
mkdir -p "$OUT"
name() { # direction kind -> file
  local d=zh
  [ "$1" = -E2C ] && d=en
  echo "$OUT/$d-$2-${MB}m-s$SEED.txt"
}
longname() { # direction kind -> file
  local d=zh
  [ "$1" = -E2C ] && d=en
  echo "$OUT/$d-$2-${LONG_MB}m-s$SEED.txt"
}
generate() { # file args...
  local file=$1
  shift
  if [ ! -s "$file" ] || [ "$GEN" -nt "$file" ]; then
    echo "   generating $(basename "$file")" >&2
    "$GEN" "$@" "$file.tmp" && mv "$file.tmp" "$file"
  fi
}
echo "== corpora in $OUT" >&2
for dir in $DIRECTIONS; do
  generate "$(name "$dir" x1)" "$dir" "$MB" "$SEED" 1
  if section scaling; then
    generate "$(name "$dir" x4)" "$dir" "$MB" "$SEED" 4
    generate "$(name "$dir" x16)" "$dir" "$MB" "$SEED" 16
    rep=$(name "$dir" r16)
    if [ ! -s "$rep" ] || [ "$(name "$dir" x1)" -nt "$rep" ]; then
      echo "   repeating $(basename "$(name "$dir" x1)") 16 times" >&2
      for _ in $(seq 16); do cat "$(name "$dir" x1)"; done >"$rep.tmp" && mv "$rep.tmp" "$rep"
    fi
  fi
  if section long; then
    generate "$(longname "$dir" lines)" "$dir" "$LONG_MB" "$SEED" 1 --dense
    generate "$(longname "$dir" oneline)" "$dir" "$LONG_MB" "$SEED" 1 --dense --one-line
  fi
  gbk=$(name "$dir" x1)
  utf8=${gbk%.txt}.utf8.txt
  if section utf8 && { [ ! -s "$utf8" ] || [ "$gbk" -nt "$utf8" ]; }; then
    echo "   converting $(basename "$gbk") to UTF-8" >&2
    iconv -f GBK -t UTF-8 "$gbk" >"$utf8.tmp" && mv "$utf8.tmp" "$utf8"
  fi
done
# The real, sparse corpora (bench/real_corpus.py): made once, kept until the script changes.
REAL_DIR=$OUT/real
if [ "${BENCH_REAL:-1}" = 1 ]; then
  if [ ! -s "$REAL_DIR/zh-real.txt" ] || [ ! -s "$REAL_DIR/en-real.txt" ] || [ "$ROOT/bench/real_corpus.py" -nt "$REAL_DIR/en-real.txt" ]; then
    echo "   making the real corpora (manual pages, message catalogues, fortunes; a few minutes)" >&2
    /usr/bin/python3 "$ROOT/bench/real_corpus.py" "$REAL_DIR" "${BENCH_REAL_MB:-50}" >&2
  fi
fi
realname() { # direction -> file
  local d=zh
  [ "$1" = -E2C ] && d=en
  echo "$REAL_DIR/$d-real.txt"
}

# ---------------------------------------------------------------- helpers
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"$1\", $2 }"; }

# run THREADS DIRECTION FILE: times one run; sets SECS, RSS_MB, PAIRS, STATUS.
# THREADS is a number, or "default" for the unset variable.
# ENCODING (empty: unset) is passed on as VESTRILO_ENCODING, RULES as
# VESTRILO_RULES.
ENCODING=
RULES=
run() {
  local threads=$1 dir=$2 file=$3 start end
  local envset=(env -u VESTRILO_THREADS -u VESTRILO_ENCODING -u VESTRILO_RULES)
  [ "$threads" != default ] && envset+=(VESTRILO_THREADS="$threads")
  [ -n "$ENCODING" ] && envset+=(VESTRILO_ENCODING="$ENCODING")
  [ -n "$RULES" ] && envset+=(VESTRILO_RULES="$RULES")
  start=$(now)
  set +e
  "${envset[@]}" "${NICE[@]}" timeout "$TIMEOUT" /usr/bin/time -v -o "$SCRATCH/time" \
    "$BIN" "$dir" "$file" "$SCRATCH/pairs" >/dev/null 2>"$SCRATCH/err"
  STATUS=$?
  set -e
  end=$(now)
  SECS=$(calc "%.3f" "$end - $start")
  RSS_MB=$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$SCRATCH/time" 2>/dev/null || true)
  CPU=$(awk -F': ' '/User time|System time/ { t += $2 } END { printf "%.2f", t }' "$SCRATCH/time" 2>/dev/null || true)
  PAIRS=$(wc -l <"$SCRATCH/pairs" 2>/dev/null || echo 0)
  if [ "$STATUS" -ne 0 ]; then
    RSS_MB=-
    CPU=-
    PAIRS=-
    if [ "$STATUS" -eq 124 ]; then
      SECS=">$TIMEOUT"
    else
      SECS=failed
      echo "!! $dir $(basename "$file") threads=$threads exited with status $STATUS: $(head -c 300 "$SCRATCH/err")" >&2
    fi
  fi
}

# best THREADS DIRECTION FILE: the fastest of REPEAT runs (SECS, RSS_MB, PAIRS).
best() {
  local b="" brss="" bcpu="" i
  for ((i = 0; i < REPEAT; i++)); do
    run "$@"
    if [ "$STATUS" -ne 0 ]; then return; fi
    if [ -z "$b" ] || awk "BEGIN { exit !($SECS < $b) }"; then
      b=$SECS
      brss=$RSS_MB
      bcpu=$CPU
    fi
  done
  SECS=$b
  RSS_MB=$brss
  CPU=$bcpu
}

cat_time() { # FILE -> seconds of the fastest of three warm reads
  local b="" s e t i
  cat "$1" >/dev/null
  for i in 1 2 3; do
    s=$(now)
    cat "$1" >/dev/null
    e=$(now)
    t=$(calc "%.4f" "$e - $s")
    if [ -z "$b" ] || awk "BEGIN { exit !($t < $b) }"; then b=$t; fi
  done
  echo "$b"
}

ratio() { # a b -> a/b, or "-" when either is not a number
  if [[ $1 =~ ^[0-9.]+$ && $2 =~ ^[0-9.]+$ ]] && awk "BEGIN { exit !($2 > 0) }"; then
    calc "%.2f" "$1 / $2"
  else
    echo "-"
  fi
}

# ---------------------------------------------------------------- measuring
COMMIT=$(git -C "$ROOT" rev-parse --short HEAD 2>/dev/null || echo unknown)
# Only the sources of the binary matter here.
if [ -n "$(git -C "$ROOT" status --porcelain -- CMakeLists.txt driver engine core include lexicon chinese english 2>/dev/null)" ]; then
  COMMIT="$COMMIT (with local changes to the tool's sources)"
fi
echo
echo "Vestrilo benchmark: commit $COMMIT, $(nproc) cores, default threads $(nproc), corpus ${MB} MiB per direction, seed $SEED"
echo "MB = 10^6 bytes; each 1x figure is the best of $REPEAT runs; output to a file, console to /dev/null"
echo "seconds = wall clock, cpu = user + system seconds of the process, cpu-MB/s = MB per cpu second"
echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)${BENCH_NICE:+; measured runs at nice $BENCH_NICE}"
if section throughput; then
echo

throughput() { # title kind: the throughput table of the 1x ("x1") or the real ("real") corpora
  echo "$1"
  printf "%-5s %-8s %6s %7s %8s %6s %7s %8s %8s %7s %8s %7s %8s %8s\n" \
    dir threads MB lines seconds MB/s lines/s cpu cpu-MB/s cat-s cat-MB/s vs-cat peak-MB pairs
  for dir in $DIRECTIONS; do
    if [ "$2" = real ]; then file=$(realname "$dir"); else file=$(name "$dir" x1); fi
    [ -s "$file" ] || continue
    bytes=$(stat -c %s "$file")
    lines=$(wc -l <"$file")
    mb=$(calc "%.1f" "$bytes / 1e6")
    ct=$(cat_time "$file")
    cmbs=$(calc "%.0f" "$bytes / 1e6 / $ct")
    for threads in 1 default; do
      best "$threads" "$dir" "$file"
      if [[ $SECS =~ ^[0-9.]+$ ]]; then
        mbs=$(calc "%.1f" "$bytes / 1e6 / $SECS")
        lps=$(calc "%.0f" "$lines / $SECS")
        cmb=$(calc "%.1f" "$bytes / 1e6 / $CPU")
      else
        mbs=-
        lps=-
        cmb=-
      fi
      printf "%-5s %-8s %6s %7s %8s %6s %7s %8s %8s %7s %8s %7s %8s %8s\n" \
        "$dir" "$threads" "$mb" "$lines" "$SECS" "$mbs" "$lps" "$CPU" "$cmb" "$ct" "$cmbs" "$(ratio "$SECS" "$ct")x" \
        "$RSS_MB" "$PAIRS"
      if [ "$threads" = 1 ]; then T1=$SECS; else T2=$SECS; fi
    done
    echo "      two threads: $(ratio "$T1" "$T2")x the single-threaded throughput"
  done
}
throughput "Throughput (1x corpus, dense generated text)" x1
if [ "${BENCH_REAL:-1}" = 1 ]; then
  echo
  throughput "Throughput (real corpus: manual pages, message catalogues, fortunes; most lines hold no entity)" real
fi
fi

if section rules && [ "${BENCH_REAL:-1}" = 1 ]; then
echo
echo "Rule sets (real corpus, one thread, best of $REPEAT): extended beside classic"
printf "%-5s %10s %10s %16s %14s %14s\n" dir classic-s extended-s extended/classic classic-pairs extended-pairs
for dir in $DIRECTIONS; do
  file=$(realname "$dir")
  [ -s "$file" ] || continue
  RULES=classic
  best 1 "$dir" "$file"
  tc=$SECS pc=$PAIRS
  RULES=extended
  best 1 "$dir" "$file"
  te=$SECS pe=$PAIRS
  RULES=
  printf "%-5s %10s %10s %15sx %14s %14s\n" "$dir" "$tc" "$te" "$(ratio "$tc" "$te")" "$pc" "$pe"
done
fi

if section scaling; then
echo
echo "Scaling (default threads; 4x and 16x are 4 and 16 differently seeded corpora of ${MB} MiB,"
echo "16x-rep is the 1x corpus 16 times: its pairs are all known after the first copy, so the registry stays as at 1x)"
printf "%-7s %-8s %8s %9s %8s %8s %8s %9s %8s %9s %9s\n" dir size MB seconds MB/s ratio cpu cpu-ratio peak-MB pairs out-MB
for dir in $DIRECTIONS; do
  base=""
  cbase=""
  for x in 1 4 16 16-rep; do
    file=$(name "$dir" "x$x")
    [ "$x" = 16-rep ] && file=$(name "$dir" r16)
    bytes=$(stat -c %s "$file")
    cat "$file" >/dev/null
    run default "$dir" "$file"
    if [ "$x" = 1 ]; then
      base=$SECS
      cbase=$CPU
    fi
    outmb=$(calc "%.1f" "$(stat -c %s "$SCRATCH/pairs" 2>/dev/null || echo 0) / 1e6")
    mbs=-
    [[ $SECS =~ ^[0-9.]+$ ]] && mbs=$(calc "%.1f" "$bytes / 1e6 / $SECS")
    label=${x}x
    [ "$x" = 16-rep ] && label=16x-rep
    printf "%-7s %-8s %8s %9s %8s %8s %8s %9s %8s %9s %9s\n" "$dir" "$label" "$(calc "%.0f" "$bytes / 1e6")" \
      "$SECS" "$mbs" "$(ratio "$SECS" "$base")" "$CPU" "$(ratio "$CPU" "$cbase")" "$RSS_MB" "$PAIRS" "$outmb"
  done
done

fi

if section long; then
echo
echo "Long line (one thread): one line of ${LONG_MB} MiB against the same bytes as ordinary lines"
printf "%-5s %9s %12s %12s %8s %10s %10s %9s\n" dir lines lines-s one-line-s ratio lines-cpu one-cpu cpu-ratio
for dir in $DIRECTIONS; do
  lfile=$(longname "$dir" lines)
  ofile=$(longname "$dir" oneline)
  cat "$lfile" "$ofile" >/dev/null
  run 1 "$dir" "$lfile"
  ls=$SECS
  lc=$CPU
  run 1 "$dir" "$ofile"
  printf "%-5s %9s %12s %12s %8s %10s %10s %9s\n" "$dir" "$(wc -l <"$lfile")" "$ls" "$SECS" "$(ratio "$SECS" "$ls")" \
    "$lc" "$CPU" "$(ratio "$CPU" "$lc")"
done
fi

if section utf8; then
echo
echo "UTF-8 against GBK (one thread): the 1x corpus, and the same text converted to UTF-8 by iconv;"
echo "each the best of $REPEAT runs; ratio = UTF-8 / GBK (the UTF-8 file is larger: a Chinese character is 3 bytes, not 2)"
printf "%-5s %9s %9s %8s %8s %9s %9s %8s %8s\n" dir gbk-MB utf8-MB gbk-s utf8-s ratio gbk-cpu utf8-cpu cpu-ratio
for dir in $DIRECTIONS; do
  gbk=$(name "$dir" x1)
  utf8=${gbk%.txt}.utf8.txt
  cat "$gbk" "$utf8" >/dev/null
  ENCODING=
  best 1 "$dir" "$gbk"
  gs=$SECS
  gc=$CPU
  gp=$PAIRS
  ENCODING=UTF-8
  best 1 "$dir" "$utf8"
  ENCODING=
  [ "$gp" = "$PAIRS" ] || echo "!! $dir: $gp pairs in GBK, $PAIRS in UTF-8" >&2
  printf "%-5s %9s %9s %8s %8s %9s %9s %8s %8s\n" "$dir" "$(calc "%.1f" "$(stat -c %s "$gbk") / 1e6")" \
    "$(calc "%.1f" "$(stat -c %s "$utf8") / 1e6")" "$gs" "$SECS" "$(ratio "$SECS" "$gs")" "$gc" "$CPU" "$(ratio "$CPU" "$gc")"
done
fi

# The Python module and the cluster mode, for Debian's /usr/bin/python3 (built when pybind11 is there).
if { section python || section distributed; } && [ -d "$BUILD/python/vestrilo" ]; then
  if section python; then
    echo
    echo "Python module: pairs_many over the corpus (reading and splitting the file included) beside the"
    echo "command line's single thread; best of $REPEAT runs"
    for dir in $DIRECTIONS; do
      for file in "$(name "$dir" x1)" "$(realname "$dir")"; do
        [ -s "$file" ] || continue
        echo "$(basename "$file"):"
        PYTHONPATH="$BUILD/python" "${NICE[@]}" /usr/bin/python3 "$ROOT/bench/python_bench.py" "$BIN" "$dir" "$file" "$REPEAT"
      done
    done
  fi
  if section distributed; then
    echo
    echo "Distributed (python3 -m vestrilo.distributed, local cluster of 2 workers, blocks of 4 MiB) beside the"
    echo "threaded command line, one run each"
    for dir in $DIRECTIONS; do
      PYTHONPATH="$BUILD/python" "${NICE[@]}" /usr/bin/python3 "$ROOT/bench/distributed_bench.py" "$BIN" "$dir" \
        "$(name "$dir" x1)" 2 $((4 << 20))
    done
  fi
fi
