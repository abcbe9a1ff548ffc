#!/usr/bin/env bash
# Every test: the engine's unit tests (native, with AddressSanitizer and
# UBSan), the check of the built Setup.exe, and the end-to-end scenarios that
# drive Setup.exe under Wine and look at the spooler, registry and driver
# directory it leaves. Installs what it needs first (Debian 12, as root).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/wine-setup.sh
scripts/build.sh
ctest --test-dir build/native --output-on-failure
# Verbose: the scenario table and the launch-time measurements belong in the log.
ctest --test-dir build/win32 --verbose --timeout 1500
