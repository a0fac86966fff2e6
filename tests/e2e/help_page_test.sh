# The help page that F1 opens: Shift-JIS that decodes without loss, declared
# as such where a browser looks for it, self-contained, covering the function
# keys and the files, and placed by the cross build beside Nimbrel.exe.
# Needs no Wine: it reads the source and the build folder.
src_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
page="$src_root/help/help.html"
work=$(mktemp -d "$E2E_TMP/help.XXXXXX")
text="$work/help.utf8"

check_true "the page decodes as CP932" iconv -f CP932 -t UTF-8 "$page" -o "$text"
check "the page encodes back to the same bytes" \
  "$(iconv -f UTF-8 -t CP932 "$text" | cmp -s - "$page" && echo same)" "same"
# A page saved as UTF-8 by mistake also decodes as CP932, but into other kanji.
check "the Japanese title reads back" "$(grep -c '<title>Nimbrel ヘルプ</title>' "$text")" "1"
# Browsers honour a charset declaration only within the first 1024 bytes.
check "Shift_JIS is declared within the first 1024 bytes" \
  "$(head -c 1024 "$page" | grep -ci '<meta charset="Shift_JIS">')" "1"

check "nothing is loaded from outside and nothing runs" \
  "$(grep -ioE '<script|<link|<img|<iframe|src=|@import|url\(|href="[a-z]+:' "$text" | sort -u | tr '\n' ' ')" ""

missing=""
for id in $(grep -o 'href="#[^"]*"' "$text" | sed 's/^href="#//; s/"$//' | sort -u); do
  grep -q "id=\"$id\"" "$text" || missing+="$id "
done
check "every link of the page leads to an anchor on it" "$missing" ""

missing=""
for n in $(seq 1 12); do
  grep -qP "F$n(?![0-9])" "$text" || missing+="F$n "
done
check "every function key is described" "$missing" ""

missing=""
for name in data.txt cmd.txt ctrl.txt hanko.txt bookmark.txt Nimbrel.ini 'stowa -r'; do
  grep -qF "$name" "$text" || missing+="$name "
done
check "every data file, the settings file and the restore are described" "$missing" ""

# The build puts in the project's version where the page holds its placeholder.
version=$(sed -n 's/^project(Nimbrel VERSION \([0-9.]*\).*/\1/p' "$src_root/CMakeLists.txt")
check "the page holds the version placeholder once" "$(LC_ALL=C grep -c '@NIMBREL_VERSION@' "$page")" "1"
check "the cross build puts the page with its version beside Nimbrel.exe" \
  "$(test -f "$BUILD_WIN/Nimbrel.exe" && sed "s/@NIMBREL_VERSION@/$version/" "$page" | cmp -s - "$BUILD_WIN/help/help.html" && echo yes)" "yes"
