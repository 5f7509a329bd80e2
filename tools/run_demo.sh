#!/usr/bin/env bash
# Lays out the sample distribution from examples/demo in OUT_DIR, with the
# files named in examples/demo/compressed.txt compressed by mscompress (the
# last letter of the name becomes '_'), puts setup.exe beside Install.ini and
# starts it under Wine: on this display, or on a private Xvfb when none is set.
#
# usage: run_demo.sh SETUP_EXE OUT_DIR
set -eu
setup_exe=$(realpath "$1")
out=$(realpath -m "$2")
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
cp "$setup_exe" "$out/setup.exe"
echo "demo: distribution laid out in $out"

export WINE_USE_DISPLAY=1
bash "$here/tests/wine/wine_env.sh" setup "$state" >/dev/null
trap 'bash "$here/tests/wine/wine_env.sh" cleanup "$state"' EXIT
cd "$out"
code=0
WINE_RUN_TIMEOUT=600 bash "$here/tests/wine/wine_env.sh" run "$state" "$out/setup.exe" || code=$?
echo "demo: setup.exe ended with exit code $code"
