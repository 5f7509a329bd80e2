#!/usr/bin/env bash
# Lays out the sample distribution from examples/demo in OUT_DIR and starts
# setup.exe on it under Wine: on this display for a person to use, or, when
# none is set, on a private Xvfb where the GUI driver installs every product
# through the wizard and saves a picture of every page in OUT_DIR/screens.
# SETUP_EXE is the shipped i686 build; where this machine's Wine cannot run
# 32-bit programs, FALLBACK_EXE (the x86_64 build) runs instead, and says so.
#
# usage: run_demo.sh SETUP_EXE FALLBACK_EXE OUT_DIR
set -eu
setup_exe=$(realpath "$1")
fallback_exe=$(realpath "$2")
out=$(realpath -m "$3")
here=$(realpath "$(dirname "$0")/..")
state="$out.wine"

# A fresh prefix every time: nothing of an earlier demo is installed in it.
bash "$here/tests/wine/wine_env.sh" cleanup "$state" 2>/dev/null || true
rm -rf "$state"
export WINE_USE_DISPLAY=1
bash "$here/tests/wine/wine_env.sh" setup "$state" i686 >/dev/null
trap 'bash "$here/tests/wine/wine_env.sh" cleanup "$state"' EXIT
if ! why=$(bash "$here/tests/wine/wine_env.sh" check "$state"); then
  echo "demo: ${why#SKIP: }; running the x86_64 build instead"
  setup_exe=$fallback_exe
fi
bash "$here/tools/demo/lay_out_demo.sh" "$setup_exe" "$out"
echo "demo: distribution laid out in $out"
cd "$out"
if [ -n "${DISPLAY:-}" ]; then
  echo "demo: starting $setup_exe on display $DISPLAY"
  code=0
  WINE_RUN_TIMEOUT=3600 bash "$here/tests/wine/wine_env.sh" run "$state" "$out/setup.exe" || code=$?
  echo "demo: setup.exe ended with exit code $code"
  exit 0
fi

# No display: the driver installs the demo through the wizard, as a person would.
driver="$(dirname "$setup_exe")/gui_driver.exe"
mkdir -p "$out/screens"
echo "demo: no display set; installing through the wizard with $driver"
code=0
WINE_RUN_TIMEOUT=600 bash "$here/tests/wine/wine_env.sh" run "$state" "$driver" \
  "$(printf 'Z:%s' "${here//\//\\}")\\tools\\demo\\install_english.steps" || code=$?
if [ "$code" -ne 0 ]; then
  echo "demo: the installation through the wizard failed (exit code $code)"
  exit 1
fi
echo "demo: installed (English, every product chosen):"
drive_c="$state/prefix/drive_c"
find "$drive_c" -name UnInst.inf -newer "$out/Install.ini" | sort | while read -r log; do
  product=$(sed -n 's/^Prg=//p' "$log" | tr -d '\r')
  dir=$(dirname "$log")
  echo "  $product: ${dir#$drive_c/} ($(find "$dir" -type f | wc -l) files)"
done
echo "demo: pictures of every page in $out/screens/"
