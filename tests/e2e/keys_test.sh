# The keyboard of the real program: a digit opens the numbered row and the
# program ends; F10 steps the caption through the modes; the number box's
# day count is saved by Ctrl+S; F1 shows the key summary (a screenshot of it
# is kept under the build folder).

dir=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir/stowa.exe"
listed="$E2E_TMP/keys-listed"
mkdir -p "$listed"
cp "$BUILD_WIN/stowa_marker.exe" "$listed/plan-a.exe"
cp "$BUILD_WIN/stowa_marker.exe" "$listed/plan-b.exe"
: >"$listed/other.txt"
target=$(win_path "$listed")
today=$(date +%Y%m%d)
printf '[path]\r\nNowDir=%s\\*\r\n[etc]\r\nbackup=%s\r\n' "$target" "$today" >"$dir/Nimbrel.ini"
rows() { probe view | cut -f1 | tr '\n' ' '; }
help_shown() { probe dialog | grep -q 'F12:'; }
no_dialog() { [ -z "$(probe dialog)" ]; }

# F10 through the modes, the number box and Ctrl+S, F1.
start_nimbrel "$dir"
click_control text
seen=""
for _ in 1 2 3 4; do
  xdotool key F10
  sleep 0.5
  seen="$seen$(probe caption)|"
done
check "F10 four times steps the caption back to rest" "$seen" "履歴モード|数字入力モード|フォルダサイズ表示モード|Nimbrel|"
click_control number
xdotool type --delay 100 "30"
click_control text
xdotool key ctrl+s
check_true "Ctrl+S writes the day count" wait_until 5 grep -q '^filterdate=30' "$dir/Nimbrel.ini"
xdotool key F1
check_true "F1 shows the key summary" wait_until 10 help_shown
shot="$BUILD_WIN/e2e-help-message.png"
timeout 20 import -window root "$shot" 2>/dev/null
check_true "the help message box was captured" test -s "$shot"
check "the question asks for the page" "$(probe dialog | grep -c 'HTMLヘルプを表示しますか？')" "1"
# "No" closes it without opening the page (the Escape key answers No).
xdotool key Escape
check_true "the message box closes" wait_until 5 no_dialog
end_wine

# The digit flow: type part of a name, press 2, the second row opens.
rm -f "$listed/stowa-started.txt"
dir2=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir2/stowa.exe"
printf '[path]\r\nNowDir=%s\\*\r\n[etc]\r\nbackup=%s\r\n' "$target" "$today" >"$dir2/Nimbrel.ini"
start_nimbrel "$dir2"
click_control text
xdotool type --delay 150 "plan"
check_true "the view narrows to the two plans" wait_until 5 test "$(rows)" == "1.plan-b.exe 2.plan-a.exe "
xdotool type --delay 150 "2"
wait_for_end
check "the program ended with code 0" "$end_code" "0"
check_true "the second row was opened through the shell" wait_until 10 test -f "$listed/stowa-started.txt"
check "data.txt holds it" "$(tr -d '\r' <"$dir2/data.txt")" "$target\\plan-a.exe"
end_wine
e2e_done
