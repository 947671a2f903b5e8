#!/usr/bin/env bash
# Builds the release archives that ghost authors download:
#
#   bash tools/package.sh [--no-install] [OUTPUT_DIR]
#
# leaves in OUTPUT_DIR (default: dist/)
#   zef-VERSION-win32.zip         zef.dll (32-bit), readme.txt, LICENSE, sample/,
#                                 playground.html
#   zef-VERSION-linux-x86_64.tar.gz  zef.so, zef.dll (a hard link to zef.so),
#                                 readme.txt, LICENSE, sample/, playground.html
#
# The version is the project version of CMakeLists.txt. readme.txt and the
# samples are written in UTF-8 with LF under package/; the archives carry them
# in Shift_JIS with CR LF, as authors on Windows expect. Each archive's comment
# (the zip comment, and the gzip header's comment) names the commit and the
# toolchain. File times are the commit's time, so the same commit gives the
# same archives.
#
# The 32-bit DLL is built in BUILD_ROOT/win32, zef.so in BUILD_ROOT/demo and
# playground.html (the module in WebAssembly, in one page) in BUILD_ROOT/wasm
# (the presets' trees under build/, or under ZEF_PACKAGE_BUILD_ROOT when that is
# set), so existing builds are reused. Installs the build tools first unless
# --no-install is given.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" = "--no-install" ]; then shift; else bash "$source_dir/tools/install-deps.sh"; fi
output_dir="$(realpath -m "${1:-$source_dir/dist}")"
build_root="${ZEF_PACKAGE_BUILD_ROOT:-$source_dir/build}"

cd "$source_dir"
version="$(sed -n 's/^project(zef VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "package: no project version in CMakeLists.txt" >&2; exit 1; }

# The commit, marked "-dirty" when the tree differs from it.
commit="unknown"
epoch="$(date +%s)"
if git rev-parse --git-dir >/dev/null 2>&1; then
  commit="$(git rev-parse --short=12 HEAD)"
  if [ -n "$(git status --porcelain)" ]; then commit="$commit-dirty"; fi
  epoch="$(git log -1 --format=%ct)"
fi

# build PRESET TREE [TARGET]: builds TARGET (the module) in TREE with PRESET's settings.
build() {
  cmake --preset "$1" -B "$2" >/dev/null
  cmake --build "$2" -j"$(nproc)" --target "${3:-zef}" >/dev/null
}

# toolchain TREE: the compiler that TREE was configured with, as it names itself.
toolchain() {
  local compiler
  compiler="$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake | head -n1)"
  echo "$("$compiler" --version | head -n1), CMake $(cmake --version | sed -n '1s/^cmake version //p')"
}

# Text files go out in Shift_JIS with CR LF; iconv refuses any character that
# Shift_JIS lacks.
to_shift_jis() {
  iconv -f UTF-8 -t SHIFT_JIS "$1" | sed 's/$/\r/' >"$2"
}

# stage DIR: readme.txt, LICENSE, playground.html and sample/ into DIR.
stage() {
  mkdir -p "$1"
  to_shift_jis package/readme.txt "$1/readme.txt"
  cp LICENSE "$1/LICENSE"
  cp "$wasm_tree/playground.html" "$1/playground.html"
  (cd package && find sample -type f) | while read -r file; do
    mkdir -p "$1/$(dirname "$file")"
    case "$file" in
      *.txt | *.dic) to_shift_jis "package/$file" "$1/$file" ;;
      *) cp "package/$file" "$1/$file" ;;
    esac
  done
}

win32_tree="$build_root/win32"
linux_tree="$build_root/demo"
wasm_tree="$build_root/wasm"
build win32 "$win32_tree"
build demo "$linux_tree"
build wasm "$wasm_tree" playground

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$output_dir"
export TZ=UTC

# The zip: flat, as SAORI modules ship; its comment shows in any unzip tool.
name="zef-$version-win32"
stage "$work/$name"
cp "$win32_tree/zef.dll" "$work/$name/zef.dll"
find "$work/$name" -exec touch -h -d "@$epoch" {} +
rm -f "$output_dir/$name.zip"
(cd "$work/$name" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | zip -X -q -D "$output_dir/$name.zip" -@)
printf 'zef %s for 32-bit Windows\ncommit %s\nbuilt with %s\n' \
  "$version" "$commit" "$(toolchain "$win32_tree")" | zip -q -z "$output_dir/$name.zip"

# The tar.gz: one top folder, as Unix archives go. The comment goes into the
# gzip header (FLG.FCOMMENT), in front of the deflate stream that gzip made.
name="zef-$version-linux-x86_64"
stage "$work/$name"
cp "$linux_tree/zef.so" "$work/$name/zef.so"
ln "$work/$name/zef.so" "$work/$name/zef.dll"
find "$work/$name" -exec touch -h -d "@$epoch" {} +
comment="zef $version for Linux x86-64; commit $commit; built with $(toolchain "$linux_tree")"
tar --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$epoch" --format=gnu \
  -C "$work" -cf "$work/$name.tar" "$name"
{
  printf '\037\213\010\020\000\000\000\000\002\003'
  printf '%s\0' "$comment"
  gzip -9 -n -c "$work/$name.tar" | tail -c +11
} >"$output_dir/$name.tar.gz"

for archive in "$output_dir/zef-$version-win32.zip" "$output_dir/$name.tar.gz"; do
  echo "package: $archive ($(stat -c %s "$archive") bytes)"
done
