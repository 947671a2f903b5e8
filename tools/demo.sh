#!/usr/bin/env bash
# Builds the module and saori-run, then runs saori-run (with no arguments:
# the built-in demo session). Arguments are passed on to saori-run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

cd "$root"
cmake --preset demo >/dev/null
cmake --build --preset demo -j"$(nproc)" >/dev/null
exec "$root/build/demo/saori-run" "$@"
