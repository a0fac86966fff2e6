# A folder of 20,000 files: the start lists it (the scan asks every 3,000
# entries whether to go on, answered Yes), a typed letter narrows the folder
# view, the probe reads the numbered rows from another process, and Enter
# opens the first row through the real shell.

dir=$(program_folder Nimbrel.exe)
big="$E2E_TMP/large-folder"
mkdir -p "$big"
for i in $(seq -w 0 9999); do
  : >"$big/b$i.txt"
  : >"$big/報告$i.txt"
done
# Entries stand in descending byte order, so with "b" typed this program is
# the first row. It records its start in stowa-started.txt beside itself.
cp "$BUILD_WIN/stowa_marker.exe" "$big/bz.exe"
target=$(win_path "$big")
today=$(date +%Y%m%d)

(cd "$dir" && exec timeout "$PROGRAM_LIMIT" wine ./Nimbrel.exe "$target" >/dev/null 2>&1) &
nimbrel_pid=$!
# The window shows first and then scans the folder of its command line, so
# the questions come after it is visible: wait for the rows, not the window.
listed=no
for _ in $(seq 1 120); do
  probe dialog-ok
  if probe wait 1 && [ "$(probe rows)" == 20001 ] && [ -z "$(probe dialog)" ]; then listed=yes; break; fi
done
check "once the scan's questions are answered every entry is a row" "$listed" "yes"
check "the first rows are numbered" "$(probe view 3 | cut -f1 | tr '\n' ' ')" "1.報告9999.txt 2.報告9998.txt 3.報告9997.txt "
click_control text
xdotool type --delay 150 "b"
check_true "a typed letter narrows the view" wait_until 10 test "$(probe rows)" == "10001"
check "the probe reads the numbered rows" "$(probe view 3 | cut -f1 | tr '\n' ' ')" "1.bz.exe 2.b9999.txt 3.b9998.txt "
check "the eleventh row has no number" "$(probe view 11 | tail -1 | cut -f1)" "b9990.txt"
xdotool key Return
wait_for_end
check "Enter opened the first row and the program ended with code 0" "$end_code" "0"
check_true "the shell ran the first row's program" wait_until 10 test -f "$big/stowa-started.txt"
check "the day's log holds it" "$(cat "$dir/Nimbrellog/$today.log" 2>/dev/null)" "$target\\bz.exe"
end_wine
