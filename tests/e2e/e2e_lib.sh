# Sourced by every end-to-end test (tests/e2e/*_test.sh). run.sh has started
# Xvfb and the Wine prefix and exported BUILD_WIN (the cross build folder)
# and E2E_TMP (a temporary root removed afterwards).
#
# Every Wine call runs under `timeout`, so that a stray modal box fails one
# check instead of hanging the run: short calls (the probe, a second start,
# a stowa pass) get ONE_SHOT_LIMIT seconds, a program started in the
# background for a whole test PROGRAM_LIMIT.
set -u
# The shared helpers (end_wine among them) and the Wine settings.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
ONE_SHOT_LIMIT=120
PROGRAM_LIMIT=600

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
  timeout "$ONE_SHOT_LIMIT" wine "$BUILD_WIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'
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
  timeout "$ONE_SHOT_LIMIT" winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# start_nimbrel DIR [ARGS...]: starts Nimbrel from DIR in the background and
# waits for its window. nimbrel_pid is the process of its time limit.
start_nimbrel() {
  local dir=$1; shift
  (cd "$dir" && exec timeout "$PROGRAM_LIMIT" wine ./Nimbrel.exe "$@" >/dev/null 2>&1) &
  nimbrel_pid=$!
  probe wait 30 >/dev/null
}

# wait_for_end: waits up to 30 s for the program of start_nimbrel to end and
# sets end_code to its exit code; one still running then is killed (137).
wait_for_end() {
  timeout 30 tail --pid="$nimbrel_pid" -f /dev/null
  kill -9 "$nimbrel_pid" 2>/dev/null
  wait "$nimbrel_pid"; end_code=$?
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
