# A save killed at any moment leaves data.txt and bookmark.txt either wholly
# old or wholly new: the program is started with "timelimit" 0 on a long
# history and killed after delays spread over its start, load and save.
# At least one kill has to land inside a write (a temporary file left
# behind), or the test has shown nothing about the save; the save lasts a
# few milliseconds, so when no timed kill hits it, runs follow that are
# killed the moment their temporary file appears, up to five of them.

dir=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir/stowa.exe"
mkdir -p "$dir/recent"
# Every line twice, so that the saved file (duplicates dropped) differs.
seq 1 150000 | awk '{ printf "C:\\history\\folder %d\\file.txt\r\nC:\\history\\folder %d\\file.txt\r\n", $1, $1 }' >"$dir/old-data.txt"
printf 'C:\\b1\r\nC:\\b2\r\n' >"$dir/old-bookmark.txt"
printf '[etc]\r\ntimelimit=0\r\nbackup=19990101\r\n' >"$dir/old-ini"

reset_files() {
  cp "$dir/old-data.txt" "$dir/data.txt"
  cp "$dir/old-bookmark.txt" "$dir/bookmark.txt"
  cp "$dir/old-ini" "$dir/Nimbrel.ini"
  rm -f "$dir"/*.tmp
}

tmp_present() { [ -e "$dir/data.txt.tmp" ] || [ -e "$dir/bookmark.txt.tmp" ]; }

# A pause of about a millisecond without starting a process: a read with a
# time limit from a pipe that never gets data.
mkfifo "$dir/never"
exec {never_fd}<>"$dir/never"
pause() { read -r -t 0.001 -u "$never_fd"; }

# run_watched KILL: runs the program to its end, noting when a temporary
# file of the save is first and last seen (seconds after the start, in
# seen_from and seen_to); with KILL "kill" it kills the program the moment
# one is seen.
run_watched() {
  local start=$EPOCHREALTIME first="" last="" program_pid=""
  (cd "$dir" && exec timeout --foreground "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe >/dev/null 2>&1) &
  local limit_pid=$!
  while kill -0 "$limit_pid" 2>/dev/null; do
    # The process of the program is the one child of its time limit; it is
    # looked up early, as the save lasts only milliseconds.
    [ "$1" == kill ] && [ -z "$program_pid" ] && program_pid=$(pgrep -P "$limit_pid")
    if tmp_present; then
      last=$EPOCHREALTIME; [ -z "$first" ] && first=$last
      if [ "$1" == kill ] && [ -n "$program_pid" ]; then
        kill -9 "$program_pid"
        break
      fi
    fi
    pause
  done
  wait "$limit_pid" 2>/dev/null
  run=$(echo "$EPOCHREALTIME - $start" | bc)
  seen_from=${first:+$(echo "$first - $start" | bc)}
  seen_to=${last:+$(echo "$last - $start" | bc)}
}

# The files as a complete save leaves them, and how long a whole run takes.
reset_files
run_watched watch
new_data=$(md5sum <"$dir/data.txt")
new_bookmark=$(md5sum <"$dir/bookmark.txt")
old_data=$(md5sum <"$dir/old-data.txt")
old_bookmark=$(md5sum <"$dir/old-bookmark.txt")
check "a complete save changes both files" "$([ "$new_data" != "$old_data" ] && [ "$new_bookmark" != "$old_bookmark" ] && echo changed)" "changed"
echo "  a whole run took $run s; a temporary file was there from ${seen_from:-(never)} to ${seen_to:-(never)} s"
whole_run=$run

kills=0; whole=0; olds=0; news=0; torn=0
# after_kill: the files left by a run meant to be killed, counted.
after_kill() {
  end_wine
  kills=$((kills + 1))
  local d b
  d=$(md5sum <"$dir/data.txt"); b=$(md5sum <"$dir/bookmark.txt")
  if { [ "$d" == "$old_data" ] || [ "$d" == "$new_data" ]; } && { [ "$b" == "$old_bookmark" ] || [ "$b" == "$new_bookmark" ]; }; then
    whole=$((whole + 1))
  fi
  [ "$d" == "$old_data" ] && olds=$((olds + 1))
  [ "$d" == "$new_data" ] && news=$((news + 1))
  # A temporary file left behind shows a kill in the middle of a write.
  if tmp_present; then torn=$((torn + 1)); fi
}

# Kills spread over the run, most of them near its end, where the save is.
for fraction in 0.2 0.5 0.7 0.8 0.85 0.9 0.93 0.96 0.98 1.0; do
  reset_files
  (cd "$dir" && timeout --foreground -s KILL "$(echo "$whole_run * $fraction" | bc)" wine ./Nimbrel.exe >/dev/null 2>&1)
  after_kill
done
timed_torn=$torn
tries=0
while [ "$torn" -eq 0 ] && [ "$tries" -lt 5 ]; do
  reset_files
  run_watched kill
  after_kill
  tries=$((tries + 1))
done
echo "  $kills runs with a kill: data.txt old $olds times, new $news times; killed during a write $torn times" \
  "($timed_torn of them by a timed kill, then $tries kills on sight of a temporary file)"
check "every killed run left each file wholly old or wholly new" "$whole" "$kills"
check_true "at least one kill landed inside a write" test "$torn" -gt 0
exec {never_fd}<&-
end_wine
