#!/bin/sh
# Makes docs/preview.png, the picture in the README: the demo session's talk
# (request 3) as `saori-run --preview` draws it, shot by headless Chromium.
# Japanese text needs a Japanese font (Debian: fonts-vlgothic).
# usage: tools/preview-picture.sh [BUILD_DIRECTORY]   (default: build/dev)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/dev}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/saori-run" --preview "$work/demo.html"
chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
  --disable-background-networking --disable-component-update \
  --disable-sync --no-first-run --user-data-dir="$work/profile" --hide-scrollbars --window-size=1000,1060 \
  --screenshot="$PWD/docs/preview.png" "file://$work/demo.html#request-3" 2>/dev/null
echo "wrote docs/preview.png"
