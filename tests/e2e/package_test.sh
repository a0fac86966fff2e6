# The release zip as a user gets it: built by scripts/package from the
# committed tree, unpacked into a fresh folder, started there; its file list,
# its imports (system DLLs only), its version strings and its read-me.

src_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
version=$(sed -n 's/^project(Nimbrel VERSION \([0-9.]*\).*/\1/p' "$src_root/CMakeLists.txt")
out="$E2E_TMP/package-out"
zip_file=$(timeout 900 "$src_root/scripts/package" "$out" 2>&1 | tail -1)
check "scripts/package writes the versioned zip" "$zip_file" "$out/Nimbrel-$version-win64.zip"

listed=$(unzip -Z1 "$zip_file" | sort | tr '\n' ' ')
check "the zip holds the programs, the help, the read-me and the licence only" "$listed" \
  "$(printf '%s\n' LICENSE Nimbrel.exe help/ help/help.html stowa.exe 'はじめにお読みください.txt' | sort | tr '\n' ' ')"

dir="$E2E_TMP/unpacked"
mkdir -p "$dir"
(cd "$dir" && unzip -q "$zip_file")
for exe in Nimbrel.exe stowa.exe; do
  dlls=$(x86_64-w64-mingw32-objdump -p "$dir/$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  foreign=$(grep -vxE 'kernel32\.dll|user32\.dll|gdi32\.dll|shell32\.dll|comctl32\.dll|shlwapi\.dll|imm32\.dll|ole32\.dll|advapi32\.dll|msvcrt\.dll|comdlg32\.dll|api-ms-win-.*\.dll' <<<"$dlls" | tr '\n' ' ')
  check "$exe imports only system DLLs" "$foreign" ""
  check "$exe carries no debug information" "$(x86_64-w64-mingw32-objdump -h "$dir/$exe" | grep -c '\.debug_')" "0"
done

v() { probe version "$(win_path "$dir/$1")" "$2" "${3:-041104B0}"; }
check "Nimbrel.exe: product and version" "$(v Nimbrel.exe ProductName) $(v Nimbrel.exe ProductVersion) $(v Nimbrel.exe FileVersion)" "Nimbrel $version $version"
check "Nimbrel.exe: Japanese description" "$(v Nimbrel.exe FileDescription)" "キーボードで使うランチャー兼ファイルマネージャー"
check "Nimbrel.exe: English description" "$(v Nimbrel.exe FileDescription 040904B0)" "Keyboard launcher and file manager"
check "Nimbrel.exe: original file name" "$(v Nimbrel.exe OriginalFilename)" "Nimbrel.exe"
check "stowa.exe: version and name" "$(v stowa.exe ProductVersion) $(v stowa.exe OriginalFilename)" "$version stowa.exe"
check "stowa.exe: English description" "$(v stowa.exe FileDescription 040904B0)" "Backup and restore for Nimbrel"
check "the help page names the version" "$(iconv -f CP932 -t UTF-8 "$dir/help/help.html" | grep -c "バージョン $version")" "1"

readme="$dir/はじめにお読みください.txt"
check_true "the read-me is Shift-JIS" iconv -f CP932 -t UTF-8 "$readme" -o /dev/null
check "the read-me tells how to restore" "$(iconv -f CP932 -t UTF-8 "$readme" | grep -c 'stowa -r')" "1"
check "every read-me line ends in CR LF" "$(grep -vc $'\r$' "$readme")" "0"

start_nimbrel "$dir"
check "the unpacked program shows its window" "$(probe visible)" "1"
check_true "it makes recent\\ and Nimbrellog\\ beside itself" wait_until 10 test -d "$dir/recent" -a -d "$dir/Nimbrellog"
end_wine
(cd "$dir" && timeout 120 wine ./stowa.exe >/dev/null 2>&1); code=$?
check "stowa.exe runs once and ends with code 0" "$code" "0"
check_true "it made its first backup generation" test -d "$dir/stowa/1"
end_wine
e2e_done
