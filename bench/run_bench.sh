#!/usr/bin/env bash
# Runs every benchmark; each figure ends as a line "BENCH <name> <value>".
# The Windows benchmarks run the shipped i686 build under their own names and
# the x86_64 build beside it, its names ending in _x64. Where this machine's
# Wine cannot run 32-bit programs, the i686 figures are left out with one line
# saying why.
# usage: run_bench.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(realpath "$(dirname "$0")/..")
wine_env="$here/tests/wine/wine_env.sh"
state="$build/bench.wine"

bash "$here/bench/pack_bench.sh" "$build/host/mksetup" "$here" "$build"

bash "$wine_env" setup "$state" i686 >/dev/null
trap 'bash "$wine_env" cleanup "$state"' EXIT
trees="win32 win64"
if ! why=$(bash "$wine_env" check "$state"); then
  echo "bench: ${why#SKIP: }; the i686 figures are left out"
  trees="win64"
fi

# bench NAME TIMEOUT ARGS...: the benchmark of both builds, one after the other.
bench() {
  local name=$1 timeout=$2 tree
  shift 2
  for tree in $trees; do
    echo "bench: $name ($tree)"
    if [ "$tree" = win64 ]; then
      WINE_RUN_TIMEOUT=$timeout bash "$wine_env" run "$state" "$build/$tree/$name.exe" "$@" |
        sed -u 's/^BENCH \([^ ]*\)/BENCH \1_x64/'
    else
      WINE_RUN_TIMEOUT=$timeout bash "$wine_env" run "$state" "$build/$tree/$name.exe" "$@"
    fi
  done
}

bench payload_scan_bench 900

# Compressed sources for the expansion figure: 200 files, 256 MiB expanded.
packed="$build/bench-packed"
if [ ! -s "$packed/file199.dat" ]; then
  rm -rf "$packed"
  mkdir -p "$packed"
  python3 - "$packed" <<'PY'
import sys, random
random.seed(3)
words = [bytes(random.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(random.randint(2, 9))) for _ in range(500)]
size = (256 << 20) // 200
block = bytearray()
while len(block) < size:
    block += b" ".join(random.choice(words) for _ in range(12)) + b"\r\n"
for i in range(200):
    open(f"{sys.argv[1]}/file{i:03d}.dat", "wb").write((b"file %03d\r\n" % i + block)[:size])
PY
  (cd "$packed" && mscompress file*.dat && for f in file*.dat; do mv "${f}_" "$f"; done)
fi
bench copy_bench 1800 "Z:${packed//\//\\}"
bench copy_run_bench 1800
bench uninstall_bench 1800
bench progress_bench 600
bench space_check_bench 300

for tree in $trees; do
  echo "bench: first_window ($tree)"
  if [ "$tree" = win64 ]; then
    bash "$here/bench/first_window_bench.sh" "$build/$tree" "$state" | sed -u 's/^BENCH \([^ ]*\)/BENCH \1_x64/'
  else
    bash "$here/bench/first_window_bench.sh" "$build/$tree" "$state"
  fi
done

echo "BENCH setup_exe_i686_bytes $(stat -c %s "$build/win32/setup.exe")"
echo "BENCH setup_exe_x64_bytes $(stat -c %s "$build/win64/setup.exe")"
