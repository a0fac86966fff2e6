# Sourced by every end-to-end test (tests/e2e/*_test.sh). run.sh has started
# Xvfb and the Wine prefix and exported BUILD_WIN (the cross build folder)
# and E2E_TMP (a temporary root removed afterwards).
set -u

e2e_failures=0
e2e_passes=0

# check NAME ACTUAL EXPECTED
check() {
  if [ "$2" == "$3" ]; then
    e2e_passes=$((e2e_passes + 1)); echo "  ok   $1"
  else
    e2e_failures=$((e2e_failures + 1)); echo "  FAIL $1"; echo "       expected: $3"; echo "       actual:   $2"
  fi
}

# check_true NAME COMMAND...: passes when the command succeeds.
check_true() {
  local name=$1; shift
  if "$@"; then check "$name" yes yes; else check "$name" no yes; fi
}

# Runs the window probe; its console output ends lines with CR LF.
probe() {
  wine "$BUILD_WIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'
}

# A fresh program folder under E2E_TMP holding a copy of the given
# executables; prints its Unix path.
program_folder() {
  local dir
  dir=$(mktemp -d "$E2E_TMP/prog.XXXXXX")
  local exe
  for exe in "$@"; do cp "$BUILD_WIN/$exe" "$dir/"; done
  echo "$dir"
}

# The Windows form of a Unix path (Z:\...).
win_path() {
  winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# start_nimbrel DIR [ARGS...]: starts Nimbrel from DIR in the background and
# waits for its window.
start_nimbrel() {
  local dir=$1; shift
  (cd "$dir" && exec wine ./Nimbrel.exe "$@" >/dev/null 2>&1) &
  nimbrel_pid=$!
  probe wait 30 >/dev/null
}

# Ends every process of the prefix (between tests).
end_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# click_control ROLE: clicks the middle of a control (there is no window
# manager, so a click is what gives the window the keyboard focus).
click_control() {
  local x y w h
  read -r x y w h < <(probe rect "$1")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  sleep 0.3
}

# wait_until SECONDS COMMAND...: retries the command every 0.2 s.
wait_until() {
  local tries=$(($1 * 5)); shift
  while [ "$tries" -gt 0 ]; do
    if "$@"; then return 0; fi
    sleep 0.2; tries=$((tries - 1))
  done
  return 1
}

e2e_done() {
  echo "e2e_result $e2e_passes $e2e_failures"
}
