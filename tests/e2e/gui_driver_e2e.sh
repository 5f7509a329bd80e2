#!/usr/bin/env bash
# The GUI driver against a small program: it finds the window, types, selects,
# ticks, reads back, takes a screenshot and clicks; a failing step ends it
# with exit code 1 and a picture of the windows it saw.
#
# usage: gui_driver_e2e.sh GUI_DRIVER TARGET WORK_DIR WINE_STATE
set -u
driver=$(realpath "$1")
target=$(realpath "$2")
work=$(realpath -m "$3")
wine_state=$(realpath -m "$4")
wine_env=$(realpath "$(dirname "$0")/../wine/wine_env.sh")
bash "$wine_env" check "$wine_state" || exit $?

. "$(dirname "$0")/checks.sh"
show_failure() {
  echo "  driver: $driver_output" | head -30
  echo "  target: $target_output"
}

rm -rf "$work"
mkdir -p "$work"
cd "$work"

# run_with_target SCRIPT: the target in the background, the driver on it.
run_with_target() {
  WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" "$target" > target.out 2>/dev/null &
  local target_pid=$!
  driver_output=$(WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" "$driver" -e "$1" 2>&1)
  driver_code=$?
  # The target ends with its dialog; a test that left it open closes it.
  if ! timeout 20 tail --pid=$target_pid -f /dev/null; then
    kill "$target_pid" 2>/dev/null
  fi
  wait "$target_pid" 2>/dev/null
  target_output=$(cat target.out)
}

run_with_target 'wait #32770 "Driver target" 20000
  type 101 "C:\\Games \"Zorbelin\""
  select 102 2
  check 103 1
  expect-text 101 "C:\\Games \"Zorbelin\""
  expect-list 102 "Game|Editor|Sceneries"
  expect-checked 103 1
  expect-visible 101 1
  click 105; sleep 200
  expect-visible 101 0
  expect-enabled 104 1
  screenshot target.png
  click 104
  gone 5000'
check "the script runs to its end" [ "$driver_code" -eq 0 ]
check "the target saw every action" grep -qF 'edit=C:\Games "Zorbelin" list=2 check=1 edit_changes=1 list_changes=1 check_clicks=1 end=104' target.out
check "the screenshot is a PNG of the window" bash -c "identify target.png | grep -q 'PNG [0-9]*x[0-9]*'"

run_with_target 'wait * "Driver target" 20000; key escape; gone 5000'
check "Escape ends the dialog as Cancel" grep -qF 'end=2' target.out

run_with_target 'wait * "Driver target" 20000; expect-text 101 "something else"'
check "a failed expectation ends with 1" [ "$driver_code" -eq 1 ]
check "it names the line and what it read" grep -qF 'line 1: expect-text: control 101 reads ""' <<<"$driver_output"
check "it shows the windows it saw" grep -qF 'class "Edit"' <<<"$driver_output"

start=$(date +%s)
driver_output=$(WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" "$driver" -e 'wait * "No such window" 500' 2>&1)
driver_code=$?
check "a wait for a window that never comes ends in its bound" [ "$driver_code" -eq 1 ] && [ $(( $(date +%s) - start )) -lt 30 ]
driver_output=$(WINE_RUN_TIMEOUT=60 bash "$wine_env" run "$wine_state" "$driver" -e 'fly away' 2>&1)
check "a bad script is refused with 2" [ $? -eq 2 ]

finish_checks
