# A save killed at any moment leaves data.txt and bookmark.txt either wholly
# old or wholly new: the program is started with "timelimit" 0 on a long
# history and killed after delays spread over its start, load and save.

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
}

# The files as a complete save leaves them, and how long a whole run takes.
reset_files
start=$(date +%s.%N)
(cd "$dir" && timeout 120 wine ./Nimbrel.exe >/dev/null 2>&1)
run=$(echo "$(date +%s.%N) - $start" | bc)
new_data=$(md5sum <"$dir/data.txt")
new_bookmark=$(md5sum <"$dir/bookmark.txt")
old_data=$(md5sum <"$dir/old-data.txt")
old_bookmark=$(md5sum <"$dir/old-bookmark.txt")
check "a complete save changes both files" "$([ "$new_data" != "$old_data" ] && [ "$new_bookmark" != "$old_bookmark" ] && echo changed)" "changed"

whole=0; olds=0; news=0; torn=0
# Kills spread over the run, most of them near its end, where the save is.
for fraction in 0.2 0.5 0.7 0.8 0.85 0.9 0.93 0.96 0.98 1.0; do
  delay=$(echo "$run * $fraction" | bc)
  reset_files
  (cd "$dir" && exec wine ./Nimbrel.exe >/dev/null 2>&1) &
  pid=$!
  sleep "$delay"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  d=$(md5sum <"$dir/data.txt"); b=$(md5sum <"$dir/bookmark.txt")
  if { [ "$d" == "$old_data" ] || [ "$d" == "$new_data" ]; } && { [ "$b" == "$old_bookmark" ] || [ "$b" == "$new_bookmark" ]; }; then
    whole=$((whole + 1))
  fi
  # A temporary file left behind shows a kill in the middle of a write.
  [ -f "$dir/data.txt.tmp" ] || [ -f "$dir/bookmark.txt.tmp" ] && torn=$((torn + 1))
  rm -f "$dir"/*.tmp
  [ "$d" == "$old_data" ] && olds=$((olds + 1))
  [ "$d" == "$new_data" ] && news=$((news + 1))
done
echo "  a whole run took $run s; killed runs: data.txt old $olds times, new $news times; killed during a write $torn times"
check "every killed run left each file wholly old or wholly new" "$whole" "10"
end_wine
