#!/usr/bin/env bash
# Whole installations through the wizard, driven as a user would by the GUI
# driver, on the demo distribution and small ones made here; after each, what
# the engine's own tests check: the files, the registry, UnInst.inf.
#
# usage: install_e2e.sh SETUP_EXE GUI_DRIVER WORK_DIR WINE_STATE
set -u
setup_exe=$(realpath "$1")
driver=$(realpath "$2")
work=$(realpath -m "$3")
wine_state=$(realpath -m "$4")
here=$(realpath "$(dirname "$0")/../..")
wine_env="$here/tests/wine/wine_env.sh"
bash "$wine_env" check "$wine_state" || exit $?

. "$(dirname "$0")/checks.sh"
show_failure() {
  echo "  exit code: $code"
  echo "$output" | head -40 | sed 's/^/  | /'
}
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }
drive_c="$wine_state/prefix/drive_c"

# drive NAME DIR SCRIPT: the driver runs SCRIPT (a file or steps) in DIR.
drive() {
  local dir=$2 script=$3
  current=$1
  if [ -f "$script" ]; then
    output=$(cd "$dir" && WINE_RUN_TIMEOUT=300 bash "$wine_env" run "$wine_state" "$driver" "$(winepath_of "$script")" 2>&1)
  else
    output=$(cd "$dir" && WINE_RUN_TIMEOUT=300 bash "$wine_env" run "$wine_state" "$driver" -e "$script" 2>&1)
  fi
  code=$?
}
reg_value() { # reg_value KEY NAME: the value as the system's registry tool reads it,
  local view                # in the view of the 32-bit or of the 64-bit program
  for view in 32 64; do
    WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" reg query "$1" /v "$2" /reg:$view 2>/dev/null |
      tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
  done | head -1
}
same_bytes() { cmp -s "$1" "$2"; }
quit='click 2; wait #32770 "ATTENTION!!!" 10000; answer 6; expect-exit 1 20000'

rm -rf "$work"
mkdir -p "$work"
velmora='HKCU\Software\Velmora'
WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" reg delete "$velmora" /f >/dev/null 2>&1

# The demo, in English, every product: the road a user takes.
bash "$here/tools/demo/lay_out_demo.sh" "$setup_exe" "$work/demo"
mkdir -p "$work/demo/screens"
drive demo "$work/demo" "$here/tools/demo/install_english.steps"
check "the demo installs through every page" [ "$code" -eq 0 ]
logs_with() { find "$drive_c" -name UnInst.inf -exec grep -l "$1" {} + 2>/dev/null; }
game=$(dirname "$(logs_with '^Prg=Install Zorbelin 96' | head -1)")
demo_src="$here/examples/demo"
check "the game's files, expanded" same_bytes "$game/levels.dat" "$demo_src/game/levels.dat"
check "the game's program" same_bytes "$game/zorbelin.exe" "$demo_src/game/zorbelin.exe"
check "the sceneries added to the game" test -f "$game/alps.scn" -a -f "$game/coast.scn"
check "the sceneries entered in the game's settings" grep -q 'alps' "$game/zorbelin.cfg"
check "the language written into the game's settings" grep -q '^Language=English' "$game/zorbelin.cfg"
check "the log records the game's files" grep -q 'levels.dat' "$game/UnInst.inf"
editor_log=$(logs_with '^Prg=Install Zorbelin Level Editor' | head -1)
check "the editor installed with its own log" test -n "$editor_log"
check "the uninstall entry" [ "$(reg_value 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\UnInstall\Install Zorbelin 96' DisplayName)" = "Zorbelin 96" ]
check "the install directory remembered" [ -n "$(reg_value 'HKCU\Software\Velmora\Zorbelin 96' InstallDir)" ]
check "a picture of every page" test -s "$work/demo/screens/install_9_finish.png"

# Deutsch remembered from the last run: welcome, caption and buttons at once;
# the readme is liesmich.txt. Nothing chosen: nothing installed.
WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" reg add "$velmora" /v Language /d deutsch /f >/dev/null 2>&1
drive deutsch "$work/demo" 'start setup.exe; wait Setup "Installation..." 30000
  expect-text-has 112 "Willkommen beim Velmora-Setup"; expect-text 2 Abbrechen
  screenshot screens/deutsch_1_language.png
  click 15; wait-visible 136 1
  expect-text-has 136 "Beispieldistribution"
  screenshot screens/deutsch_2_information.png
  click 15; wait-visible 113 1; sleep 300
  screenshot screens/deutsch_3_actions.png
  click 15; wait-text 114 "Sie haben nichts installiert!"
  screenshot screens/deutsch_4_finish.png
  click 14; wait-visible 113 1; select 113 1; click 15
  wait-text 301 "Install Zorbelin Level Editor"; expect-text 124 Programmgruppe:
  screenshot screens/deutsch_5_editor.png
  '"$quit"
check "Deutsch preselected, its readme, nothing chosen: nothing installed; back and an install page" [ "$code" -eq 0 ]
WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" reg delete "$velmora" /v Language /f >/dev/null 2>&1

