#!/usr/bin/env bash
# Makes the release: Release builds of tamarind.exe for 64- and 32-bit Windows, each zipped with
# an empty Menu folder, the user guide and the licence in one folder tamarind-<version>/, into
# dist/, with SHA256SUMS beside them.
#
#   scripts/package.sh                                   both zips into dist/
#   scripts/package.sh --only win64 --build-dir B --out D   one zip from an existing tree
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/dist"
only=""
build_dir=""
while [ $# -gt 0 ]; do
  case "$1" in
    --only) only=$2; shift 2 ;;
    --build-dir) build_dir=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--only win64|win32] [--build-dir DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done
case "$only" in "" | win64 | win32) ;; *) echo "--only takes win64 or win32" >&2; exit 2 ;; esac
if [ -n "$build_dir" ] && [ -z "$only" ]; then
  echo "--build-dir needs --only: a build tree holds one architecture" >&2
  exit 2
fi

# win64 and win32: the preset and the tools' prefix of each.
declare -A preset=([win64]=windows-x64 [win32]=windows-i686)
declare -A tools=([win64]=x86_64-w64-mingw32 [win32]=i686-w64-mingw32)
arches=(win64 win32)
[ -n "$only" ] && arches=("$only")

if [ -z "$build_dir" ]; then
  "$root/scripts/install-deps.sh"
fi
mkdir -p "$out"
made=()
for arch in "${arches[@]}"; do
  build=${build_dir:-$root/build/${preset[$arch]}}
  if [ -z "$build_dir" ]; then
    cmake --preset "${preset[$arch]}" -S "$root" >/dev/null
  fi
  grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" || {
    echo "$build is not a Release build" >&2
    exit 1
  }
  cmake --build "$build" --target tamarind --parallel 2
  # The version as project() states it, read back from the configured tree.
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  [ -n "$version" ] || { echo "no project version in $build" >&2; exit 1; }

  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  # One top-level folder: "Extract here" in Downloads must not put the exe among other
  # downloads, whose DLLs it could otherwise pick up.
  folder="tamarind-$version"
  mkdir -p "$stage/$folder/Menu"
  cp "$build/bin/tamarind.exe" "$root/LICENSE" "$root/docs/user-guide.md" "$stage/$folder/"
  cp -r "$root/docs/images" "$stage/$folder/"
  "${tools[$arch]}-strip" --strip-all "$stage/$folder/tamarind.exe"
  zip="$folder-$arch.zip"
  rm -f "$out/$zip"
  (cd "$stage" && cmake -E tar cf "$out/$zip" --format=zip -- "$folder")
  rm -rf "$stage"
  trap - EXIT
  made+=("$zip")
  echo "made $out/$zip"
done
(cd "$out" && sha256sum "${made[@]}" > SHA256SUMS)
echo "made $out/SHA256SUMS"
