#!/usr/bin/env bash
# The locale tests under a Japanese and a Russian system locale. Wine takes
# its ANSI code page from LANG and keeps the locale in the prefix's settings,
# so they run in a prefix of their own: the suite's keeps its Western one.
# Usage: locales.sh <build/windows folder>; run by ctest with DISPLAY set.
set -euo pipefail
BIN=$(cd "$1" && pwd)
source "$(dirname "$0")/../../../scripts/lib.sh"
ensure_locales
prepare_prefix "$BIN/wineprefix-locale"
trap 'wineserver -k 2>/dev/null || true' EXIT

rc=0
for choice in ja_JP.UTF-8:932 ru_RU.UTF-8:1251; do
  export LANG=${choice%:*} LC_ALL=${choice%:*} HOPVOX_EXPECT_ACP=${choice#*:}
  echo "== $LANG"
  warm_wineserver  # one per locale
  wine "$BIN/win32_locale.exe" || rc=1
  wine "$BIN/e2e_locale.exe" || rc=1
done
# A Western system, for a folder named in Cyrillic.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 HOPVOX_EXPECT_ACP=1252
echo "== $LANG"
warm_wineserver
wine "$BIN/e2e_locale.exe" --gtest_filter='ForeignScript.*' || rc=1
exit $rc