# Small distributions: a program to start, a path refused, a product to locate.
mkdir -p "$work/small/tools" "$work/small/found"
cp "$setup_exe" "$work/small/setup.exe"
printf 'zorbelin' > "$work/small/found/zorbelin.exe"
printf '[DISKS]\r\nINFO=0\r\n[Layout]\r\n0=Start Tool\r\n1=Locate Game\r\n2=Copy Game\r\n' > "$work/small/Install.ini"
printf '[Start Tool]\r\nEXE=cmd.exe /c exit 0\r\n' >> "$work/small/Install.ini"
printf '[Locate Game]\r\nFIND=zorbelin.exe\r\nAPP=Zorbelin 96\r\nPM=0\r\n' >> "$work/small/Install.ini"
printf '[Copy Game]\r\nPATH=tools\r\nINI=tools.ini\r\nAPP=Tools\r\n' >> "$work/small/Install.ini"
printf '[Copy Game]\r\nDSK=T\r\n[TDISKS]\r\nVersion=100\r\nfree1=10\r\ndisks=1\r\n[TDISK1]\r\ntool.dat\r\n' > "$work/small/tools/tools.ini"
printf 'tool' > "$work/small/tools/tool.dat"
found=$(winepath_of "$work/small/found")
mkdir -p "$work/small/screens"
drive small "$work/small" "start setup.exe; wait Setup * 30000
  click 15; wait-text 110 \"Choose your desired actions below:\"
  select 113 0; select 113 1; select 113 2; click 15
  wait-text 301 \"Start Tool\"
  expect-visible 122 0; expect-visible 123 0
  screenshot screens/small_1_start_tool.png
  click 120; wait-visible 112 1 20000; expect-text 112 \"Successfully started\"
  click 15; wait-text 301 \"Locate Game\"
  type 122 C:\\nowhere\\; expect-enabled 120 0
  type 122 $found; wait-enabled 120 1 5000
  screenshot screens/small_2_locate.png
  click 120; wait-visible 112 1 20000; click 15; wait-text 301 \"Copy Game\"
  type 122 \"C:\\\\Ga*mes\"; wait #32770 * 10000
  expect-box \"\" \"The following characters are not allowed: '*', '/' and '?'!\"; answer 1
  wait Setup * 5000; expect-enabled 120 0
  type 122 \\\\server\\share\\Tools; expect-text-has 127 \"(0 KB/\"; expect-enabled 120 0
  $quit"
check "a program started, a location found, bad paths refused" [ "$code" -eq 0 ]

# A file to copy into a folder that does not exist yet, a disk that never
# comes (the page is Ready again), Cancel answered No.
mkdir -p "$work/more/tools" "$work/more/screens"
cp "$setup_exe" "$work/more/setup.exe"
printf 'settings' > "$work/more/tools/tool.dat"
printf '[DISKS]\r\nINFO=0\r\n[Layout]\r\n0=Copy Settings\r\n1=Broken Disk\r\n' > "$work/more/Install.ini"
printf '[Copy Settings]\r\nPATH=tools\r\nCOM=The settings go onto a floppy disk.\r\nCOPY=tool.dat\r\n' >> "$work/more/Install.ini"
printf '[Broken Disk]\r\nPATH=tools\r\nINI=broken.ini\r\nAPP=Broken\r\nPM=2\r\n' >> "$work/more/Install.ini"
printf '[Broken Disk]\r\nDSK=B\r\n[BDISKS]\r\nVersion=100\r\nfree1=10\r\ndisks=1\r\n[BDISK1]\r\nmissing.dat\r\n' > "$work/more/tools/broken.ini"
target=$(winepath_of "$work/more/new folder/floppy")
target=${target//\\/\\\\} # written in a quoted word of the driver
drive more "$work/more" "start setup.exe; wait Setup * 30000
  click 15; wait-text 110 \"Choose your desired actions below:\"
  select 113 0; select 113 1; click 15
  wait-text 301 \"Copy Settings\"; expect-text 120 Copy; expect-text 122 a:\\
  expect-text 113 \"The settings go onto a floppy disk.\"
  screenshot screens/more_1_copy_file.png
  type 122 \"$target\"; wait-enabled 120 1 5000; click 120
  wait-visible 112 1 20000; click 15; wait-text 301 \"Broken Disk\"
  click 120; wait #32770 \"Programm Diskette\" 20000; answer 2
  wait #32770 \"\" 10000; expect-box \"\" \"The installation has been interrupted!\"; answer 1
  wait Setup * 5000; wait-visible 120 1 5000; expect-enabled 122 1
  click 2; wait #32770 \"ATTENTION!!!\" 10000; answer 7
  wait Setup * 5000; expect-visible 120 1
  $quit"
check "a file copied into a new folder, a missing disk given up, Cancel answered No" [ "$code" -eq 0 ]
check "the file is there" test -f "$work/more/new folder/floppy/tool.dat"

# A disk description file without Version: the setup says so and ends.
mkdir -p "$work/bad/tools"
cp "$setup_exe" "$work/bad/setup.exe"
printf '[DISKS]\r\nINFO=0\r\n[Layout]\r\n0=Bad Disk\r\n[Bad Disk]\r\nPATH=tools\r\nINI=bad.ini\r\n' > "$work/bad/Install.ini"
printf '[Bad Disk]\r\nDSK=X\r\n[XDISKS]\r\nVersion=0\r\nfree1=10\r\n' > "$work/bad/tools/bad.ini"
drive bad "$work/bad" 'start setup.exe; wait Setup * 30000; click 15
  wait #32770 Error 10000; expect-box Error "The files on the disk are incomplete! I cannot continue!"
  answer 1; expect-exit 1 20000'
check "Version=0: message 1140 and the end" [ "$code" -eq 0 ]

finish_checks
