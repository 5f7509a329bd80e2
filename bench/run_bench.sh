#!/usr/bin/env bash
# Runs every benchmark; each figure ends as a line "BENCH <name> <value>".
# usage: run_bench.sh BUILD_DIR
set -eu
build=$(realpath "$1")
here=$(realpath "$(dirname "$0")/..")
wine_env="$here/tests/wine/wine_env.sh"
state="$build/bench.wine"

bash "$wine_env" setup "$state" >/dev/null
trap 'bash "$wine_env" cleanup "$state"' EXIT

WINE_RUN_TIMEOUT=900 bash "$wine_env" run "$state" "$build/win64/payload_scan_bench.exe"

echo "BENCH setup_exe_i686_bytes $(stat -c %s "$build/win32/setup.exe")"
echo "BENCH setup_exe_x64_bytes $(stat -c %s "$build/win64/setup.exe")"
