#!/bin/sh
# Opens saori-run's demo preview in headless Chromium: the page must load
# without console errors and show one figure per request and choice of the session.
# Skipped (exit 77) when Chromium is missing, unless CI=true.
# usage: preview_in_chromium.sh SAORI_RUN WORK_DIRECTORY
set -eu
saori_run=$1
work=$2

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  if [ "${CI:-}" = true ]; then
    echo "chromium is missing; tools/install-deps.sh installs it"
    exit 1
  fi
  echo "chromium is missing: skipped"
  exit 77
fi

mkdir -p "$work"
page=$work/demo.html
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT

"$saori_run" --preview "$page"
requests=$("$saori_run" --state | grep -cE '^== (request|choice) ')

"$browser" --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
  --disable-background-networking --disable-component-update \
  --disable-sync --no-first-run --user-data-dir="$profile" --enable-logging=stderr --v=0 \
  --dump-dom "file://$page" >"$work/dom.html" 2>"$work/chromium.log"

figures=$(grep -o '<figure' "$work/dom.html" | wc -l)
pictures=$(grep -o '<svg xmlns="http://www.w3.org/2000/svg" class="desktop"' "$work/dom.html" | wc -l)
echo "requests: $requests, figures: $figures, pictures: $pictures"
status=0
if [ "$figures" -ne "$requests" ] || [ "$pictures" -ne "$requests" ]; then
  echo "expected one figure with one picture per request"
  status=1
fi
if grep -q ':CONSOLE' "$work/chromium.log"; then
  echo "the page wrote to the console:"
  grep ':CONSOLE' "$work/chromium.log"
  status=1
fi
exit $status
