#!/usr/bin/env bash
# The release zip made by scripts/package.sh, checked without running it: SHA256SUMS matches;
# the zip holds exactly the exe, an empty Menu folder, the guide and the licence; the exe is
# stripped, a Windows GUI program for this tree's architecture that needs no DLL but the
# system's own. The zip stays in <build-dir>/release for the test that unpacks and starts it.
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
contents=$(python3 -c 'import sys, zipfile; print(" ".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$out/$zip")
[ "$contents" = "LICENSE Menu/ tamarind.exe user-guide.md" ] || fail "the zip holds: $contents"

unpacked="$out/unpacked"
python3 -m zipfile -e "$out/$zip" "$unpacked"
[ -d "$unpacked/Menu" ] && [ -z "$(ls -A "$unpacked/Menu")" ] || fail "no empty Menu folder unpacked"
cmp -s "$unpacked/tamarind.exe" "$exe" && fail "the zipped exe is not stripped"

headers=$("$objdump" -p "$unpacked/tamarind.exe")
declare -A format=([32]=pei-i386 [64]=pei-x86-64)
grep -q "file format ${format[$bits]}\$" <<<"$headers" || fail "the exe is not ${format[$bits]}: $(grep 'file format' <<<"$headers")"
grep -q $'^Subsystem\t\t00000002' <<<"$headers" || fail "the exe is no Windows GUI program: $(grep ^Subsystem <<<"$headers")"
# The C++ runtime is linked in: no libstdc++, libgcc or winpthread DLL beside the exe.
system_dlls='advapi32|comctl32|comdlg32|gdi32|kernel32|msimg32|msvcrt|ole32|shell32|user32|version|shlwapi'
foreign=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -viE "^($system_dlls)\.dll\$" || true)
[ -z "$foreign" ] || fail "the exe needs DLLs Windows does not have: $foreign"
echo "PASS"
