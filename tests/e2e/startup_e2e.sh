#!/usr/bin/env bash
# setup.exe started as a user would, on small distributions laid out here:
# which mode it runs, which files it finds, what it tells the user, how it ends.
#
# usage: startup_e2e.sh SETUP_EXE WORK_DIR WINE_STATE MKSETUP GUI_DRIVER
set -u
setup_exe=$(realpath "$1")
work=$(realpath -m "$2")
wine_state=$(realpath -m "$3")
mksetup=$(realpath -m "$4")
driver=$(realpath -m "$5")
wine_env=$(realpath "$(dirname "$0")/../wine/wine_env.sh")

# The prefix says so (and the entry is skipped) when it cannot run this build.
bash "$wine_env" check "$wine_state" || exit $?

if [ ! -x "$mksetup" ]; then
  echo "FAIL: host tool $mksetup is missing (build the host tree first: make)"
  exit 1
fi

. "$(dirname "$0")/checks.sh"
rm -rf "$work"
mkdir -p "$work"

# run NAME DIR ARGS...: starts DIR/setup.exe, keeps its output in $output and exit code in $code.
run() {
  local name=$1 dir=$2
  shift 2
  output=$(cd "$dir" && WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" "$dir/setup.exe" "$@" 2>/dev/null)
  code=$?
  current=$name
}

# drive NAME SCRIPT: the GUI driver runs the script (which starts the
# program); its output, the program's among it, lands in $output.
drive() {
  output=$(cd "$work" && WINE_RUN_TIMEOUT=90 bash "$wine_env" run "$wine_state" "$driver" -e "$2" 2>/dev/null)
  code=$?
  current=$1
}

expect() { check "$@"; } # expect DESCRIPTION CONDITION...
show_failure() {
  echo "  exit code: $code"
  echo "$output" | sed 's/^/  | /'
}
has() { grep -qF -- "$1" <<<"$output"; }
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }
lacks() { ! grep -qF -- "$1" <<<"$output"; }
exit_code() { [ "$code" -eq "$1" ]; }

layout() { # layout DIR: a distribution with the program beside its script
  mkdir -p "$1"
  cp "$setup_exe" "$1/setup.exe"
}

texts=$'[Languages]\r\nDeutsch\r\n[Deutsch]\r\nWelcome to the Velmora setup!\\r\\n\\r\\nPlease select your desired language!=Willkommen!\r\n'

# Leaving the wizard as a user does: "Cancel", then "Yes" to the quit question.
quit='click 2; wait #32770 "ATTENTION!!!" 10000; answer 6; expect-exit 1 20000'
# The language list, and the welcome text once Deutsch is chosen.
deutsch='expect-list 113 "English|Deutsch"; select 113 1; wait-text 112 "Willkommen!"'

# A plain distribution with its own language-texts file.
layout "$work/plain"
printf '[DISKS]\r\nINTL=Texts.ini\r\n[Layout]\r\n0=Demo Game\r\n1=Demo Editor\r\n' > "$work/plain/Install.ini"
printf '%s' "$texts" > "$work/plain/Texts.ini"
drive plain "start $(winepath_of "$work/plain/setup.exe"); wait Setup * 30000
  $deutsch
  click 15; wait #32770 Error 10000
  expect-box Error \"Cannot read from file!\"; answer 1
  wait Setup * 10000; click 15; wait-visible 113 1
  expect-list 113 \"Demo Game|Demo Editor\"
  $quit"
expect "texts from INTL translated, no readme reported, products from Layout, ends with 1" exit_code 0

# No INTL: the texts come from Install.ini itself; an overlong INTL is cut to
# 15 characters and names no file, so only English is offered.
layout "$work/nointl"
printf '[DISKS]\r\nVersion=101\r\n%s' "$texts" > "$work/nointl/Install.ini"
drive nointl "start $(winepath_of "$work/nointl/setup.exe"); wait Setup * 30000; $deutsch; $quit"
expect "translation found in Install.ini" exit_code 0
layout "$work/longintl"
printf '[DISKS]\r\nINTL=VeryLongTextsName.ini\r\n[Languages]\r\nDeutsch\r\n' > "$work/longintl/Install.ini"
printf '[Languages]\r\nFrancais\r\n' > "$work/longintl/VeryLongTextsNa"
drive longintl "start $(winepath_of "$work/longintl/setup.exe"); wait Setup * 30000
  expect-list 113 \"English|Francais\"; $quit"
