#!/usr/bin/env bash
# The layout at 96, 120 and 144 pixels per inch, each in a session of its own:
# Windows takes the screen's pixels per inch at log-on, and so does Wine 10
# (its server keeps the value it started with; Wine 8 took a change at once).
# Own prefix, so that the suite's keeps its density.
# Usage: densities.sh <build/windows folder>; run by ctest with DISPLAY set.
set -euo pipefail
BIN=$(cd "$1" && pwd)
source "$(dirname "$0")/../../../scripts/lib.sh"
prepare_prefix "$BIN/wineprefix-density"
trap 'wineserver -k 2>/dev/null || true' EXIT

rc=0
for perInch in 96 120 144; do
  warm_wineserver
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$perInch" /f >/dev/null 2>&1 </dev/null
  # A new session: the server saves the registry as it ends.
  warm_wineserver
  echo "== $perInch pixels per inch"
  HOPVOX_DENSITY=$perInch wine "$BIN/e2e_look.exe" --gtest_filter='Layout.NoTextCutAtTheScreenDensity' || rc=1
done
exit $rc
