#!/usr/bin/env bash
# Runs every benchmark; each figure ends as a line "BENCH <name> <value>".
# usage: run_bench.sh BUILD_DIR
set -eu
build=$(realpath "$1")
here=$(realpath "$(dirname "$0")/..")
wine_env="$here/tests/wine/wine_env.sh"
state="$build/bench.wine"

bash "$here/bench/pack_bench.sh" "$build/host/mksetup" "$here" "$build"

bash "$wine_env" setup "$state" >/dev/null
trap 'bash "$wine_env" cleanup "$state"' EXIT

WINE_RUN_TIMEOUT=900 bash "$wine_env" run "$state" "$build/win64/payload_scan_bench.exe"

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
WINE_RUN_TIMEOUT=1800 bash "$wine_env" run "$state" "$build/win64/copy_bench.exe" "Z:${packed//\//\\}"

WINE_RUN_TIMEOUT=1800 bash "$wine_env" run "$state" "$build/win64/copy_run_bench.exe"

WINE_RUN_TIMEOUT=1800 bash "$wine_env" run "$state" "$build/win64/uninstall_bench.exe"

echo "BENCH setup_exe_i686_bytes $(stat -c %s "$build/win32/setup.exe")"
echo "BENCH setup_exe_x64_bytes $(stat -c %s "$build/win64/setup.exe")"
