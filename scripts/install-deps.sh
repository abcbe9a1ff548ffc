#!/usr/bin/env bash
# Installs the build and test tools on a Debian 12 machine (run as root).
# Idempotent: only what is missing is installed, with one apt-get update.
set -euo pipefail

packages=(cmake make g++ libgtest-dev python3
          g++-mingw-w64-i686 binutils-mingw-w64-i686
          xvfb xauth x11-utils imagemagick fonts-arphic-uming)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
