#!/usr/bin/env bash
# Leak check: one run of each direction of the real binary over the example
# texts plus a few hostile lines, under valgrind memcheck with full leak
# checking. Fails (non-zero) on any definite, indirect or possible leak and on
# any memory error.
#
#   fuzz/leakcheck.sh [BUILD_DIR]
#
# BUILD_DIR defaults to <repo>/build-leakcheck (a Debug build without
# sanitizers, made when missing). Without valgrind, or with LEAKCHECK_TOOL=lsan,
# the runs use LeakSanitizer instead, in an ASan build (BUILD_DIR defaults to
# <repo>/build-leakcheck-asan then).
set -euo pipefail

# The whole script is one block, read before it runs, so that editing the file
# while it runs cannot change what a running instance does.
{
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TOOL=${LEAKCHECK_TOOL:-}
if [ -z "$TOOL" ]; then
  if command -v valgrind >/dev/null; then TOOL=valgrind; else TOOL=lsan; fi
fi
case "$TOOL" in
  valgrind) BUILD=${1:-$ROOT/build-leakcheck}; SANITIZE=OFF ;;
  lsan) BUILD=${1:-$ROOT/build-leakcheck-asan}; SANITIZE=ON ;;
  *) echo "LEAKCHECK_TOOL must be valgrind or lsan" >&2; exit 2 ;;
esac

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVESTRILO_TESTS=OFF -DVESTRILO_SANITIZE="$SANITIZE" >/dev/null
fi
cmake --build "$BUILD" --target vestrilo -j "${LEAKCHECK_BUILD_JOBS:-2}" >/dev/null
BIN=$BUILD/vestrilo

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Hostile lines: a lone lead byte at the end of a line and of the file, NULs,
# 0x80/0xFF, a long digit run and CR without LF, so that the unusual paths
# allocate too.
hostile() {
  printf '\x81\n\0\0 5\0\n\x80\xff\x80\n'
  head -c 20000 /dev/zero | tr '\0' '9'
  printf '\n\r\r\n\xd0'
}
{ cat "$ROOT/examples/chinese.txt"; hostile; } > "$WORK/chinese.txt"
{ cat "$ROOT/examples/english.txt"; hostile; } > "$WORK/english.txt"

status=0
run() {  # direction input
  local log=$WORK/log-${1#-}
  local rc=0
  if [ "$TOOL" = valgrind ]; then
    valgrind --quiet --leak-check=full --show-leak-kinds=definite,indirect,possible \
      --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 \
      "$BIN" "$1" "$2" "$WORK/out-${1#-}.txt" > /dev/null 2> "$log" || rc=$?
  else
    ASAN_OPTIONS=detect_leaks=1:exitcode=1 "$BIN" "$1" "$2" "$WORK/out-${1#-}.txt" > /dev/null 2> "$log" || rc=$?
  fi
  if [ "$rc" = 0 ] && ! grep -q . "$log"; then
    echo "leak check $1 ($TOOL): no leaks, no memory errors"
  else
    echo "leak check $1 ($TOOL): FAILED (exit $rc)"
    head -n 60 "$log"
    status=1
  fi
}
run -C2E "$WORK/chinese.txt"
run -E2C "$WORK/english.txt"
exit "$status"
}
