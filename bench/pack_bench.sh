#!/usr/bin/env bash
# mksetup's compressor and expander against mscompress and msexpand on a
# corpus of real files: this project's sources and object files and the
# system's licence texts. One process per file for both tools; best of three
# rounds each, measured in the same run.
#
# usage: pack_bench.sh MKSETUP SOURCE_DIR BUILD_DIR
set -eu
mksetup=$(realpath "$1")
source_dir=$(realpath "$2")
build=$(realpath "$3")
corpus="$build/bench-corpus"

rm -rf "$corpus"
mkdir -p "$corpus/in"
i=0
while IFS= read -r file; do
  i=$((i + 1))
  cp "$file" "$corpus/in/$(printf '%04d' "$i")_$(basename "$file")"
done < <( { find "$source_dir/src" "$source_dir/tests" "$source_dir/tools" "$source_dir/bench" -type f;
            find "$build/win32" "$build/host" -name '*.o' -o -name '*.obj';
            find /usr/share/common-licenses -type f; } | sort | head -400 )
# mscompress's output for files under 17 bytes does not expand to the input.
find "$corpus/in" -type f -size -17c -delete
count=$(find "$corpus/in" -type f | wc -l)
total=$(cat "$corpus/in"/* | wc -c)
echo "corpus: $count files, $total bytes"

now() { date +%s%N; }
best=""
# round NAME COMMAND: runs COMMAND once per corpus file (as $1), keeps the best time in ns.
round() {
  local name=$1 command=$2 start elapsed
  start=$(now)
  for f in "$corpus"/in/*; do
    eval "$command"
  done
  elapsed=$(( $(now) - start ))
  local previous=${best_time[$name]:-}
  if [ -z "$previous" ] || [ "$elapsed" -lt "$previous" ]; then best_time[$name]=$elapsed; fi
}
declare -A best_time
mkdir -p "$corpus/ms" "$corpus/ours" "$corpus/out"
for attempt in 1 2 3; do
  round mscompress 'cp "$f" "$corpus/ms/x" && mscompress "$corpus/ms/x" && mv "$corpus/ms/x_" "$corpus/ms/$(basename "$f")"'
  round copy_only 'cp "$f" "$corpus/ms/x" && mv "$corpus/ms/x" "$corpus/ms/copy"'
  round mksetup_compress '"$mksetup" compress "$f" "$corpus/ours/$(basename "$f")"'
  round msexpand 'msexpand < "$corpus/ms/$(basename "$f")" > "$corpus/out/x"'
  round mksetup_expand '"$mksetup" expand "$corpus/ms/$(basename "$f")" "$corpus/out/x"'
done

ms_size=$(cat "$corpus"/ms/[0-9]* | wc -c)
our_size=$(cat "$corpus"/ours/* | wc -c)
# mscompress compresses in place, so its round also copies each file; that
# copy is measured alone and taken off.
ms_time=$(( best_time[mscompress] - best_time[copy_only] ))
ms() { awk -v ns="$1" 'BEGIN { printf "%.1f", ns / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
echo "compressed size: mksetup $our_size bytes, mscompress $ms_size bytes"
echo "compress time:   mksetup $(ms "${best_time[mksetup_compress]}") ms, mscompress $(ms "$ms_time") ms"
echo "expand time:     mksetup $(ms "${best_time[mksetup_expand]}") ms, msexpand $(ms "${best_time[msexpand]}") ms"
echo "BENCH pack_size_ratio $(ratio "$our_size" "$ms_size")"
echo "BENCH pack_time_ratio $(ratio "${best_time[mksetup_compress]}" "$ms_time")"
echo "BENCH expand_time_ratio $(ratio "${best_time[mksetup_expand]}" "${best_time[msexpand]}")"
