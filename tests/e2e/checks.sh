# The e2e scripts' pass/fail bookkeeping, sourced by each.
#   check DESCRIPTION CONDITION...   counts a pass, or prints FAIL and what
#                                    the script's show_failure prints
#   finish_checks [LABEL]            prints "N passed, N failed"; fails with any failure
passes=0
failures=0

check() {
  local description=$1
  shift
  if "$@"; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAIL${current:+ [$current]}: $description"
    if declare -F show_failure >/dev/null; then
      show_failure
    fi
  fi
}

finish_checks() {
  echo "${1:+$1: }$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
