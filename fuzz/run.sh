#!/usr/bin/env bash
# Builds the fuzz targets (when needed) and runs each for a given time.
#
#   fuzz/run.sh [SECONDS] [TARGET...]
#
# SECONDS   time per target (default 30)
# TARGET    chinese_line english_line chinese_functions english_functions line_reader
#           (default: all of them)
#
# Environment:
#   FUZZ_BUILD_DIR  build directory (default: <repo>/build-fuzz)
#   FUZZ_JOBS       targets run at the same time (default 1)
#   FUZZ_NICE       nice level of the fuzzers (default 0)
#   FUZZ_TIMEOUT    seconds one input may take before it counts as a hang (default 20)
#   FUZZ_FLAGS      extra libFuzzer flags, e.g. "-use_value_profile=1"
#   FUZZ_CC         C compiler that names the clang used for linking (default clang)
#
# Exits non-zero when a target reports anything (crash, sanitizer report, leak,
# hang, out-of-memory, failed check) or does not build. Inputs that found
# something are kept in $FUZZ_BUILD_DIR/fuzz/artifacts/<target>/; the corpus each
# target grows is kept in $FUZZ_BUILD_DIR/fuzz/corpus/<target>/ for later runs.
set -euo pipefail
set -f  # no globbing: seed words are split on spaces only

# The whole script is one block, read before it runs, so that editing the file
# while it runs cannot change what a running instance does.
{
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
DURATION=${1:-30}
[ $# -gt 0 ] && shift
ALL_TARGETS=(chinese_line english_line chinese_functions english_functions line_reader)
if [ $# -gt 0 ]; then TARGETS=("${@#fuzz_}"); else TARGETS=("${ALL_TARGETS[@]}"); fi
JOBS=${FUZZ_JOBS:-1}
NICE=${FUZZ_NICE:-0}
TIMEOUT=${FUZZ_TIMEOUT:-20}

case "$DURATION" in
  ''|*[!0-9]*) echo "usage: fuzz/run.sh [SECONDS] [TARGET...]" >&2; exit 2 ;;
esac
for t in "${TARGETS[@]}"; do
  case " ${ALL_TARGETS[*]} " in
    *" $t "*) ;;
    *) echo "unknown fuzz target: $t (known: ${ALL_TARGETS[*]})" >&2; exit 2 ;;
  esac
done

# --- build -------------------------------------------------------------------
# The library needs GCC (GBK string literals); clang only links libFuzzer in.
mkdir -p "$BUILD"
build_log=$BUILD/fuzz-build.log
: > "$build_log"
quiet() {  # command...: runs it, showing its output only when it fails
  "$@" >> "$build_log" 2>&1 || { tail -n 60 "$build_log"; echo "fuzz build failed (log: $build_log)" >&2; exit 1; }
}
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  quiet env CC="${FUZZ_CC:-clang}" CXX=g++ cmake -S "$ROOT" -B "$BUILD" \
    -DCMAKE_BUILD_TYPE=Debug -DVESTRILO_FUZZ=ON -DVESTRILO_TESTS=OFF -DVESTRILO_SANITIZE=OFF
fi
build_targets=(vestrilo_fuzz_dicts)
for t in "${TARGETS[@]}"; do build_targets+=("fuzz_$t"); done
for bt in "${build_targets[@]}"; do
  quiet cmake --build "$BUILD" --target "$bt" -j "${FUZZ_BUILD_JOBS:-2}"
done

OUT=$BUILD/fuzz
SEEDS=$OUT/seeds
rm -rf "$SEEDS"
mkdir -p "$SEEDS" "$OUT/corpus" "$OUT/artifacts" "$OUT/logs"

# --- seeds -------------------------------------------------------------------
# Seed lines: the committed lists (Chinese converted to GBK, and as they are for
# the UTF-8 mode of the line targets), the example inputs and any text inputs
# the tests keep as files. Every line seeds both line targets; the function
# targets get each line (the Chinese ones with their spaces removed, as
# translators receive them) behind every selector byte.
gbk_chinese=$SEEDS/chinese.gbk
iconv -f UTF-8 -t GBK "$ROOT/fuzz/corpus/chinese.txt" > "$gbk_chinese"
extra_inputs=()
while IFS= read -r -d '' f; do extra_inputs+=("$f"); done < <(
  find "$ROOT/examples" "$ROOT/tests" -type f \( -name '*.txt' -o -name '*.in' -o -name '*.gbk' \) \
    ! -name CMakeLists.txt -print0 2>/dev/null | sort -z)

n=0
seed_line() {  # target-dir text
  mkdir -p "$1"
  n=$((n + 1))
  printf '%s' "$2" > "$1/seed-$n"
}
seed_selectors() {  # target-dir text count
  local sel
  mkdir -p "$1"
  for ((sel = 0; sel < $3; sel++)); do
    n=$((n + 1))
    { printf "\\$(printf '%03o' "$sel")"; printf '%s' "$2"; } > "$1/seed-$n"
  done
}
lines_of() {  # file [max]: the file's lines without CR, empty ones skipped
  head -n "${2:-200}" "$1" | tr -d '\r' | grep -av '^$' || true
}
FUNCTIONS_PER_SIDE=15
while IFS= read -r line; do
  seed_line "$SEEDS/chinese_line" "$line"
  seed_selectors "$SEEDS/chinese_functions" "${line// /}" "$FUNCTIONS_PER_SIDE"
  for word in $line; do seed_selectors "$SEEDS/chinese_functions" "$word" "$FUNCTIONS_PER_SIDE"; done
