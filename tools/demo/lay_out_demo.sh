#!/usr/bin/env bash
# Lays out the sample distribution from examples/demo in OUT_DIR, with the
# files named in examples/demo/compressed.txt compressed by mscompress (the
# last letter of the name becomes '_'), and SETUP_EXE beside Install.ini.
#
# usage: lay_out_demo.sh SETUP_EXE OUT_DIR
set -eu
setup_exe=$(realpath "$1")
out=$(realpath -m "$2")
demo=$(realpath "$(dirname "$0")/../../examples/demo")

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
