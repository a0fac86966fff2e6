# The real program with a fixture of all five data files, today's history
# file and a settings file: with "timelimit" 0 it loads, saves and ends by
# itself with code 0, and every file comes back in its format; the first
# save of the day starts stowa.exe, a later one the same day does not; with
# "timelimit" 3 and no input it ends after about 3 seconds.

dir=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir/stowa.exe"
today=$(date +%Y%m%d)
mkdir -p "$dir/recent"

printf 'ed notepad.exe -a b\r\nnoblank\r\ned other\r\n' >"$dir/cmd.txt"
printf 'C:\\a\r\nC:\\doc\\plan.txt\tbudget\nC:\\a\ned\n"C:\\my doc\\x.txt"\tkw\nC:\\bare\t\nC:\\bare\tlater\nC:\\p\n' >"$dir/data.txt"
printf 'ab C:\\x y\nab C:\\other\n' >"$dir/ctrl.txt"
printf 'stamp one\nstamp one\n\xe7\x9b\xae\n' | iconv -f UTF-8 -t CP932 >"$dir/hanko.txt"
printf 'C:\\b1\nD:\\b2\n\nextra 1\nextra 2\n' >"$dir/bookmark.txt"
printf 'C:\\w\trep\nC:\\nokey\nC:\\w\trep\n' >"$dir/recent/$today.txt"
printf '[etc]\r\ntimelimit=0\r\nbackup=19990101\r\nfilterdate=7\r\nfilterdate3=1\r\n[mode]\r\nwhich=2\r\n[filter]\r\nfilter_dir=NULL\r\n' >"$dir/Nimbrel.ini"

(cd "$dir" && timeout "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe >/dev/null 2>&1); code=$?
check "timelimit 0: the program ends by itself with code 0" "$code" "0"

check "data.txt: duplicates dropped, tabs put back, bare entry gave way, command word gone" \
  "$(od -An -c "$dir/data.txt" | tr -s ' \n' ' ')" \
  "$(printf 'C:\\a\nC:\\doc\\plan.txt\tbudget\n"C:\\my doc\\x.txt"\tkw\nC:\\bare\tlater\nC:\\p\n' | od -An -c | tr -s ' \n' ' ')"
check "cmd.txt: first word wins, LF line ends" "$(cat "$dir/cmd.txt")" "$(printf 'ed notepad.exe -a b')"
check "cmd.txt has no CR" "$(tr -cd '\r' <"$dir/cmd.txt" | wc -c)" "0"
check "ctrl.txt: first sequence wins" "$(cat "$dir/ctrl.txt")" 'ab C:\x y'
check "hanko.txt: stamps kept as they were" "$(md5sum <"$dir/hanko.txt")" \
  "$(printf 'stamp one\nstamp one\n\xe7\x9b\xae\n' | iconv -f UTF-8 -t CP932 | md5sum)"
check "bookmark.txt: both sections byte for byte" "$(md5sum <"$dir/bookmark.txt")" \
  "$(printf 'C:\\b1\nD:\\b2\n\nextra 1\nextra 2\n' | md5sum)"
check "today's history: a repeated pair moved to the end, a line without tab gained one" \
  "$(od -An -c "$dir/recent/$today.txt" | tr -s ' \n' ' ')" \
  "$(printf 'C:\\nokey\t\nC:\\w\trep\n' | od -An -c | tr -s ' \n' ' ')"
check "no temporary file is left" "$(ls "$dir" "$dir/recent" | grep -c '\.tmp$')" "0"

ini() { tr -d '\r' <"$dir/Nimbrel.ini" | grep -a "^$1=" | head -1 | cut -d= -f2-; }
check "timelimit 0 saved as 5" "$(ini timelimit)" "5"
check "which 2 saved as 1" "$(ini which)" "1"
check "filter_dir NULL is kept" "$(ini filter_dir)" "NULL"
check "filter_file written empty by the repair" "$(tr -d '\r' <"$dir/Nimbrel.ini" | grep -ac '^filter_file=$')" "1"
check "filterdate and its direction kept" "$(ini filterdate)/$(ini filterdate3)/$(ini filterdate2)" "7/1/-2"
check "backup date is today" "$(ini backup)" "$today"
check_true "first save of the day started stowa.exe" wait_until 10 test -f "$dir/stowa-started.txt"
sleep 1
check "stowa.exe started once" "$(tr -d '\r' <"$dir/stowa-started.txt" | grep -c '^started:')" "1"
check "stowa.exe started without parameters" "$(tr -d '\r' <"$dir/stowa-started.txt" | grep -ic 'stowa\.exe"\? *$')" "1"

# Second run the same day, idle limit 3: ends after about 3 seconds and
# does not start stowa again.
sed -i 's/^timelimit=5/timelimit=3/' "$dir/Nimbrel.ini"
start=$(date +%s.%N)
(cd "$dir" && timeout "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe >/dev/null 2>&1); code=$?
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
check "timelimit 3: ends by itself with code 0" "$code" "0"
check_true "timelimit 3: ended after 3 to 15 seconds ($elapsed s)" \
  bash -c "(( \$(echo '$elapsed >= 3' | bc) && \$(echo '$elapsed < 15' | bc) ))"
sleep 2
check "second save the same day did not start stowa.exe" "$(tr -d '\r' <"$dir/stowa-started.txt" | grep -c '^started:')" "1"
check "data.txt unchanged by the second run" "$(head -1 "$dir/data.txt" | od -An -c | tr -s ' \n' ' ')" "$(printf 'C:\\a\n' | od -An -c | tr -s ' \n' ' ')"
end_wine
