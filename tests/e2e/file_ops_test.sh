# Acting on files with the real program: a filtered copy pasted in another
# folder copies only the file shown; F3 in the list box, "新規", the keyword
# dialog (a screenshot is kept under the build folder), OK, and Ctrl+S
# writes the keyword into data.txt.

dir=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir/stowa.exe"
listed="$E2E_TMP/ops-listed"
dest="$E2E_TMP/ops-dest"
mkdir -p "$listed" "$dest"
printf 'a' >"$listed/alpha.txt"
printf 'b' >"$listed/beta.txt"
target=$(win_path "$listed")
dest_win=$(win_path "$dest")
today=$(date +%Y%m%d)
printf '[path]\r\nNowDir=%s\\*\r\n[etc]\r\nbackup=%s\r\n' "$target" "$today" >"$dir/Nimbrel.ini"
printf '%s\\alpha.txt\n' "$target" >"$dir/data.txt"
rows() { probe view | cut -f1 | tr '\n' ' '; }
dialog_shown() { probe dialog | grep -q 'キーワード登録'; }

start_nimbrel "$dir"
click_control text
xdotool type --delay 120 "alp"
check_true "the filter shows the one file" wait_until 5 test "$(rows)" == "1.alpha.txt "
xdotool key ctrl+c
check "status shows the copy" "$(probe status 1)" "copy:$target\\alpha.txt"
xdotool key Escape
xdotool type --delay 60 "$dest_win"
xdotool key Return
check_true "Enter on the typed folder lists it" wait_until 5 test "$(probe text display)" == "$dest_win\\"
xdotool key ctrl+v
check_true "only the filtered file is copied" wait_until 10 test -f "$dest/alpha.txt"
check_true "the other file is not" test ! -e "$dest/beta.txt"
check_true "the source stays" test -f "$listed/alpha.txt"
end_wine

dir2=$(program_folder Nimbrel.exe)
cp "$BUILD_WIN/stowa_marker.exe" "$dir2/stowa.exe"
printf '[path]\r\nNowDir=%s\\*\r\n[etc]\r\nbackup=%s\r\n' "$target" "$today" >"$dir2/Nimbrel.ini"
printf '%s\\alpha.txt\n' "$target" >"$dir2/data.txt"
start_nimbrel "$dir2"
click_control text
xdotool key Up   # its release moves the focus to the list box's last entry
sleep 0.5
xdotool key F3
sleep 0.5
xdotool key Down Return   # "新規"
check_true "the keyword dialog is shown" wait_until 10 dialog_shown
shot="$BUILD_WIN/e2e-keyword-dialog.png"
timeout 20 import -window root "$shot" 2>/dev/null
check_true "the dialog was captured" test -s "$shot"
check "its buttons" "$(probe dialog | grep -E '^(OK|ｷｬﾝｾﾙ)$' | tr '\n' ' ')" "OK ｷｬﾝｾﾙ "
xdotool type --delay 80 "money"
xdotool key Return
sleep 0.5
xdotool key ctrl+s
check_true "Ctrl+S writes the keyword into data.txt" wait_until 5 grep -qF "$(printf '%s\\alpha.txt\tmoney' "$target")" "$dir2/data.txt"
end_wine
e2e_done
