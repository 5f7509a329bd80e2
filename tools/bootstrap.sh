#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: does nothing when everything is present. Runs apt-get as root
# (or through sudo when available).
#
# 32-bit Wine (wine32:i386) runs the shipped i686 build. It needs the i386
# architecture's package lists, which a machine could not always reach: when
# it cannot be installed this says so once and ends well, and the i686 test
# entries report themselves as skipped with the reason.
set -euo pipefail

packages=(mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth
          mscompress imagemagick cmake make g++ clang libclang-rt-14-dev
          googletest libgtest-dev binutils-mingw-w64 fonts-wine fonts-liberation)

SUDO=""
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

updated=0
apt_update() {
  [ $updated -eq 1 ] && return 0
  $SUDO apt-get update -q || true
  updated=1
}

# apt_install PACKAGE...: up to four tries; answers 1 when all failed.
apt_install() {
  for attempt in 1 2 3 4; do
    if $SUDO apt-get install -y -q --no-install-recommends --fix-missing "$@"; then
      return 0
    fi
    echo "bootstrap: apt-get install failed (attempt $attempt), retrying" >&2
    sleep $((attempt * 5))
  done
  return 1
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  apt_update
  if ! apt_install "${missing[@]}"; then
    echo "bootstrap: could not install ${missing[*]}" >&2
    exit 1
  fi
fi

if ! installed wine32:i386; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    updated=0
  fi
  echo "bootstrap: installing wine32:i386"
  apt_update
  if ! apt_install wine32:i386; then
    echo "bootstrap: wine32:i386 could not be installed; the i686 tests will be skipped" >&2
  fi
fi
exit 0
