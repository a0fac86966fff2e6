# Helpers of the stowa end-to-end tests (tests/e2e/stowa_*_test.sh), sourced
# after e2e_lib.sh.

# stowa_folder: a fresh program folder holding stowa.exe; prints its path.
stowa_folder() {
  program_folder stowa.exe
}

# stowa_run DIR [ARGUMENT...]: runs DIR/stowa.exe to its end from E2E_TMP
# (never from DIR, so that a path taken relative to the current directory
# would show); returns its exit code.
stowa_run() {
  local dir=$1; shift
  (cd "$E2E_TMP" && timeout "$ONE_SHOT_LIMIT" wine "$dir/stowa.exe" "$@" >/dev/null 2>&1)
}

# stowa_run_raw DIR TAIL: runs DIR/stowa.exe with the exact command line
# tail TAIL (%22 is a double quote, %20 a blank) and returns its exit code.
stowa_run_raw() {
  (cd "$E2E_TMP" && timeout "$ONE_SHOT_LIMIT" wine "$BUILD_WIN/stowa_launch.exe" "$(win_path "$1")\\stowa.exe" "$2" >/dev/null 2>&1)
}

stowa_dialog_up() {
  [ -n "$(probe dialog)" ]
}

# stowa_restore DIR [TAIL]: starts a restore (tail -r unless given) in the
# background, waits for its closing message, keeps the message's caption and
# texts in restore_dialog, presses OK and keeps the exit code in restore_code.
stowa_restore() {
  local dir=$1 tail=${2:--r}
  (cd "$E2E_TMP" && exec timeout "$ONE_SHOT_LIMIT" wine "$BUILD_WIN/stowa_launch.exe" "$(win_path "$dir")\\stowa.exe" "$tail" \
     >/dev/null 2>&1) &
  local pid=$!
  restore_dialog=""
  if wait_until 60 stowa_dialog_up; then
    restore_dialog=$(probe dialog | tr '\n' '|')
    probe dialog-ok
  fi
  wait "$pid"; restore_code=$?
}

# stowa_tree DIR: the relative paths below DIR, folders with a trailing
# slash, sorted, on one line.
stowa_tree() {
  [ -d "$1" ] || { echo "(missing)"; return; }
  (cd "$1" && find . -mindepth 1 \( -type d -printf '%P/\n' \) -o -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')
}

# stowa_image DIR: every file below DIR with its checksum and every folder,
# leaving out the folders stowa and rstr at the top and a list file at the top.
stowa_image() {
  (cd "$1" && find . -mindepth 1 \( -path ./stowa -o -path ./rstr -o -path ./stowa.txt \) -prune -o \
     \( -type d -printf '%P/\n' \) -o \( -type f -exec md5sum {} + \) | sed 's| \./| |' | LC_ALL=C sort)
}

# stowa_bytes FILE: the bytes of a file as hexadecimal text.
stowa_bytes() {
  od -An -tx1 -v "$1" 2>/dev/null | tr -d ' \n'
}

# stowa_text_bytes TEXT...: the bytes of a printf format as hexadecimal text.
stowa_text_bytes() {
  # shellcheck disable=SC2059
  printf "$@" | od -An -tx1 -v | tr -d ' \n'
}
