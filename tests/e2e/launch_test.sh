# One action and gone: type the start of a file name (the folder view narrows
# on every key), press Enter, and the file opens through the real shell; the
# program logs the open, saves and ends with code 0. A "clip" start opens its
# single match without a window and saves nothing.

dir=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir/stowa.exe"
listed="$E2E_TMP/launch-listed"
mkdir -p "$listed"
: >"$listed/alpha.txt"
: >"$listed/beta.txt"
# The opened target is a small program that records its start in
# stowa-started.txt beside itself.
cp "$BUILD_WIN/stowa_marker.exe" "$listed/alpine.exe"
target=$(win_path "$listed")
today=$(date +%Y%m%d)
printf '[path]\r\nNowDir=%s\\*\r\n[etc]\r\nbackup=%s\r\n' "$target" "$today" >"$dir/Nimbrel.ini"

start_nimbrel "$dir"
rows() { probe view | cut -f1 | tr '\n' ' '; }
check "all entries listed at start" "$(rows)" "1.beta.txt 2.alpine.exe 3.alpha.txt "
click_control text
xdotool type --delay 150 "al"
check_true "two letters narrow to two rows" wait_until 5 test "$(rows)" == "1.alpine.exe 2.alpha.txt "
xdotool type --delay 150 "pi"
check_true "four letters narrow to the one file" wait_until 5 test "$(rows)" == "1.alpine.exe "
xdotool key Return
wait_for_end
check "the program ended with code 0" "$end_code" "0"
check_true "the shell ran the opened program" wait_until 10 test -f "$listed/stowa-started.txt"
check "the day's log holds the line" "$(cat "$dir/Nimbrellog/$today.log")" "$target\\alpine.exe"
check "data.txt holds the opened path" "$(tr -d '\r' <"$dir/data.txt")" "$target\\alpine.exe"
check "Nimbrel.ini holds the folder" "$(tr -d '\r' <"$dir/Nimbrel.ini" | grep '^NowDir=')" "NowDir=$target\\*"
check_true "Nimbrel.ini holds the text" grep -q '^NowTxt=' "$dir/Nimbrel.ini"
end_wine

# "clip": the clipboard text matches one data line, which opens at once.
dir2=$(program_folder Nimbrel.exe)
rm -f "$listed/stowa-started.txt"
printf '%s\\alpine.exe\n%s\\beta.txt\n' "$target" "$target" >"$dir2/data.txt"
cp "$dir2/data.txt" "$E2E_TMP/launch-data-before"
probe set-clipboard "alpine"
(cd "$dir2" && timeout 60 wine ./Nimbrel.exe clip >/dev/null 2>&1); code=$?
check "a clip start with one match ends with code 0" "$code" "0"
check_true "the match was opened" wait_until 10 test -f "$listed/stowa-started.txt"
check "its open is logged" "$(cat "$dir2/Nimbrellog/$today.log" 2>/dev/null)" "$target\\alpine.exe"
check_true "no window was made, so nothing was saved" test ! -e "$dir2/Nimbrel.ini"
check_true "data.txt is untouched" cmp -s "$dir2/data.txt" "$E2E_TMP/launch-data-before"
end_wine
e2e_done
