#!/usr/bin/env bash
# The keyboard-layout tests on a German and on a French keyboard. The X
# keyboard is set on a display of their own (kept by -noreset once the last
# program leaves it), and Wine names the layout after the locale of each of
# its programs, so the test and Hopvox run with the layout's locale for
# messages; the code page stays the suite's. Own prefix, as the locale tests.
# Usage: layouts.sh <build/windows folder>; run by ctest with DISPLAY set.
set -euo pipefail
BIN=$(cd "$1" && pwd)
source "$(dirname "$0")/../../../scripts/lib.sh"
ensure_locales
start_xvfb $((${DISPLAY#:} + 1)) -noreset
prepare_prefix "$BIN/wineprefix-layout"
trap 'wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true' EXIT
unset LC_ALL
warm_wineserver

rc=0
for choice in de:de_DE.UTF-8 fr:fr_FR.UTF-8; do
  setxkbmap -display "$DISPLAY" -rules evdev -model pc105 -layout "${choice%:*}"
  echo "== keyboard ${choice%:*}, DirectInput"
  LC_MESSAGES=${choice#*:} wine "$BIN/e2e_locale.exe" --gtest_filter='KeyboardLayout.ChannelKeys*' || rc=1
  # Without DirectInput the letters are the layout's by nature (the system's
  # key state is kept by key code), and Wine's key state misses some presses
  # made in another program; AltGr is checked there, as Wine's DirectInput
  # does not report the right Alt key of these layouts as Windows does.
  # Wine takes a program's overrides from its start, not from its parent.
  echo "== keyboard ${choice%:*}, the system's key state (no DirectInput)"
  LC_MESSAGES=${choice#*:} WINEDLLOVERRIDES="$WINEDLLOVERRIDES;dinput=d" \
    wine "$BIN/e2e_locale.exe" --gtest_filter='KeyboardLayout.AltGr*' || rc=1
done
exit $rc
