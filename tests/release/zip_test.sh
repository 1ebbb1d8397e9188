#!/usr/bin/env bash
# The release zip made by scripts/package.sh, checked without running it: SHA256SUMS matches;
# the zip holds one folder tamarind-<version>/ with exactly the exe, an empty Menu folder, the
# guide with its pictures and the licence; the exe is stripped, a Windows GUI program for this tree's architecture
# that imports only DLLs Windows always loads from System32, with its exploit mitigations on.
# The zip stays in <build-dir>/release for the test that unpacks and starts it.
# Usage: zip_test.sh <build-dir> <tamarind.exe> <objdump> <version>
set -euo pipefail
build_dir=$1 exe=$2 objdump=$3 version=$4
root="$(cd "$(dirname "$0")/../.." && pwd)"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

bits=$(sed -n 's/^TAMARIND_WINDOWS_BITS:INTERNAL=//p' "$build_dir/CMakeCache.txt")
zip="tamarind-$version-win$bits.zip"
out="$build_dir/release"
rm -rf "$out"
"$root/scripts/package.sh" --only "win$bits" --build-dir "$build_dir" --out "$out" >/dev/null
[ -f "$out/$zip" ] || fail "package.sh made no $zip"
(cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the zip"
folder="tamarind-$version"
contents=$(python3 -c 'import sys, zipfile; print(" ".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$out/$zip")
pictures=$(cd "$root/docs" && find images -name "*.png" | LC_ALL=C sort)
expected=$(printf "$folder/%s\n" "" LICENSE Menu/ images/ $pictures tamarind.exe user-guide.md | LC_ALL=C sort | tr '\n' ' ')
[ "$contents " = "$expected" ] || fail "the zip holds: $contents"

unpacked="$out/unpacked"
python3 -m zipfile -e "$out/$zip" "$unpacked"
[ "$(ls -A "$unpacked")" = "$folder" ] || fail "the zip unpacks into more than $folder/: $(ls -A "$unpacked")"
unpacked="$unpacked/$folder"
[ -d "$unpacked/Menu" ] && [ -z "$(ls -A "$unpacked/Menu")" ] || fail "no empty Menu folder unpacked"
cmp -s "$unpacked/tamarind.exe" "$exe" && fail "the zipped exe is not stripped"

headers=$("$objdump" -p "$unpacked/tamarind.exe")
declare -A format=([32]=pei-i386 [64]=pei-x86-64)
grep -q "file format ${format[$bits]}\$" <<<"$headers" || fail "the exe is not ${format[$bits]}: $(grep 'file format' <<<"$headers")"
grep -q $'^Subsystem\t\t00000002' <<<"$headers" || fail "the exe is no Windows GUI program: $(grep ^Subsystem <<<"$headers")"

# Only DLLs that Windows always loads from System32 (KnownDLLs, in Windows 7 and later), and
# comctl32, which the manifest binds to its side-by-side version: any other name would be looked
# for beside the exe first. The C++ runtime is linked in.
known_dlls='advapi32|comdlg32|gdi32|imm32|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|ws2_32'
foreign=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -viE "^(($known_dlls|comctl32)\.dll|api-ms-win-.*)\$" || true)
[ -z "$foreign" ] || fail "the exe imports DLLs that could be planted beside it: $foreign"

# ASLR (with high entropy on 64-bit) and DEP, stated in the header...
flags=(DYNAMIC_BASE NX_COMPAT)
[ "$bits" = 64 ] && flags+=(HIGH_ENTROPY_VA)
for flag in "${flags[@]}"; do
  grep -qE "^[[:space:]]+$flag\$" <<<"$headers" || fail "the exe is not marked $flag"
done
# ...and a relocation section that survived strip, without which the exe cannot be moved.
"$objdump" -h "$unpacked/tamarind.exe" | grep -qE '^ +[0-9]+ \.reloc ' || fail "the exe has no .reloc section"
# The stack protector's runtime is linked in, not a libssp DLL.
grep -qa "stack smashing detected" "$unpacked/tamarind.exe" || fail "the exe has no stack protector"
echo "PASS"
