# stowa writes below F\stowa and F\rstr and nowhere else: the whole tree of
# a temporary root around the program folder is the same before and after
# each of several passes and a restore. The root holds its own stowa and
# rstr folders, which a path taken relative to the current directory (the
# root, here) would hit.
source "$(dirname "${BASH_SOURCE[0]}")/stowa_lib.sh"

root=$(mktemp -d "$E2E_TMP/audit.XXXXXX")
mkdir -p "$root/stowa/5" "$root/stowa/1" "$root/rstr/1" "$root/other" "$root/prog/memo" "$root/prog/Nimbrellog" \
  "$root/prog/表" "$root/prog/ソフト"
cp "$BUILD_WIN/stowa.exe" "$root/prog/"
printf 'keep\n' > "$root/stowa/5/keep.txt"
printf 'keep\n' > "$root/stowa/1/stowa.txt"
printf 'keep\n' > "$root/rstr/1/keep.txt"
printf 'x\n' > "$root/other/x.txt"
printf 'one\n' > "$root/prog/data.txt"
printf 'a\n' > "$root/prog/memo/a.txt"
printf 'log\n' > "$root/prog/Nimbrellog/20260101.log"
printf 'hyo\n' > "$root/prog/表/ソ.txt"
printf 'soft\n' > "$root/prog/ソフト/表.txt"
printf 'ro\n' > "$root/prog/ro.txt"
chmod a-w "$root/prog/ro.txt"

# Files with size, time, mode and checksum; folders with their mode. Folder
# times are left out: making F\stowa and F\rstr touches F's own time.
audit() {
  (cd "$root" && find . \( -path ./prog/stowa -o -path ./prog/rstr \) -prune -o \
     \( -type d -printf 'd %p %m\n' \) -o \( -type f -printf 'f %p %s %T@ %m ' -exec md5sum {} \; \) | LC_ALL=C sort)
}
run_in_root() {
  (cd "$root" && timeout "$ONE_SHOT_LIMIT" wine "$root/prog/stowa.exe" "$@" >/dev/null 2>&1)
}
audited() {
  local name=$1; shift
  local before; before=$(audit)
  "$@"
  check "$name: nothing outside F\\stowa and F\\rstr changed" "$(audit)" "$before"
}

audited "first pass" run_in_root
check "first pass backed up the Japanese names" "$(stowa_tree "$root/prog/stowa/1" | tr ' ' '\n' | grep -c '[表ソ]')" "4"
printf 'changed!\n' > "$root/prog/data.txt"
rm "$root/prog/memo/a.txt" "$root/prog/表/ソ.txt"
printf 'new\n' > "$root/prog/new.txt"
chmod u+w "$root/prog/ro.txt"; printf 'ro, changed\n' > "$root/prog/ro.txt"; chmod a-w "$root/prog/ro.txt"
audited "pass after changes" run_in_root
check "the removed Japanese name went to generation 2" "$(cat "$root/prog/stowa/2/表/ソ.txt")" "hyo"
check "the read-only file's earlier copy went to generation 2" "$(cat "$root/prog/stowa/2/ro.txt")" "ro"
audited "unchanged pass" run_in_root
audited "restore" stowa_restore "$root/prog"
check "the restore ran" "$restore_code|$(cat "$root/prog/rstr/3/表/ソ.txt")" "0|hyo"
audited "restore over an earlier restore" stowa_restore "$root/prog"
for n in 1 2 3 4; do audited "pass $n after the restore" run_in_root; done
check "the generation with the read-only copy went away in the rotation" \
  "$(grep -rlx --include=ro.txt ro "$root/prog/stowa" | wc -l)|$(cat "$root/prog/stowa/1/ro.txt")" "0|ro, changed"
audited "restore after a full rotation" stowa_restore "$root/prog"
check "the root's own stowa and rstr folders are whole" \
  "$(cat "$root/stowa/5/keep.txt" "$root/stowa/1/stowa.txt" "$root/rstr/1/keep.txt" | tr '\n' ' ')" "keep keep keep "
chmod -R u+w "$root"
end_wine
