# Shared pieces of scripts/test, scripts/run and the screenshot scripts.
# Source it; it defines functions and sets ROOT.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${HOPVOX_BUILD:-$ROOT/build}

# What building and running the program needs (the sound server and sox for
# hearing the demonstration), and what the tests add to it (espeak-ng checks
# the announcements).
RUN_PACKAGES="cmake ninja-build make dpkg-dev g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
  mingw-w64-i686-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev
  wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick
  pulseaudio pulseaudio-utils sox"
# clang with its runtime libraries builds the fuzz targets (libFuzzer); the
# runtime's package carries the version of the release's clang.
clang_runtime_package() {
  local release
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  case $release in
    bookworm) echo libclang-rt-14-dev ;;
    trixie) echo libclang-rt-19-dev ;;
    *) echo "libclang-rt-$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)-dev" ;;
  esac
}
TEST_PACKAGES="$RUN_PACKAGES g++ clang $(clang_runtime_package) clang-tidy clang-format libgtest-dev googletest
  libbenchmark-dev libjpeg62-turbo-dev xdotool zip espeak-ng locales x11-xkb-utils"
# The system locales the locale tests run Wine under: Wine takes its ANSI code
# page (932 Japanese, 1251 Cyrillic) from LANG, and only from a generated locale.
# The keyboard-layout tests name German and French to Wine the same way.
TEST_LOCALES="ja_JP.UTF-8 ru_RU.UTF-8 de_DE.UTF-8 fr_FR.UTF-8"

# Install what is missing from the lists given (as root with apt; otherwise
# print the command).
ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local cmd="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  $cmd" >&2
    return 1
  fi
  echo "== installing: ${missing[*]}"
  dpkg --add-architecture i386
  apt_update
  local install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends)
  "${install[@]}" "${missing[@]}" >/dev/null && return 0
  # With one architecture's update index missing, the newest version of a
  # library exists for one architecture only, and the 32-bit and 64-bit
  # copies must match: the release's own versions are in every index.
  local release
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$release" ] || return 1
  echo "== installing again, preferring the versions of $release itself"
  "${install[@]}" -t "$release" "${missing[@]}" >/dev/null
}

# A mirror caught mid-sync fails one index file ("File has unexpected size")
# and apt-get update then exits non-zero although every other index is fresh.
# Tried a few times; what is still missing after that is left to the install,
# which says plainly if a package cannot be had.
apt_update() {
  local try
  mkdir -p "$BUILD"
  for try in 1 2 3; do
    apt-get update -q >/dev/null 2>"$BUILD/apt-update.err" && return 0
    sleep $((try * 5))
  done
  echo "== apt-get update reported errors (installing from the indexes it has):" >&2
  grep '^[EW]:' "$BUILD/apt-update.err" >&2 || true
}

# Everything a build needs on this machine: the packages of the list given
# and the libjpeg source entry. scripts/run and scripts/test share this step.
prepare_machine() {
  # shellcheck disable=SC2086
  ensure_packages $1
  ensure_deb_src
}

# The Windows build compiles libjpeg from Debian's source package, which apt
# only finds with a deb-src entry: add one mirroring the binary sources.
ensure_deb_src() {
  apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:' && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "No deb-src entry for libjpeg-turbo. As root, add one, e.g.:" >&2
    echo "  sed 's/^Types: deb\$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/hopvox-src.sources && apt-get update" >&2
    return 1
  fi
  local src=/etc/apt/sources.list.d/debian.sources
  if [ -f "$src" ]; then
    sed 's/^Types: deb$/Types: deb-src/' "$src" > /etc/apt/sources.list.d/hopvox-src.sources
  else
    grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' > /etc/apt/sources.list.d/hopvox-src.list
  fi
  echo "== adding deb-src entries for the libjpeg source"
  apt_update
}

