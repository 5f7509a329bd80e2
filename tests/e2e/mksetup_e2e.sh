#!/usr/bin/env bash
# mksetup as the people who make setups use it: its compressed files against
# mscompress and msexpand in both directions, packing, listing and verifying a
# setup, and refusals that leave nothing behind.
#
# usage: mksetup_e2e.sh MKSETUP WORK_DIR
set -u
mksetup=$(realpath "$1")
work=$(realpath -m "$2")
. "$(dirname "$0")/checks.sh"
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1

show_failure() { [ -n "${out:-}" ] && echo "  output: $out"; }
# run ARGS...: mksetup's exit status in $code, its standard output and error in $out.
run() {
  out=$(timeout 120 "$mksetup" "$@" 2>&1)
  code=$?
}
no_leftovers() { ! ls -a | grep -q 'mksetup-'; }
starts_with() { [[ "$1" == "$2"* ]]; }

# --- inputs: the sizes where encoders go wrong, and real text and code
mkdir in
: > in/empty
printf 'x' > in/one
printf 'seventeen bytes!\n' > in/seventeen
printf '%60s\n' 'text behind more spaces than one match holds' > in/spaces
yes 'abc' | head -c 2000000 > in/repetitive
head -c 3145728 /dev/urandom > in/random
seq 1 700000 > in/large_text
cp "$mksetup" in/program

# --- compress: msexpand (a decoder nobody here wrote) gives the input back
for f in in/*; do
  name=$(basename "$f")
  run compress "$f" "$name.sz"
  check "compress $name exits 0" [ "$code" -eq 0 ]
  msexpand < "$name.sz" > "$name.msexpand" 2>/dev/null
  check "msexpand restores $name" cmp -s "$f" "$name.msexpand"
done
check "text compresses to under half" [ "$(stat -c %s large_text.sz)" -lt $(( $(stat -c %s in/large_text) / 2 )) ]

# --- expand: reads what mscompress writes (from 17 bytes on: below that,
# mscompress's own output does not expand to its input even through msexpand)
for f in in/seventeen in/spaces in/repetitive in/random in/large_text in/program; do
  name=$(basename "$f")
  cp "$f" "ms_$name"
  mscompress "ms_$name"
  run expand "ms_${name}_" "$name.back"
  check "expand reads mscompress's $name" [ "$code" -eq 0 ]
  check "expand restores $name" cmp -s "$f" "$name.back"
done
run expand in/large_text plain.copy
check "expand passes a plain file through" cmp -s in/large_text plain.copy

# --- errors: a one-line message, a non-zero status, no output, no temporary file
run --help
check "--help exits 0" [ "$code" -eq 0 ]
check "--help shows the usage" starts_with "$out" "usage: mksetup"
for args in "" "frobnicate" "compress onlyone" "pack --stub in/one" "list"; do
  run $args
  check "'mksetup $args' is a usage error" [ "$code" -eq 2 ]
  check "'mksetup $args' says so in one line" [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ]
done
run compress in/missing missing.sz
check "missing input is refused" [ "$code" -eq 1 ]
check "missing input is named" starts_with "$out" "mksetup: cannot open in/missing"
check "missing input writes nothing" [ ! -e missing.sz ]
head -c 5000 large_text.sz > cut.sz
echo "earlier contents" > kept
run expand cut.sz kept
check "damaged compressed file is refused" [ "$code" -eq 1 ]
check "damaged compressed file: the cause is named" starts_with "$out" "mksetup: cut.sz: compressed data"
check "a failed expand keeps the earlier file" [ "$(cat kept)" = "earlier contents" ]
check "a failed expand leaves no temporary file" no_leftovers

# --- pack, list, verify
mkdir files
printf '[DISKS]\r\nINTL=Texts.ini\r\n' > files/Install.ini
seq 1 3000 | sed 's/^/Line=/' >> files/Install.ini
seq 1 500 > files/readme.txt
head -c 200000 /dev/urandom > files/data.bin
: > files/empty.txt
head -c 100000 /dev/urandom > stub.exe
run pack --stub stub.exe --out Game.exe files/Install.ini files/readme.txt files/data.bin files/empty.txt
check "pack exits 0" [ "$code" -eq 0 ]
check "the setup begins with the stub" cmp -s -n 100000 stub.exe Game.exe
run list Game.exe
check "list exits 0" [ "$code" -eq 0 ]
check "list shows Install.ini compressed" grep -qE '^ +[0-9]+ +[0-9]+ +compressed +Install.ini$' <<< "$out"
check "list shows data.bin plain" grep -qE '^ +200000 +200000 +plain +data.bin$' <<< "$out"
check "list shows the empty file as compressed" grep -qE '^ +14 +0 +compressed +empty.txt$' <<< "$out"
check "list ends with the closing record" grep -q '^closing record at offset' <<< "$out"
run verify Game.exe
check "verify passes a whole setup" [ "$code" -eq 0 ]

head -c -100 Game.exe > cut.exe
run verify cut.exe
check "verify fails a cut setup" [ "$code" -eq 1 ]
check "verify names the fault" grep -q "cut short by the end of the file" <<< "$out"
run list cut.exe
check "list fails a cut setup" [ "$code" -eq 1 ]
check "list names the fault" grep -q "cut short by the end of the file" <<< "$out"
run verify stub.exe
check "verify fails a file without payload" [ "$code" -eq 1 ]
check "verify says there is no payload" grep -q 'no payload records' <<< "$out"

mkdir -p long dupA dupB many
echo x > long/twenty_characters.tx
echo a > dupA/Readme.txt
echo b > dupB/README.TXT
printf '\x67\x15\x52\x34\xff\x4d\x36\x42' > marked.bin
for i in $(seq 1 65); do echo "$i" > "many/f$i"; done
refused() { # refused DESCRIPTION EXPECTED_MESSAGE_PART PACK_ARGS...
  local description=$1 expected=$2
  shift 2
  echo "earlier setup" > Game2.exe
  run pack "$@" --out Game2.exe
  check "$description is refused" [ "$code" -eq 1 ]
  check "$description: message names the cause" grep -q -- "$expected" <<< "$out"
  check "$description: earlier output kept" [ "$(cat Game2.exe)" = "earlier setup" ]
  check "$description: no temporary file" no_leftovers
}
refused "a name over 19 characters" "longer than 19" --stub stub.exe long/twenty_characters.tx
refused "names equal but for case" "are the same" --stub stub.exe dupA/Readme.txt dupB/README.TXT
refused "a stub that holds a payload" "stub already holds" --stub Game.exe files/readme.txt
refused "a member holding the marker" "holds the payload marker" --stub stub.exe marked.bin
refused "65 members" "at most 64" --stub stub.exe many/*
refused "a missing member file" "cannot open files/absent" --stub stub.exe files/absent
refused "a missing stub" "cannot open absent.exe" --stub absent.exe files/readme.txt

finish_checks "mksetup e2e"
