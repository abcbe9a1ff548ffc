#!/usr/bin/env bash
# Runs a command inside the Wine chroot made by scripts/wine-setup.sh.
#
#   scripts/wine-run.sh env WINEPREFIX=/tmp/pfx wine wineboot -i
#   scripts/wine-run.sh env WINEPREFIX=/tmp/pfx wine some.exe
#   scripts/wine-run.sh env WINEPREFIX=/tmp/pfx wine reg query 'HKLM\Software'
#   scripts/wine-run.sh env WINEPREFIX=/tmp/pfx wineserver -k
#   scripts/wine-run.sh --mount      only (re)create the bind mounts
#   scripts/wine-run.sh --umount     remove them
#
# The caller's environment (DISPLAY, WINEPREFIX, WINEDEBUG, ...) and working
# folder are kept. /tmp, /dev, /proc, /sys and this project's folder are bind
# mounted at the same paths, so paths under them mean the same inside and out.
# More folders: WINE_RUN_BINDS="/some/dir /other/dir".
# X: start Xvfb on the host; its socket in /tmp/.X11-unix is shared via /tmp.
# Prefixes are 32-bit (the 32-bit Wine loader runs under qemu-i386); WINEARCH
# defaults to win32 here.
set -euo pipefail

ROOT=${WINE_CHROOT:-/opt/wine-trixie}
PROJECT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bind_dir() { # bind_dir SRC: same path inside the chroot
  local src=$1 dst="$ROOT$1"
  [ -d "$src" ] || return 0
  mountpoint -q "$dst" && return 0
  mkdir -p "$dst"
  mount --bind "$src" "$dst"
}

do_mount() {
  [ -x "$ROOT/usr/bin/wine" ] || [ -x "$ROOT/usr/bin/apt-get" ] || {
    echo "wine-run: no chroot at $ROOT; run scripts/wine-setup.sh" >&2; exit 1; }
  mountpoint -q "$ROOT/proc" || mount -t proc proc "$ROOT/proc"
  mountpoint -q "$ROOT/sys" || mount -t sysfs sysfs "$ROOT/sys"
  mountpoint -q "$ROOT/dev" || { mount --rbind /dev "$ROOT/dev"; mount --make-rslave "$ROOT/dev"; }
  bind_dir /tmp
  bind_dir "$PROJECT"
  local d
  for d in ${WINE_RUN_BINDS:-}; do bind_dir "$(cd "$d" && pwd)"; done
}

do_umount() {
  local m
  # Deepest first.
  for m in $(awk -v r="$ROOT/" 'index($2, r) == 1 {print $2}' /proc/mounts | sort -r); do
    umount -l "$m" 2>/dev/null || true
  done
}

case "${1:-}" in
  --mount) do_mount; exit 0 ;;
  --umount) do_umount; exit 0 ;;
  "") echo "usage: $0 COMMAND [ARGS...] | --mount | --umount" >&2; exit 2 ;;
esac

[ "$(id -u)" = 0 ] || exec sudo -E "$0" "$@"
[ -e /proc/sys/fs/binfmt_misc/wine-i386 ] || {
  echo "wine-run: i386 binfmt entry missing; run scripts/wine-setup.sh" >&2; exit 1; }
do_mount

export WINEARCH=${WINEARCH:-win32}
# Desktop menu entries and file associations are of no use here.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
cwd=$PWD
[ -d "$ROOT$cwd" ] || cwd=/
exec chroot "$ROOT" /bin/sh -c 'cd "$1" || cd /; shift; exec "$@"' wine-run "$cwd" "$@"