# What users get is a 32-bit program, and where the machine runs 32-bit
# programs the tests run it under 32-bit Wine. Some kernels run none (built or
# booted without 32-bit support; a 32-bit start fails with "Exec format
# error"): there the tests run the same code built for 64-bit Windows under
# 64-bit Wine, and the 32-bit program is still built, checked and packed.
# HOPVOX_WIN_ARCH=i686|x86_64 chooses by hand.
choose_win_arch() {
  [ -n "${HOPVOX_WIN_PATH_SET:-}" ] && return 0
  HOPVOX_WIN_PATH_SET=1
  if [ -z "${HOPVOX_WIN_ARCH:-}" ]; then
    if runs_32bit_natively; then HOPVOX_WIN_ARCH=i686; else HOPVOX_WIN_ARCH=x86_64; fi
  fi
  export HOPVOX_WIN_ARCH
  if [ "$HOPVOX_WIN_ARCH" = x86_64 ]; then
    # "wine" on the path is the 64-bit loader; the 32-bit one cannot start here.
    mkdir -p "$BUILD/wine64-bin"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$BUILD/wine64-bin/wine"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 wineboot "$@"\n' > "$BUILD/wine64-bin/wineboot"
    chmod +x "$BUILD/wine64-bin/wine" "$BUILD/wine64-bin/wineboot"
    case ":$PATH:" in *":$BUILD/wine64-bin:"*) ;; *) export PATH="$BUILD/wine64-bin:$PATH" ;; esac
  fi
}

