#!/usr/bin/env bash
# Lays out an installation medium for trying the setup program: Setup.exe at
# the root, placeholder driver files for every model in x86\ and x64\, and
# stand-in USB driver installers. The driver files are NOT real drivers: each
# holds one line saying what it stands for.
#   make-medium.sh <medium dir> <Setup.exe> [<stub installer.exe>]
set -euo pipefail
medium=$1 setup=$2 stub=${3:-}
mkdir -p "$medium"
cp "$setup" "$medium/Setup.exe"
for arch in x86 x64; do
    mkdir -p "$medium/$arch"
    for f in VORNPR.DLL Q41.GPD Q47.GPD QL520.GPD uniDRVui.DLL uniDRV.DLL UNIDRV.HLP UNIRES.DLL TTFSUB.GPD STDNAMES.GPD; do
        echo "Placeholder for $arch\\$f - not a real printer driver file" > "$medium/$arch/$f"
    done
done
if [ -n "$stub" ]; then
    mkdir -p "$medium/USB Driver/x86" "$medium/USB Driver/x64" "$medium/USBdriver/x86"
    cp "$stub" "$medium/USB Driver/x86/dpinstx86.exe"
    cp "$stub" "$medium/USB Driver/x64/dpinstx64.exe"
    cp "$stub" "$medium/USBdriver/x86/dpinst.exe"
fi
