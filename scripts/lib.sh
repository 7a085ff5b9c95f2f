# Shared pieces of scripts/test, scripts/run and the screenshot scripts.
# Source it; it defines functions and sets ROOT.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${HOPVOX_BUILD:-$ROOT/build}

# What building and running the program needs, and what the tests add to it.
RUN_PACKAGES="cmake ninja-build make dpkg-dev g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
  mingw-w64-i686-dev wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick"
TEST_PACKAGES="$RUN_PACKAGES g++ clang clang-tidy clang-format libgtest-dev googletest libbenchmark-dev libjpeg62-turbo-dev
  xdotool zip locales"
# The system locales the locale tests run Wine under: Wine takes its ANSI code
# page (932 Japanese, 1251 Cyrillic) from LANG, and only from a generated locale.
TEST_LOCALES="ja_JP.UTF-8 ru_RU.UTF-8"

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
  apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
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
  apt-get update -q >/dev/null
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

build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc -DHOPVOX_WERROR="${HOPVOX_WERROR:-OFF}" >/dev/null
  cmake --build "$BUILD/native"
}

# The test tree; it builds the program tree (hopvox.exe, roger.exe) and the
# download (build/package/hopvox-1.6.zip) too.
build_windows() {
  cmake -S "$ROOT" -B "$BUILD/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DHOPVOX_NATIVE_DIR="$BUILD/native" -DHOPVOX_PACKAGE_DIR="$BUILD/package" \
        -DHOPVOX_WERROR="${HOPVOX_WERROR:-OFF}" >/dev/null
  cmake --build "$BUILD/windows"
}

# Only the program tree, as the test tree configures it: what running needs.
build_program() {
  cmake -S "$ROOT" -B "$BUILD/windows/program" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686-win32.cmake" -DHOPVOX_PROGRAM_ONLY=ON \
        -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$BUILD/windows" >/dev/null
  cmake --build "$BUILD/windows/program"
}

# The Wine prefix in build/ (or the one named), made once: 32-bit, quiet,
# with Wine's fonts (or title-bar buttons draw as letters).
prepare_prefix() {
  export WINEPREFIX="${1:-$BUILD/wineprefix}" WINEARCH=win32 WINEDEBUG=-all
  # No sound card here: without the ALSA driver sounds fail at once and quietly.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv=d"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}

# A private Xvfb display and Wine prefix; stop_headless undoes both.
start_headless() {
  local n=${HOPVOX_DISPLAY:-77}
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  prepare_prefix
  # One warm server for the whole run, or every Wine start waits for a new one.
  wineserver -k 2>/dev/null || true
  wineserver -p
  # Start Wine's own services now, with their output going nowhere: started by
  # the first test instead, they would keep ctest's pipes open after it ends.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  # Wine paints the title bars itself (the caption buttons live there) and
  # does not wait for a window manager that is not there (2 s per hidden or
  # destroyed window).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 </dev/null || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
}

stop_headless() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
