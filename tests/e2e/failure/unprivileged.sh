#!/usr/bin/env bash
# Settings writes where the folder refuses new files: the settings file there
# writable, or nothing there writable. Root ignores permissions, so the test
# programs run as an unprivileged user made for this, in a Wine prefix of its own.
# Usage: unprivileged.sh <build/windows folder>; run by ctest with DISPLAY set.
# Exit 77 (skipped) where no such user can be made.
set -euo pipefail
BIN=$(cd "$1" && pwd)
USER_NAME=hopvox-unpriv

if [ "$(id -u)" -ne 0 ] || ! command -v runuser >/dev/null; then
  echo "needs root and runuser to act as another user; skipped"
  exit 77
fi
id "$USER_NAME" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$USER_NAME"

# The user must reach what it runs. A build in a folder only root may enter
# (a clone in a private temporary folder) has the test programs, and the
# loader scripts found as "wine", copied to one the user may enter.
WORK=$BIN EXES=$BIN
if ! runuser -u "$USER_NAME" -- test -r "$BIN/e2e_failure.exe"; then
  WORK=/tmp/hopvox-unprivileged EXES=/tmp/hopvox-unprivileged/bin
  rm -rf "$EXES"
  mkdir -p "$EXES"
  cp "$BIN/win32_ini.exe" "$BIN/e2e_failure.exe" "$BIN/hopvox.exe" "$BIN/roger.exe" "$EXES/"
  loaders=$(dirname "$(command -v wine)")
  if ! runuser -u "$USER_NAME" -- test -x "$loaders/wine"; then
    cp "$loaders"/wine* "$EXES/"
    PATH=$EXES:$PATH
  fi
  chmod 755 "$WORK" "$EXES"
  chmod a+rX "$EXES"/*
fi
HOME_DIR=$WORK/unprivileged-home
ROOT=$WORK/unprivileged

# A 64-bit test build (HOPVOX_WIN_ARCH, scripts/lib.sh) runs in a 64-bit
# prefix, with the path that finds the 64-bit loader as "wine".
wine_arch=win32
[ "${HOPVOX_WIN_ARCH:-i686}" = x86_64 ] && wine_arch=win64
as_user() {
  runuser -u "$USER_NAME" -- env PATH="$PATH" HOME="$HOME_DIR" WINEPREFIX="$HOME_DIR/prefix" WINEARCH=$wine_arch WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv=d" DISPLAY="${DISPLAY:-}" "$@"
}

mkdir -p "$HOME_DIR"
chown "$USER_NAME:" "$HOME_DIR"
if [ ! -f "$HOME_DIR/prefix/system.reg" ]; then
  as_user wineboot -i >/dev/null 2>&1
  as_user wineserver -w
  as_user wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 </dev/null || true
  as_user wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
fi
trap 'as_user wineserver -k >/dev/null 2>&1 || true' EXIT

# Folders of root's, which the user may read but not add to; in them, files
# the user may write and files it may not.
rm -rf "$ROOT"
mkdir -p "$ROOT/ini" "$ROOT/run"
printf '[Hopvox key modifier]\r\nModifier=1\r\n' > "$ROOT/ini/writable.ini"
printf '[Hopvox key modifier]\r\nModifier=1\r\n' > "$ROOT/ini/locked.ini"
chown "$USER_NAME:" "$ROOT/ini/writable.ini"
cp "$EXES/hopvox.exe" "$EXES/roger.exe" "$ROOT/run/"
printf '[Hopvox timing]\r\nTiming=80\r\n[Hopvox key modifier]\r\nModifier=2\r\n' > "$ROOT/run/Hopvox.ini"
chown "$USER_NAME:" "$ROOT/run/Hopvox.ini"
chmod 640 "$ROOT/run/Hopvox.ini"
# Hopvox unpacked by an administrator: the user may write nothing there.
mkdir -p "$ROOT/program"
cp "$EXES/hopvox.exe" "$EXES/roger.exe" "$ROOT/program/"
printf '[Hopvox timing]\r\nTiming=80\r\n[Hopvox key modifier]\r\nModifier=2\r\n' > "$ROOT/program/Hopvox.ini"
printf '[HopVoxIPs]\r\nwork=10.2.2.2\r\n' > "$ROOT/program/HopVoxIPs.ini"
chmod 644 "$ROOT/program/"*.ini
chmod 755 "$ROOT" "$ROOT/ini" "$ROOT/run" "$ROOT/program"
before=$(stat -c '%i %U %a' "$ROOT/run/Hopvox.ini")

win_root="Z:$(echo "$ROOT" | tr / '\\')"
rc=0
as_user env HOPVOX_UNPRIVILEGED_ROOT="$win_root" wine "$EXES/win32_ini.exe" --gtest_filter='Unprivileged*' || rc=1
as_user env HOPVOX_UNPRIVILEGED_ROOT="$win_root" wine "$EXES/e2e_failure.exe" --gtest_filter='Unprivileged*' || rc=1

# Written where it is: the same file, its owner and permissions kept.
after=$(stat -c '%i %U %a' "$ROOT/run/Hopvox.ini")
if [ "$before" != "$after" ]; then
  echo "settings file was replaced: before '$before', after '$after'"
  rc=1
fi
exit $rc
