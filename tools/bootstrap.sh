#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: does nothing when everything is present. Runs apt-get as root
# (or through sudo when available).
set -euo pipefail

packages=(mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth
          mscompress imagemagick cmake make g++ clang libclang-rt-14-dev
          googletest libgtest-dev binutils-mingw-w64 fonts-wine)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

echo "bootstrap: installing ${missing[*]}"
$SUDO apt-get update -q || true
for attempt in 1 2 3 4; do
  if $SUDO apt-get install -y -q --no-install-recommends --fix-missing "${missing[@]}"; then
    exit 0
  fi
  echo "bootstrap: apt-get install failed (attempt $attempt), retrying" >&2
  sleep $((attempt * 5))
done
echo "bootstrap: could not install ${missing[*]}" >&2
exit 1
