#!/usr/bin/env bash
# Cross-builds zef.dll (and saori-run.exe) for 32-bit and 64-bit Windows.
#
#   bash tools/build-windows.sh [--no-install] [OUTPUT_DIR]
#
# Uses the win32 and win64 presets (MinGW-w64) and copies the results into
# OUTPUT_DIR/win32 and OUTPUT_DIR/win64 (default: build/windows). The 32-bit
# zef.dll is the one that the usual desktop-mascot host loads. Installs the
# cross compilers first unless --no-install is given. The two build trees go
# to the presets' build/win32 and build/win64, or under ZEF_WINDOWS_BUILD_ROOT
# when that is set.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" = "--no-install" ]; then shift; else bash "$source_dir/tools/install-deps.sh"; fi
output_dir="$(realpath -m "${1:-$source_dir/build/windows}")"
build_root="${ZEF_WINDOWS_BUILD_ROOT:-$source_dir/build}"

cd "$source_dir"
for preset in win32 win64; do
  tree="$build_root/$preset"
  cmake --preset "$preset" -B "$tree" >/dev/null
  cmake --build "$tree" -j"$(nproc)" --target zef saori-run
  mkdir -p "$output_dir/$preset"
  cp "$tree/zef.dll" "$tree/saori-run.exe" "$output_dir/$preset/"
done
echo "build-windows: $output_dir/win32/zef.dll and $output_dir/win64/zef.dll"
