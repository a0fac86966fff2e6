# stowa's backup passes on a temporary program folder: the first pass, a
# pass after a change and a deletion, a pass with nothing changed, the
# folders that are left out, and arguments that are not a restore.
source "$(dirname "${BASH_SOURCE[0]}")/stowa_lib.sh"

dir=$(stowa_folder)
printf 'one\n' > "$dir/data.txt"
mkdir "$dir/memo"
printf 'a\n' > "$dir/memo/a.txt"

stowa_run "$dir"; code=$?
check "first pass exits 0" "$code" "0"
check "first pass: generation 1 mirrors the folder" "$(stowa_tree "$dir/stowa/1")" \
  "data.txt memo/ memo/a.txt stowa.exe stowa.txt "
check "first pass: the copies are whole" "$(cat "$dir/stowa/1/data.txt")|$(cat "$dir/stowa/1/memo/a.txt")" "one|a"
check "first pass: list in walk order, a folder after its contents, LF line ends" \
  "$(stowa_bytes "$dir/stowa/1/stowa.txt")" "$(stowa_text_bytes 'data.txt\nmemo\\a.txt\nmemo\\\nstowa.exe\n')"
check "first pass: generation 2 exists and is empty" "$(stowa_tree "$dir/stowa/2")" ""
check "first pass: no older generations" "$(ls "$dir/stowa")" "$(printf '1\n2')"
first_list=$(stowa_bytes "$dir/stowa/1/stowa.txt")

# A change of size and a deletion.
printf 'changed\n' > "$dir/data.txt"
rm "$dir/memo/a.txt"
stowa_run "$dir"; code=$?
check "second pass exits 0" "$code" "0"
check "second pass: generation 1 holds the new data.txt and no memo\\a.txt" \
  "$(stowa_tree "$dir/stowa/1")|$(cat "$dir/stowa/1/data.txt")" \
  "data.txt memo/ stowa.exe stowa.txt |changed"
check "second pass: generation 2 holds the earlier data.txt, memo\\a.txt in memo, the first list" \
  "$(stowa_tree "$dir/stowa/2")|$(cat "$dir/stowa/2/data.txt")|$(cat "$dir/stowa/2/memo/a.txt")" \
  "data.txt memo/ memo/a.txt stowa.txt |one|a"
check "second pass: the first list moved to generation 2 unchanged" "$(stowa_bytes "$dir/stowa/2/stowa.txt")" "$first_list"
check "second pass: generation 1 holds the new list" "$(stowa_bytes "$dir/stowa/1/stowa.txt")" \
  "$(stowa_text_bytes 'data.txt\nmemo\\\nstowa.exe\n')"
check "second pass: the first pass's empty generation 2 became 3" "$(stowa_tree "$dir/stowa/3")" ""

# Nothing changed: generation 1 stays as it was (times included), generation
# 2 holds only the previous list, the older generations move up by one.
state() { (cd "$dir/stowa/1" && find . -mindepth 1 -printf "%P %s %T@ %i %C@\n" | grep -v '^stowa.txt ' | sort); }
before=$(state)
gen2_before=$(stowa_tree "$dir/stowa/2")
stowa_run "$dir"
check "unchanged pass leaves generation 1 as it was" "$(state)" "$before"
check "unchanged pass: generation 2 holds only the previous list" "$(stowa_tree "$dir/stowa/2")" "stowa.txt "
check "unchanged pass: the older generations moved up" "$(stowa_tree "$dir/stowa/3")|$(stowa_tree "$dir/stowa/4")" \
  "$gen2_before|"

# Same size, other time to the second: changed. Same time, other size: changed.
printf 'CHANGED\n' > "$dir/data.txt"
touch -d '2020-01-02 03:04:05' "$dir/data.txt"
stowa_run "$dir"
check "a change of time alone is a change" "$(cat "$dir/stowa/1/data.txt")|$(cat "$dir/stowa/2/data.txt")" \
  "CHANGED|changed"
check "the copy keeps the source's time" "$(stat -c %Y "$dir/stowa/1/data.txt")" "$(stat -c %Y "$dir/data.txt")"

# Five generations at most: after six passes generation 5 is the oldest kept.
stowa_run "$dir"; stowa_run "$dir"
check "never more than five generations" "$(ls "$dir/stowa" | tr '\n' ' ')" "1 2 3 4 5 "
check "the oldest set went away: the earliest data.txt is gone" \
  "$(grep -rl '^one$' "$dir/stowa" | wc -l)" "0"
end_wine

# Left out: folders named exactly stowa or rstr (at any depth) and folders
# whose names contain log in any case; files are never left out. (Stowa and
# stowa cannot share a folder on a file system that ignores case.)
dir=$(stowa_folder)
mkdir -p "$dir/Log" "$dir/blog" "$dir/catalogue" "$dir/sub/stowa" "$dir/sub/rstr" "$dir/sub2/Stowa" "$dir/sub2/RSTR" "$dir/rstr"
for f in log.txt Log/x.txt blog/y.txt catalogue/z.txt sub/stowa/s.txt sub/rstr/r.txt sub/keep.txt sub2/Stowa/k.txt sub2/RSTR/k.txt rstr/old.txt; do
  printf 'x\n' > "$dir/$f"
done
stowa_run "$dir"
check "Log, blog, catalogue, stowa and rstr folders are skipped; log.txt, Stowa and RSTR are kept" \
  "$(stowa_tree "$dir/stowa/1")" \
  "log.txt stowa.exe stowa.txt sub/ sub/keep.txt sub2/ sub2/RSTR/ sub2/RSTR/k.txt sub2/Stowa/ sub2/Stowa/k.txt "
check "the list names only what was backed up" "$(tr '\n' ' ' < "$dir/stowa/1/stowa.txt")" \
  'log.txt stowa.exe sub\keep.txt sub\ sub2\RSTR\k.txt sub2\RSTR\ sub2\Stowa\k.txt sub2\Stowa\ sub2\ '
end_wine

# -R and "-r " (with a blank) are not the restore argument: they back up.
dir=$(stowa_folder)
printf 'one\n' > "$dir/data.txt"
stowa_run "$dir" -R; code=$?
check "-R exits 0" "$code" "0"
check "-R backs up" "$(stowa_tree "$dir/stowa/1")" "data.txt stowa.exe stowa.txt "
stowa_run_raw "$dir" '-r%20'; code=$?
check "-r followed by a blank exits 0" "$code" "0"
stowa_run "$dir" '-r '
check "-r with a blank, unquoted and quoted, backs up: two more passes" "$(ls "$dir/stowa" | tr '\n' ' ')" "1 2 3 4 "
check "no restore ran and no message is open" "$(ls -d "$dir/rstr" 2>/dev/null)|$(probe dialog)" "|"
end_wine
