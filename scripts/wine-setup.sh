#!/usr/bin/env bash
# Prepares this machine to run the 32-bit setup program under Wine.
#
# Why it is not simply "apt-get install wine32": the kernel of these machines
# runs 64-bit user code only. An i386 ELF gives "Exec format error", and a
# 64-bit process cannot switch to a 32-bit code segment either (a far jump to
# the 32-bit user code selector, or to a 32-bit LDT code segment, faults with
# #GP). Wine's WoW64 mode - native or "new" - needs exactly that switch, so no
# Wine build can run 32-bit x86 code natively here.
#
# What works: Debian 13 (trixie) in a chroot with the 32-bit Wine (wine32:i386,
# Wine 10.0) and qemu-user, plus a binfmt_misc entry that hands every i386 ELF
# to the chroot's qemu-i386. The 32-bit Wine loader and all 32-bit Windows code
# run emulated; wineserver stays a native 64-bit process. Prefixes are 32-bit
# ("win32", Windows NT x86).
#
# Idempotent: a second run only re-checks host packages, the binfmt entry and
# the chroot's mounts. Downloaded packages are kept under $WINE_CACHE so a
# rebuild of the chroot (WINE_CHROOT_REBUILD=1) does not download again.
#
# Environment:
#   WINE_CHROOT          chroot folder (default /opt/wine-trixie)
#   WINE_CACHE           package cache (default /var/cache/wine-trixie)
#   WINE_MIRROR          Debian mirror (default http://deb.debian.org/debian)
#   WINE_CHROOT_REBUILD  1 = delete and rebuild the chroot
set -euo pipefail

ROOT=${WINE_CHROOT:-/opt/wine-trixie}
CACHE=${WINE_CACHE:-/var/cache/wine-trixie}
MIRROR=${WINE_MIRROR:-http://deb.debian.org/debian}
SUITE=trixie
# Bump when the package list below changes, so old chroots get completed.
STAMP_VERSION=2
STAMP="$ROOT/.wine-setup-done"
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

CHROOT_PKGS=(
  wine wine64 wine32:i386 qemu-user
  # X11 extensions Wine's display driver loads at run time (32-bit side).
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386
  libxcomposite1:i386 libxinerama1:i386 libxxf86vm1:i386 libxext6:i386
  fontconfig fonts-arphic-uming
  # Wine's own fonts: Marlett draws the caption buttons, Tahoma the message boxes.
  fonts-wine
)
HOST_PKGS=(debootstrap xvfb imagemagick x11-utils)

log() { echo "wine-setup: $*" >&2; }

[ "$(id -u)" = 0 ] || { log "must run as root"; exit 1; }

# --- host packages -----------------------------------------------------------
missing=()
for p in "${HOST_PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  log "installing host packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null 2>&1 || {
    apt-get update -q >/dev/null
    apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
  }
fi

# --- chroot ------------------------------------------------------------------
if [ "${WINE_CHROOT_REBUILD:-0}" = 1 ] && [ -d "$ROOT" ]; then
  "$HERE/wine-run.sh" --umount || true
  rm -rf --one-file-system "$ROOT"
fi

if [ ! -f "$STAMP" ] || [ "$(cat "$STAMP")" != "$STAMP_VERSION" ]; then
  mkdir -p "$CACHE/debootstrap" "$CACHE/apt/partial"
  if [ ! -x "$ROOT/usr/bin/apt-get" ]; then
    log "debootstrap $SUITE into $ROOT"
    rm -rf --one-file-system "$ROOT"
    debootstrap --variant=minbase --cache-dir="$CACHE/debootstrap" \
      "$SUITE" "$ROOT" "$MIRROR" >"$CACHE/debootstrap.log" 2>&1 || {
        tail -n 20 "$CACHE/debootstrap.log" >&2; exit 1; }
  fi
  cp /etc/hosts "$ROOT/etc/hosts"
  cp /etc/hostname "$ROOT/etc/hostname" 2>/dev/null || true
  # No daemons inside the chroot.
  printf '#!/bin/sh\nexit 101\n' >"$ROOT/usr/sbin/policy-rc.d"
  chmod +x "$ROOT/usr/sbin/policy-rc.d"
  mkdir -p "$ROOT/var/cache/apt/archives"
  mountpoint -q "$ROOT/var/cache/apt/archives" ||
    mount --bind "$CACHE/apt" "$ROOT/var/cache/apt/archives"
  "$HERE/wine-run.sh" --mount
  log "installing Wine into the chroot"
  set +e
  chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 sh -ec "
      dpkg --add-architecture i386
      apt-get update -q
      apt-get install -y -q --no-install-recommends ${CHROOT_PKGS[*]}
    " >"$CACHE/chroot-apt.log" 2>&1
  rc=$?
  set -e
  umount "$ROOT/var/cache/apt/archives"
  if [ $rc != 0 ]; then tail -n 30 "$CACHE/chroot-apt.log" >&2; exit 1; fi
  echo "$STAMP_VERSION" >"$STAMP"
fi

# --- binfmt_misc: i386 ELF -> the chroot's qemu-i386 -------------------------
# The "F" flag makes the kernel open the interpreter now, so it is found both
# inside and outside the chroot. Re-registered on every run so that it comes
# first (the kernel tries the newest entry first, so an older i386 entry, e.g.
# the host's slower qemu, is not used) and follows qemu upgrades.
BINFMT=/proc/sys/fs/binfmt_misc
mountpoint -q "$BINFMT" || mount -t binfmt_misc binfmt_misc "$BINFMT"
[ -e "$BINFMT/wine-i386" ] && echo -1 >"$BINFMT/wine-i386"
printf '%s' ':wine-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$ROOT"'/usr/bin/qemu-i386:F' \
  >"$BINFMT/register"

"$HERE/wine-run.sh" --mount
"$HERE/wine-run.sh" wine --version >&2
log "ready: chroot $ROOT"