done < <(lines_of "$gbk_chinese")
# The same Chinese lines as UTF-8, for the line targets' UTF-8 mode.
while IFS= read -r line; do
  seed_line "$SEEDS/chinese_line" "$line"
done < <(lines_of "$ROOT/fuzz/corpus/chinese.txt")
while IFS= read -r line; do
  seed_line "$SEEDS/english_line" "$line"
  seed_selectors "$SEEDS/english_functions" "$(printf '%s' "$line" | tr 'A-Z' 'a-z')" "$FUNCTIONS_PER_SIDE"
done < <(lines_of "$ROOT/fuzz/corpus/english.txt")
for f in "${extra_inputs[@]}"; do
  while IFS= read -r line; do
    seed_line "$SEEDS/chinese_line" "$line"
    seed_line "$SEEDS/english_line" "$line"
  done < <(lines_of "$f" 100)
done
# Inputs that once found a fault (replayed by tests/fuzz_regressions_test.cpp).
for t in "${TARGETS[@]}"; do
  if [ -d "$ROOT/fuzz/regressions/$t" ]; then
    mkdir -p "$SEEDS/$t"
    while IFS= read -r -d '' f; do n=$((n + 1)); cp "$f" "$SEEDS/$t/seed-$n"; done < <(
      find "$ROOT/fuzz/regressions/$t" -type f -print0)
  fi
done
# Line splitting: whole files behind block-size bytes (3 bytes, 16 bytes, 4 KiB),
# with LF and with CR LF line ends.
mkdir -p "$SEEDS/line_reader"
for f in "$gbk_chinese" "$ROOT/fuzz/corpus/english.txt"; do
  for block in '\003' '\020' '\365'; do
    n=$((n + 1)); { printf "$block"; head -c 3000 "$f"; } > "$SEEDS/line_reader/seed-$n"
    n=$((n + 1)); { printf "$block"; head -c 3000 "$f" | sed 's/$/\r/'; } > "$SEEDS/line_reader/seed-$n"
  done
done
n=$((n + 1)); printf '\001\r\n\r\n\n\n\r' > "$SEEDS/line_reader/seed-$n"

# --- run ---------------------------------------------------------------------
dict_for() {
  case "$1" in
    chinese_*) echo "-dict=$OUT/chinese.dict" ;;
    english_*) echo "-dict=$OUT/english.dict" ;;
    *) echo "" ;;
  esac
}

run_one() {  # target
  local t=$1 bin=$OUT/fuzz_$1 log=$OUT/logs/$1.log rc=0
  mkdir -p "$OUT/corpus/$t" "$OUT/artifacts/$t"
  local maxlen=4096
  # shellcheck disable=SC2046,SC2086
  nice -n "$NICE" "$bin" -max_total_time="$DURATION" -timeout="$TIMEOUT" -rss_limit_mb=2048 \
    -max_len="$maxlen" $(dict_for "$t") -artifact_prefix="$OUT/artifacts/$t/" -print_final_stats=1 \
    ${FUZZ_FLAGS:-} "$OUT/corpus/$t" "$SEEDS/$t" > "$log" 2>&1 || rc=$?
  echo "$rc" > "$OUT/logs/$t.rc"
}

summary() {  # target
  local t=$1 log=$OUT/logs/$1.log rc
  rc=$(cat "$OUT/logs/$t.rc" 2>/dev/null || echo 1)
  local runs speed corpus
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  corpus=$(grep -aoE 'corp: [0-9]+/[0-9]+[a-zA-Z]*' "$log" | tail -n 1 | sed 's/corp: //')
  if [ "$rc" = 0 ]; then
    printf '%-18s ok    %12s execs  %8s exec/s  corpus %s\n' "$t" "${runs:-?}" "${speed:-?}" "${corpus:-?}"
  else
    printf '%-18s FAIL  (exit %s) after %s execs; log %s\n' "$t" "$rc" "${runs:-?}" "$log"
    grep -aE '^==[0-9]+==ERROR|^SUMMARY|runtime error|==fuzz check failed|^  text:|ERROR: libFuzzer|Test unit written' \
      "$log" | head -n 20 | sed 's/^/    /'
  fi
  [ "$rc" = 0 ]
}

echo "fuzzing ${TARGETS[*]} for ${DURATION}s each ($JOBS at a time)"
running=0
for t in "${TARGETS[@]}"; do
  rm -f "$OUT/logs/$t.rc"
  if [ "$JOBS" -le 1 ]; then
    run_one "$t"
  else
    run_one "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$JOBS" ]; then wait -n || true; running=$((running - 1)); fi
  fi
done
wait || true

status=0
for t in "${TARGETS[@]}"; do summary "$t" || status=1; done
exit "$status"
}
