# The folder view of a started program: the listed folder in the caption and
# the display box, folders first in descending order, the first ten rows
# numbered; a hand-over lists another folder; no folder gives the drive list.

dir=$(program_folder Nimbrel.exe)
listed="$E2E_TMP/listed"
mkdir -p "$listed/x" "$listed/y" "$listed/other"
for n in a b c d e f g h i j k; do : >"$listed/$n.txt"; done
target=$(win_path "$listed")

start_nimbrel "$dir" "$target"
check "caption shows the folder with its backslash" "$(probe caption)" "$target\\"
check "display box shows the folder" "$(probe text display)" "$target\\"
check "text box is emptied by the scan" "$(probe text text)" ""
rows=$(probe view | cut -f1)
check "folders first, then files, descending" "$(echo "$rows" | head -5 | tr '\n' ' ')" "1.y 2.x 3.other 4.k.txt 5.j.txt "
check "tenth row numbered 0." "$(echo "$rows" | sed -n 10p)" "0.e.txt"
check "rows after the tenth unnumbered" "$(echo "$rows" | sed -n 11p)" "d.txt"
check "all fourteen entries listed" "$(echo "$rows" | wc -l)" "14"

# A second start hands over a sub-folder: it becomes the listed folder.
: >"$listed/x/inner.txt"
(cd "$dir" && timeout "$ONE_SHOT_LIMIT" wine ./Nimbrel.exe "$target\\x" >/dev/null 2>&1)
check_true "hand-over lists the sub-folder" wait_until 5 test "$(probe view | cut -f1)" == "1.inner.txt"
check "display box follows the hand-over" "$(probe text display)" "$target\\x\\"
end_wine

# No command line and no remembered folder: the drive list.
dir2=$(program_folder Nimbrel.exe)
start_nimbrel "$dir2"
first=$(probe view | cut -f1 | head -1)
check_true "drive list rows are numbered roots" grep -qE '^1\.[A-Z]:\\$' <<<"$first"
check "caption stays Nimbrel" "$(probe caption)" "Nimbrel"
end_wine
e2e_done
