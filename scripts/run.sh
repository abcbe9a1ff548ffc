#!/usr/bin/env bash
# The program's main job: builds Setup.exe, lays out a sample installation
# medium (placeholder driver files, not real drivers) in out/medium and runs
# the wizard under Wine in the project-local prefix out/wine-prefix.
# With a usable $DISPLAY the wizard is yours to click through; without one it
# runs on Xvfb, walks through every page, saves a screenshot of each in
# out/screenshots and prints what the installation left in the spooler.
# Installs what it needs first (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/wine-setup.sh
scripts/build.sh
rm -rf out/medium
scripts/make-medium.sh out/medium build/win32/Setup.exe build/win32/stub_installer.exe
scripts/wine-prefix.sh out/wine-prefix
prefix=$(realpath out/wine-prefix)

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    (cd out/medium && LC_ALL=zh_CN.UTF-8 WINEPREFIX=$prefix WINEDEBUG=-all \
        ../../scripts/wine-run.sh wine Setup.exe)
    WINEPREFIX=$prefix WINEDEBUG=-all scripts/wine-run.sh wine build/win32/spool_report.exe
else
    python3 tests/e2e/run_scenarios.py --build build/win32 --walkthrough \
        --prefix "$prefix" --shots out/screenshots
fi