# True when the 32-bit loader runs as a native process: not refused by the
# kernel, and not handed to an emulator registered for 32-bit programs (Wine
# does not start under one).
runs_32bit_natively() {
  local f
  for f in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$f" ] || continue
    grep -q '^enabled' "$f" 2>/dev/null && grep -q '^magic 7f454c4601010100000000000000000002000300' "$f" 2>/dev/null && return 1
  done
  [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# Generates the locales of TEST_LOCALES that are missing (as root; otherwise
# prints the command). Needs the locales package.
ensure_locales() {
  local l missing=()
  for l in $TEST_LOCALES; do
    locale -a 2>/dev/null | grep -qx "${l%%.*}.utf8" || missing+=("$l")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing locales. Run as root:" >&2
    for l in "${missing[@]}"; do echo "  localedef -i ${l%%.*} -f UTF-8 $l" >&2; done
    return 1
  fi
  for l in "${missing[@]}"; do
    echo "== generating the locale $l"
    localedef -i "${l%%.*}" -f UTF-8 "$l"
  done
}

# Configures the tree of CMakePresets.json's preset $1 in folder $2 (the
# presets name the folders in build/; HOPVOX_BUILD moves them), with the
# settings that follow.
configure() {
  local preset=$1 tree=$2
  shift 2
  cmake -S "$ROOT" --preset "$preset" -B "$tree" -DHOPVOX_WERROR="${HOPVOX_WERROR:-OFF}" "$@" >/dev/null
}

build_native() {
  configure native "$BUILD/native"
  cmake --build "$BUILD/native"
}

# The fuzz targets (fuzz/*.cpp), with clang, libFuzzer and the sanitizers;
# the test tree runs each briefly. Longer runs: scripts/fuzz.
build_fuzz() {
  configure fuzz "$BUILD/fuzz"
  cmake --build "$BUILD/fuzz" --target fuzzers
}

# The test tree; it builds the programs (hopvox.exe, roger.exe) and the
# download (build/package/hopvox-1.6.zip) too.
build_windows() {
  choose_win_arch
  configure "windows-$HOPVOX_WIN_ARCH" "$BUILD/windows" \
    -DHOPVOX_NATIVE_DIR="$BUILD/native" -DHOPVOX_FUZZ_DIR="$BUILD/fuzz" \
    -DHOPVOX_PACKAGE_DIR="$BUILD/package"
  cmake --build "$BUILD/windows"
}

# Only the programs, in a tree of their own: what running needs. They land
# in PROGRAM_DIR.
build_program() {
  choose_win_arch
  PROGRAM_DIR=$BUILD/program/bin
  configure "program-$HOPVOX_WIN_ARCH" "$BUILD/program" -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$PROGRAM_DIR"
  cmake --build "$BUILD/program"
}

# The Wine prefix in build/ (or the one named), made once: 32-bit (64-bit
# for a 64-bit test build), quiet, with Wine's fonts (or title-bar buttons
# draw as letters).
prepare_prefix() {
  choose_win_arch
  if [ "$HOPVOX_WIN_ARCH" = x86_64 ]; then
    export WINEPREFIX="${1:-$BUILD/wineprefix64}" WINEARCH=win64 WINEDEBUG=-all
  else
    export WINEPREFIX="${1:-$BUILD/wineprefix}" WINEARCH=win32 WINEDEBUG=-all
  fi
  # No sound card here: without the ALSA driver sounds fail at once and quietly.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv=d"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}

# An Xvfb display at the first free number from $1, with the options that
# follow; sets DISPLAY and XVFB_PID.
start_xvfb() {
  local n=$1
  shift
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp "$@" >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
}

# A private Xvfb display and Wine prefix; stop_headless undoes both.
start_headless() {
  start_xvfb "${HOPVOX_DISPLAY:-77}"
  prepare_prefix
  # Silent unless a test listens (start_listening): no sound server of
  # anyone else's is reached, and nothing a test plays disturbs a listener.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv=d"
  warm_wineserver
  # Start Wine's own services now, with their output going nowhere: started by
  # the first test instead, they would keep ctest's pipes open after it ends.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# One warm server for a run, or every Wine start waits for a new one; its
# processes keep the locale they started with, so a new locale wants a new one.
# The prefix draws its own title bars (the caption buttons live there) and
# waits for no window manager (2 s per hidden or destroyed window otherwise).
warm_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p
  if ! grep -q '"Managed"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 </dev/null || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
  fi
}

stop_headless() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# A private PulseAudio in folder $1 with one null sink, "cap", whose monitor
# is recorded into $1/capture.raw (s16le, mono, 22050 Hz) until
# stop_listening: Wine programs started after this play there (their pulse
# driver on, the others off), and a test hears them by reading the file,
# whose Windows name is in HOPVOX_CAPTURE.
start_listening() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$dir/run" "$dir/state" "$dir/config"
  export PULSE_RUNTIME_PATH=$dir/run PULSE_STATE_PATH=$dir/state XDG_CONFIG_HOME=$dir/config
  export PULSE_SERVER=unix:$dir/run/native
  # norewinds: the null sink's rewinds drop samples.
  pulseaudio --daemonize=no --system=false -n --exit-idle-time=-1 --use-pid-file=false \
    --realtime=false --high-priority=false --disable-shm=true --log-target="file:$dir/pulse.log" \
    --load="module-null-sink sink_name=cap format=s16le rate=22050 channels=1 norewinds=1" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/run/native" \
    >/dev/null 2>&1 </dev/null &
  PULSE_PID=$!
  until pactl info >/dev/null 2>&1; do
    kill -0 "$PULSE_PID" 2>/dev/null || { echo "pulseaudio did not start: $dir/pulse.log" >&2; return 1; }
    sleep 0.05
  done
  parec -d cap.monitor --raw --format=s16le --rate=22050 --channels=1 --latency-msec=20 \
    >"$dir/capture.raw" 2>/dev/null </dev/null &
  PAREC_PID=$!
  until [ -s "$dir/capture.raw" ]; do
    kill -0 "$PAREC_PID" 2>/dev/null || { echo "parec did not start" >&2; return 1; }
    sleep 0.05
  done
  # Wine's 30 ms buffer runs dry on a busy machine and cuts the sound.
  export PULSE_LATENCY_MSEC=100
  local overrides=${WINEDLLOVERRIDES:-}
  export WINEDLLOVERRIDES="${overrides//;winepulse.drv=d/}"
  local win=${dir//\//\\}
  export HOPVOX_CAPTURE="Z:$win\\capture.raw"
}

stop_listening() {
  [ -n "${PAREC_PID:-}" ] && { kill -INT "$PAREC_PID" 2>/dev/null; wait "$PAREC_PID" 2>/dev/null; } || true
  [ -n "${PULSE_PID:-}" ] && { kill "$PULSE_PID" 2>/dev/null; wait "$PULSE_PID" 2>/dev/null; } || true
  PAREC_PID= PULSE_PID=
}
