#!/usr/bin/env bash
# Lays out the sample distribution from examples/demo in OUT_DIR, with the
# files named in examples/demo/compressed.txt compressed by mscompress (the
# last letter of the name becomes '_'), puts setup.exe beside Install.ini and
# starts it under Wine: on this display, or on a private Xvfb when none is set.
# SETUP_EXE is the shipped i686 build; where this machine's Wine cannot run
# 32-bit programs, FALLBACK_EXE (the x86_64 build) runs instead, and says so.
#
# usage: run_demo.sh SETUP_EXE FALLBACK_EXE OUT_DIR
set -eu
setup_exe=$(realpath "$1")
fallback_exe=$(realpath "$2")
out=$(realpath -m "$3")
here=$(realpath "$(dirname "$0")/..")
demo="$here/examples/demo"
state="$out.wine"

rm -rf "$out"
mkdir -p "$out"
cp -r "$demo/." "$out/"
rm -f "$out/compressed.txt"
while read -r file; do
  [ -z "$file" ] && continue
  mscompress "$out/$file"
  mv "$out/${file}_" "$out/${file%?}_"
  rm "$out/$file"
done < "$demo/compressed.txt"
echo "demo: distribution laid out in $out"

export WINE_USE_DISPLAY=1
bash "$here/tests/wine/wine_env.sh" setup "$state" i686 >/dev/null
trap 'bash "$here/tests/wine/wine_env.sh" cleanup "$state"' EXIT
if ! why=$(bash "$here/tests/wine/wine_env.sh" check "$state"); then
  echo "demo: ${why#SKIP: }; running the x86_64 build instead"
  setup_exe=$fallback_exe
fi
cp "$setup_exe" "$out/setup.exe"
echo "demo: starting $setup_exe"
cd "$out"
code=0
WINE_RUN_TIMEOUT=600 bash "$here/tests/wine/wine_env.sh" run "$state" "$out/setup.exe" || code=$?
echo "demo: setup.exe ended with exit code $code"
