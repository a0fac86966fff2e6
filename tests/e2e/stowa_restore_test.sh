# stowa's restore: every backup generation rebuilt as a whole copy of the
# program folder below rstr, the closing message, and which arguments
# restore.
source "$(dirname "${BASH_SOURCE[0]}")/stowa_lib.sh"

message="メッセージ|OK|復元が終了しました。|"

# After one pass: restore generation 1 is the folder at that pass without
# the list file; generations 2 to 5 are empty.
dir=$(stowa_folder)
printf 'one\n' > "$dir/data.txt"
mkdir -p "$dir/memo/deep"
printf 'a\n' > "$dir/memo/a.txt"
printf 'b\n' > "$dir/memo/deep/b.txt"
stowa_run "$dir"
image_pass1=$(stowa_image "$dir")
stowa_restore "$dir"
check "restore shows its closing message with the caption メッセージ" "$restore_dialog" "$message"
check "restore exits 0" "$restore_code" "0"
check "after one pass restore generation 1 is the folder at that pass" "$(stowa_image "$dir/rstr/1")" "$image_pass1"
check "restore generation 1 has no list file" "$(ls "$dir/rstr/1/stowa.txt" 2>/dev/null)" ""
check "restore generations 2 to 5 are empty" \
  "$(stowa_tree "$dir/rstr/2")|$(stowa_tree "$dir/rstr/3")|$(stowa_tree "$dir/rstr/4")|$(stowa_tree "$dir/rstr/5")" "|||"
check "the backup generations are only read" "$(stowa_tree "$dir/stowa/1")|$(stowa_tree "$dir/stowa/2")" \
  "data.txt memo/ memo/a.txt memo/deep/ memo/deep/b.txt stowa.exe stowa.txt |"

# A change, an addition and a deletion between two passes, then a third
# pass after another addition: each restore generation is the folder as it
# was at its pass.
printf 'two, longer\n' > "$dir/data.txt"
printf 'new\n' > "$dir/added.txt"
rm -r "$dir/memo/deep"
stowa_run "$dir"
image_pass2=$(stowa_image "$dir")
stowa_restore "$dir"
check "after a change restore generation 1 holds the newer data.txt, generation 2 the older" \
  "$(cat "$dir/rstr/1/data.txt")|$(cat "$dir/rstr/2/data.txt")" "two, longer|one"
check "a file added between two passes is in restore generation 1 only" \
  "$(ls "$dir/rstr/1/added.txt" 2>/dev/null)|$(ls "$dir/rstr/2/added.txt" 2>/dev/null)" "$dir/rstr/1/added.txt|"
check "a folder removed between two passes is in restore generation 2 only" \
  "$(ls -d "$dir/rstr/1/memo/deep" 2>/dev/null)|$(cat "$dir/rstr/2/memo/deep/b.txt")" "|b"
check "after two passes the restore generations are the two states" \
  "$(stowa_image "$dir/rstr/1")|$(stowa_image "$dir/rstr/2")" "$image_pass2|$image_pass1"
printf 'later\n' > "$dir/later.txt"
stowa_run "$dir"
image_pass3=$(stowa_image "$dir")
stowa_restore "$dir"
check "restore after three passes shows the message" "$restore_dialog" "$message"
check "restore generation 1 is the folder at the last pass" "$(stowa_image "$dir/rstr/1")" "$image_pass3"
check "restore generation 2 is the folder one pass earlier" "$(stowa_image "$dir/rstr/2")" "$image_pass2"
check "restore generation 3 is the folder at the first pass" "$(stowa_image "$dir/rstr/3")" "$image_pass1"
check "restore generation 1 holds the newer data.txt, generation 3 the older" \
  "$(cat "$dir/rstr/1/data.txt")|$(cat "$dir/rstr/3/data.txt")" "two, longer|one"
check "a file added between passes is only in the later generations" \
  "$(ls "$dir/rstr/1/added.txt" "$dir/rstr/2/added.txt" "$dir/rstr/3/added.txt" 2>/dev/null | wc -l)" "2"
check "restore generations 4 and 5 are empty" "$(stowa_tree "$dir/rstr/4")|$(stowa_tree "$dir/rstr/5")" "|"

# A second restore starts from an empty restore folder.
printf 'stale\n' > "$dir/rstr/stale.txt"
mkdir -p "$dir/rstr/2/extra"
stowa_restore "$dir" '%22-r%22'
check "-r inside double quotes restores" "$restore_dialog|$restore_code" "$message|0"
check "the old restore folder is gone" "$(ls "$dir/rstr")" "$(printf '1\n2\n3\n4\n5')"
check "a restore into an old restore folder gives the same generations" \
  "$(stowa_image "$dir/rstr/2")" "$image_pass2"
end_wine

# A restore with no backups at all: there is nothing to copy, so the restore
# folder stays empty; the closing message still comes.
dir=$(stowa_folder)
printf 'one\n' > "$dir/data.txt"
stowa_restore "$dir"
check "restore without backups still shows the message" "$restore_dialog|$restore_code" "$message|0"
check "restore without backups leaves an empty restore folder" "$(stowa_tree "$dir/rstr")" ""
check "restore without backups makes no backup folder" "$(ls -d "$dir/stowa" 2>/dev/null)" ""
end_wine
