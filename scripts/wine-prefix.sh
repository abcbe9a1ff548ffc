#!/usr/bin/env bash
# Creates a Wine prefix ready for the setup program, unless it exists:
#   wine-prefix.sh <prefix dir>
# Booted once, then given the settings that make the dialogs look as on a
# Chinese Windows: "宋体"/SimSun drawn with a Song-style CJK font, and window
# frames drawn by Wine itself (an Xvfb display has no window manager).
# It also creates the user's "Windows" key, which every Windows has (it holds
# the default printer) but a new Wine prefix lacks.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(realpath -m "$1")
[ -f "$prefix/.setup-ready" ] && exit 0

rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
# Booting needs no display; Wine's own dialogs stay away without one.
env -u DISPLAY "$here/wine-run.sh" wine wineboot -i >/dev/null 2>&1

reg=$prefix/setup-settings.reg
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"宋体"="AR PL UMing CN"\r\n"SimSun"="AR PL UMing CN"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows]\r\n\r\n'
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
env -u DISPLAY "$here/wine-run.sh" wine regedit /S "$reg" >/dev/null 2>&1
env -u DISPLAY "$here/wine-run.sh" wineserver -w
touch "$prefix/.setup-ready"