expect "INTL cut to 15 characters" exit_code 0

# A single-file setup: everything appended to the executable.
mkdir -p "$work/single" "$work/members"
printf '[DISKS]\r\nINTL=Texts.ini\r\nINFO=0\r\nVersion=100\r\nfree1=10\r\n[Layout]\r\n0=Packed Game\r\n' > "$work/members/Install.ini"
printf '%s' "$texts" > "$work/members/Texts.ini"
# The texts go in compressed by mscompress (a file already compressed is stored as it is).
mkdir -p "$work/members/packed"
cp "$work/members/Texts.ini" "$work/members/packed/Texts.in"
mscompress "$work/members/packed/Texts.in" && mv "$work/members/packed/Texts.in_" "$work/members/packed/Texts.ini"
"$mksetup" pack --stub "$setup_exe" --out "$work/single/setup.exe" "$work/members/Install.ini" \
  "$work/members/packed/Texts.ini" >/dev/null
drive single "start $(winepath_of "$work/single/setup.exe"); wait Setup * 30000; $deutsch
  click 15; wait-visible 120 1; expect-text 301 \"Packed Game\"; $quit"
expect "script and compressed texts read from the payload, one product straight to its page" exit_code 0

# A damaged payload: message 1153, no wizard.
mkdir -p "$work/damaged"
"$mksetup" pack --stub "$setup_exe" --out "$work/damaged/setup.exe" "$work/members/Install.ini" >/dev/null
# The closing record's type (44 bytes before the end) becomes 2.
printf '\002' | dd of="$work/damaged/setup.exe" bs=1 seek=$(( $(stat -c %s "$work/damaged/setup.exe") - 44 )) \
  conv=notrunc status=none
mkdir -p "$work/screens"
drive damaged "start $(winepath_of "$work/damaged/setup.exe")
  wait #32770 Error 30000
  expect-box Error \"The file is damaged! Try to reload it from 'http://www.example.com/velmora/download'!\"
  expect-icon exclamation
  expect-buttons &Okay
  screenshot screens/damaged.png
  answer 1
  expect-exit 1 20000"
expect "damaged-file message in the box, answered, exit code 1" exit_code 0
expect "no wizard" lacks "install wizard"

# Uninstall mode with a log that does not exist: message 200, no wizard.
drive uninstall "start $(winepath_of "$work/plain/setup.exe") -uC:\\nowhere\\UnInst.inf
  wait #32770 \"\" 30000
  expect-box \"\" \"No uninstall information found! Terminating uninstall process!\"
  expect-icon stop
  expect-buttons &Okay
  screenshot screens/no_uninstall_information.png
  key enter
  expect-exit 1 20000"
expect "no-information message in the box, answered, exit code 1" exit_code 0
expect "no wizard" lacks "wizard"

# Uninstall mode with a log that records items: the probe passes and the
# uninstall wizard opens; nothing is removed before the user asks.
mkdir -p "$work/installed"
printf 'kept' > "$work/installed/game.dat"
printf '[UnInst]\r\nPrg=Demo Game\r\nItems=-1\r\n[Files]\r\n0=%s\r\n' \
  "$(winepath_of "$work/installed/game.dat")" > "$work/installed/UnInst.inf"
run uninstall_wizard "$work/plain" "-u$(winepath_of "$work/installed/UnInst.inf")"
expect "uninstall wizard opens" has "uninstall wizard: log $(winepath_of "$work/installed/UnInst.inf")"
expect "nothing removed yet" test -f "$work/installed/game.dat"

# "-u" with a blank before the path is not the option: install mode.
drive blank "start $(winepath_of "$work/plain/setup.exe") -u C:\\x\\UnInst.inf; wait Setup * 30000; $quit"
expect "install mode" exit_code 0
drive verbose "start $(winepath_of "$work/plain/setup.exe") -V; wait Setup * 30000; $quit"
expect "install mode" exit_code 0

# A second start while the wizard is open brings the first to the front and
# ends at once with 0; the first goes on as before.
( drive first "start $(winepath_of "$work/plain/setup.exe"); wait Setup * 30000; sleep 6000
    wait Setup * 1000; $quit"; echo "$code" > "$work/first.code" ) &
first=$!
sleep 3
run second "$work/plain"
expect "the second start ends with 0" exit_code 0
wait "$first"
code=$(cat "$work/first.code"); current=first
expect "the first wizard stays and is left normally" exit_code 0

finish_checks
