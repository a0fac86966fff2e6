# Nimbrel starts stowa at its first save of a day: the backup folder with
# generation 1 appears beside Nimbrel.exe. The second save of that day does
# not start it again.
source "$(dirname "${BASH_SOURCE[0]}")/stowa_lib.sh"

close_nimbrel() {
  timeout "$ONE_SHOT_LIMIT" wine "$BUILD_WIN/stowa_close.exe" >/dev/null 2>&1
}

dir=$(program_folder Nimbrel.exe stowa.exe)
start_nimbrel "$dir"
close_nimbrel; code=$?
check "the first run's window closes" "$code" "0"
check_true "the first save of the day makes a backup beside Nimbrel.exe" \
  wait_until 60 test -f "$dir/stowa/1/stowa.txt"
sleep 2   # let the pass finish its cleanup walk
check "generation 1 holds Nimbrel.exe and stowa.exe" \
  "$(cmp -s "$dir/Nimbrel.exe" "$dir/stowa/1/Nimbrel.exe" && cmp -s "$dir/stowa.exe" "$dir/stowa/1/stowa.exe" && echo yes)" "yes"
check "the list names the program files" "$(grep -cx -e 'Nimbrel.exe' -e 'stowa.exe' "$dir/stowa/1/stowa.txt")" "2"
check "the day of the backup is remembered" "$(grep -c "^backup=$(date +%Y%m%d)" "$dir/Nimbrel.ini")" "1"
list_time=$(stat -c %Y.%i "$dir/stowa/1/stowa.txt")

start_nimbrel "$dir"
close_nimbrel; code=$?
check "the second run's window closes" "$code" "0"
sleep 5
check "the second save of the day does not run stowa again" \
  "$(ls "$dir/stowa" | tr '\n' ' ')|$(stat -c %Y.%i "$dir/stowa/1/stowa.txt")" "1 2 |$list_time"
end_wine
