#!/usr/bin/env bash
# How long setup.exe takes from its start to its first window being shown and
# painted, against a minimal program that shows one dialog, both started and
# timed by the GUI driver in the same prefix, rounds taken in turn. The first
# window is the box setup.exe shows for an uninstall log that does not exist.
# usage: first_window_bench.sh TREE_DIR WINE_STATE
set -euo pipefail
tree=$(realpath "$1")
state=$(realpath "$2")
wine_env=$(realpath "$(dirname "$0")/../tests/wine/wine_env.sh")
winpath() { printf 'Z:%s' "${1//\//\\}"; }
rounds=5

# first_window SCRIPT: the driver's "N ms after start" of the script's wait.
first_window() {
  WINE_RUN_TIMEOUT=90 bash "$wine_env" run "$state" "$tree/gui_driver.exe" -e "$1" 2>/dev/null |
    sed -n 's/^gui_driver: window .* \([0-9][0-9]*\) ms after start.*/\1/p' | head -1
  true
}

setup_script="start $(winpath "$tree/setup.exe") -uC:\\nowhere\\UnInst.inf
  wait #32770 \"\" 30000; answer 1; expect-exit 1 20000"
baseline_script="start $(winpath "$tree/driver_target.exe")
  wait #32770 \"Driver target\" 30000; key escape; expect-exit 0 20000"

setup_times=() baseline_times=()
for ((i = 0; i < rounds; ++i)); do
  if ((i % 2)); then
    baseline_times+=("$(first_window "$baseline_script")")
    setup_times+=("$(first_window "$setup_script")")
  else
    setup_times+=("$(first_window "$setup_script")")
    baseline_times+=("$(first_window "$baseline_script")")
  fi
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
setup_ms=$(median "${setup_times[@]}")
baseline_ms=$(median "${baseline_times[@]}")
if [ -z "$setup_ms" ] || [ -z "$baseline_ms" ]; then
  echo "first_window_bench: a window did not appear (setup: ${setup_times[*]}; baseline: ${baseline_times[*]})" >&2
  exit 1
fi
echo "first_window: setup ${setup_times[*]} ms, baseline ${baseline_times[*]} ms (median of $rounds)"
echo "BENCH first_window_ms $setup_ms"
echo "BENCH first_window_baseline_ms $baseline_ms"
awk -v a="$setup_ms" -v b="$baseline_ms" 'BEGIN { printf "BENCH first_window_ratio %.2f\n", (b > 0 ? a / b : 0) }'
