#!/usr/bin/env bash
# The taskbar and the notification area as a shell drives them: the chrome
# tests' Shell cases on Wine's desktop with its taskbar, on a display of their
# own (the desktop covers the whole screen), in the suite's prefix.
# Usage: shell.sh <build/windows folder>; run by ctest with DISPLAY set.
set -euo pipefail
BIN=$(cd "$1" && pwd)
source "$(dirname "$0")/../../../scripts/lib.sh"
choose_win_arch
start_xvfb $((${DISPLAY#:} + 2))
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
HOPVOX_SHELL_DESKTOP=shell wine "$BIN/e2e_chrome.exe" --gtest_filter='Shell.*'
