# Shared by the scripts: where the builds and the Wine prefix live, and how
# to start Wine with code page 932 and a virtual desktop.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# NIMBREL_BUILD moves every build folder and the Wine prefix elsewhere, so
# that two checkouts or two engineers on one machine do not share them.
build_root="${NIMBREL_BUILD:-$root/build}"
build_native="$build_root/native"
build_win="$build_root/win"
export WINEPREFIX="${WINEPREFIX:-$build_root/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko install prompts
export LC_ALL=ja_JP.UTF-8
jobs=$(nproc 2>/dev/null || echo 2)

# Makes the Wine prefix once: Japanese code page from the locale, and one
# shared virtual desktop so that every process of the prefix sees the
# others' windows and the desktop manages focus without a window manager.
# Every step has a time limit; a prefix that did not come up is not marked
# ready, so the next call tries again.
wine_prefix_init() {
  if [ -f "$WINEPREFIX/.nimbrel-ready" ]; then return 0; fi
  mkdir -p "$WINEPREFIX"
  timeout 300 wineboot -i >/dev/null 2>&1 || true
  timeout 120 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
    timeout 120 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1000x700 /f >/dev/null 2>&1 ||
    { echo "wine_prefix_init: the desktop settings could not be written" >&2; return 1; }
  timeout 120 wineserver -w || { echo "wine_prefix_init: Wine did not end" >&2; return 1; }
  touch "$WINEPREFIX/.nimbrel-ready"
}

# Ends every process of the prefix and waits for Wine to close its files.
end_wine() {
  timeout 30 wineserver -k 2>/dev/null || true
  timeout 60 wineserver -w 2>/dev/null || true
}

build_native_tree() {
  cmake -S "$root" -B "$build_native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$build_native" -j "$jobs" -- --no-print-directory >/dev/null
}

build_win_tree() {
  cmake -S "$root" -B "$build_win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build_win" -j "$jobs" -- --no-print-directory >/dev/null
}

# Starts an Xvfb of our own on a free display number and exports DISPLAY.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
      xvfb_pid=$!
      export DISPLAY=":$n"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
      echo "Xvfb did not start on :$n" >&2
      return 1
    fi
  done
  return 1
}

stop_xvfb() {
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
