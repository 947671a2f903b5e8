#!/usr/bin/env bash
# Builds the module and saori-run, then runs saori-run (with no arguments:
# the built-in demo session). Arguments are passed on to saori-run. Installs
# the compiler and CMake first where a fresh machine lacks them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

cd "$root"
bash tools/install-deps.sh demo >&2
cmake --preset demo >/dev/null
cmake --build --preset demo -j"$(nproc)" >/dev/null
exec "$root/build/demo/saori-run" "$@"
