#!/usr/bin/env bash
# A private Wine prefix and X server for one run of the tests (or the demo).
#
#   wine_env.sh setup   STATE_DIR [ARCH]   make the prefix, start Xvfb and a persistent wineserver
#   wine_env.sh check   STATE_DIR   exit 0 when the prefix runs programs of its ARCH
#   wine_env.sh run     STATE_DIR PROGRAM ARGS...   run a Windows program, bounded in time
#   wine_env.sh cleanup STATE_DIR   stop the wineserver and Xvfb
#
# The prefix, its HOME and the X display live under STATE_DIR, never in the
# user's own Wine or home folders. WINE_RUN_TIMEOUT bounds one program (s).
#
# ARCH (i686 or x86_64, default x86_64) is the processor of the programs the
# prefix is made for. When this machine's Wine cannot run 32-bit programs,
# setup still succeeds and records why; check (for an i686 prefix) and run
# (of a 32-bit program) then print that one line and exit with 77, which the
# test entries report as skipped. 64-bit programs run as ever.
set -u
command=$1
state=$(realpath -m "$2")
shift 2

export WINEPREFIX="$state/prefix"
export HOME="$state/home"
export WINEDEBUG=${WINE_TRACE:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_RUNTIME_DIR="$state/run"

winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

use_display() {
  if [ -s "$state/display" ]; then
    export DISPLAY=":$(cat "$state/display")"
  fi
}

SKIP_CODE=77

# The machine field of a PE file's header: 014c for i386, 8664 for x86_64.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] && od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

skip_if_unsupported() {
  if [ -s "$state/unsupported" ]; then
    echo "SKIP: $(cat "$state/unsupported")"
    exit $SKIP_CODE
  fi
}

# Records why the prefix cannot run 32-bit programs, if it cannot: the
# system's own 32-bit command interpreter must start and end well.
probe_32bit() {
  local cmd32="$WINEPREFIX/drive_c/windows/syswow64/cmd.exe"
  if [ ! -f "$cmd32" ] || ! timeout 60 wine "$cmd32" /c exit 0 >"$state/probe32.log" 2>&1; then
    echo "32-bit Wine (wine32:i386) is not installed or does not start here, so the i686 build is not run" \
      > "$state/unsupported"
  fi
}

stop_all() {
  if mountpoint -q "$state/full" 2>/dev/null; then
    umount "$state/full" 2>/dev/null || true
  fi
  if [ -d "$WINEPREFIX" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -s "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" >/dev/null 2>&1 || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

case "$command" in
  setup)
    arch=${1:-x86_64}
    stop_all
    rm -rf "$state"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$WINEPREFIX"
    chmod 700 "$XDG_RUNTIME_DIR"
    if [ -n "${WINE_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
      echo "${DISPLAY#:}" > "$state/display"
    else
      # -displayfd writes the number of a free display once the server is up.
      Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/display.new" </dev/null \
        >"$state/xvfb.log" 2>&1 &
      echo $! > "$state/xvfb.pid"
      for _ in $(seq 100); do
        [ -s "$state/display.new" ] && break
        sleep 0.1
      done
      if [ ! -s "$state/display.new" ]; then
        echo "wine_env: Xvfb did not start" >&2
        cat "$state/xvfb.log" >&2
        exit 1
      fi
      tr -d '\n' < "$state/display.new" > "$state/display"
    fi
    use_display
    # One persistent server for the whole run: each program start then costs
    # about a second instead of ten.
    wineserver -p </dev/null >/dev/null 2>&1
    if ! timeout 240 wine wineboot -i >"$state/wineboot.log" 2>&1; then
      echo "wine_env: wineboot failed" >&2
      cat "$state/wineboot.log" >&2
      exit 1
    fi
    # The first program after the boot waits for the prefix's services to settle.
    timeout 60 wine cmd.exe /c exit 0 >/dev/null 2>&1 || true
    # Wine draws the windows' frames and captions itself, as Windows would
    # (there is no window manager on the test display), so the program's
    # painted caption is seen. Nor does Wine wait, up to 2 s per closed
    # window, for a window manager to acknowledge that it has been hidden.
    printf '%s\r\n' 'REGEDIT4' '' \
      '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' '"Managed"="N"' > "$state/desktop.reg"
    timeout 60 wine regedit /S "$(winepath_of "$state/desktop.reg")" >/dev/null 2>&1 || true
    # Wine's own fonts (Marlett for the caption buttons, MS Sans Serif, ...)
    # are not found where this Wine looks for them; the prefix's font folder
    # is searched.
    for font in /usr/share/wine/fonts/*; do
      [ -f "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    # A fake CD: drive R: is a folder of the run.
    mkdir -p "$state/cd"
    ln -sfn "$state/cd" "$WINEPREFIX/dosdevices/r:"
    # A nearly full disk: drive S: is a 256 KiB file system, when this
    # machine lets the run mount one (the disk-full tests skip otherwise).
    mkdir -p "$state/full"
    if mount -t tmpfs -o size=256k tmpfs "$state/full" 2>/dev/null; then
      ln -sfn "$state/full" "$WINEPREFIX/dosdevices/s:"
    fi
    echo "$arch" > "$state/arch"
    probe_32bit
    # Wine's desktop process starts with the first window of a run and ends
    # with the last program; each start waits 10 s for a service that does
    # not start here. A program that idles for the prefix's lifetime keeps
    # the desktop, so only the first window of the whole run pays that.
    (timeout 86400 wine cmd /c "ping -n 86400 127.0.0.1" >/dev/null 2>&1 &)
    if [ "$arch" = i686 ] && [ -s "$state/unsupported" ]; then
      echo "wine_env: prefix at $WINEPREFIX cannot run $arch programs: $(cat "$state/unsupported")"
    else
      echo "wine_env: prefix ready at $WINEPREFIX for $arch, display $DISPLAY"
    fi
    ;;
  check)
    [ "$(cat "$state/arch" 2>/dev/null)" = i686 ] && skip_if_unsupported
    exit 0
    ;;
  run)
    [ "$(pe_machine "$1")" = 014c ] && skip_if_unsupported
    use_display
    exec timeout -k 5 "${WINE_RUN_TIMEOUT:-300}" wine "$@"
    ;;
  cleanup)
    stop_all
    ;;
  *)
    echo "usage: wine_env.sh setup|check|run|cleanup STATE_DIR [ARCH | PROGRAM ARGS...]" >&2
    exit 2
    ;;
esac
