#!/usr/bin/env bash
# Installs the system packages that the build and the tests need; with the
# argument "demo", only what building the module and saori-run needs.
#
# Each entry below pairs a command (or file) that proves a package is present
# with the Debian package that provides it. Only what is missing is installed,
# and the package lists are refreshed only when something is missing, so a
# second run on a prepared machine returns at once. A package named with an
# architecture (wine32:i386) first needs that architecture added to dpkg.
set -euo pipefail

# "command-or-absolute-path package" pairs: first what the build needs...
BUILD_NEEDS=(
  "cmake                        cmake"
  "make                         make"
  "g++                          g++"
)

# ... then what the tests, benchmarks and release archives need besides.
TEST_NEEDS=(
  "/usr/include/gtest/gtest.h   libgtest-dev"
  "/usr/include/gmock/gmock.h   libgmock-dev"
  "/usr/include/benchmark/benchmark.h libbenchmark-dev"
  "python3                      python3"
  "git                          git"
  "zip                          zip"
  "unzip                        unzip"
  "i686-w64-mingw32-g++-win32   g++-mingw-w64-i686"
  "x86_64-w64-mingw32-g++-win32 g++-mingw-w64-x86-64"
  "x86_64-w64-mingw32-objdump   binutils-mingw-w64-x86-64"
  "i686-w64-mingw32-objdump     binutils-mingw-w64-i686"
  "/usr/lib/wine/wine64         wine64"
  "/usr/lib/wine/wine           wine32:i386"
  "clang++-14                   clang-14"
  "/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a libclang-rt-14-dev"
  "chromium                     chromium"
  "node                         nodejs"
  "wasm-ld-14                   lld-14"
  "/usr/lib/wasm32-wasi/libc.a  wasi-libc"
  "/usr/lib/wasm32-wasi/libc++.a libc++-14-dev-wasm32"
  "/usr/lib/wasm32-wasi/libc++abi.a libc++abi-14-dev-wasm32"
  "/usr/lib/llvm-14/lib/clang/14.0.6/lib/wasi/libclang_rt.builtins-wasm32.a libclang-rt-14-dev-wasm32"
)

is_present() {
  case "$1" in
    /*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null 2>&1 ;;
  esac
}

NEEDED=("${BUILD_NEEDS[@]}")
case "${1:-}" in
  "") NEEDED+=("${TEST_NEEDS[@]}") ;;
  demo) ;;
  *) echo "install-deps: unknown argument '$1' (expected nothing or 'demo')" >&2; exit 2 ;;
esac

# Sets `missing` to the packages whose probe is absent.
find_missing() {
  missing=()
  local entry probe package
  for entry in "${NEEDED[@]}"; do
    read -r probe package <<<"$entry"
    is_present "$probe" || missing+=("$package")
  done
}

find_missing

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# Another apt run (an unattended upgrade, a second checkout's script) may
# hold the lock for a while; wait for it rather than fail.
APT=($SUDO apt-get -o DPkg::Lock::Timeout=600)

echo "install-deps: installing ${missing[*]}"
for package in "${missing[@]}"; do
  case "$package" in
    *:*)
      arch="${package##*:}"
      if [ "$arch" != "$(dpkg --print-architecture)" ] &&
        ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
        $SUDO dpkg --add-architecture "$arch"
      fi
      ;;
  esac
done

# A mirror in the middle of a sync can fail one index ("File has unexpected
# size") for an hour while every other index is fine. Try a few times, then
# go on with the lists apt has and say which index is missing.
update_package_lists() {
  local attempt log failed
  log=$(mktemp)
  for attempt in 1 2 3; do
    if "${APT[@]}" update -qq >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    [ "$attempt" -lt 3 ] && sleep $((attempt * 10))
  done
  failed=$(sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' "$log" | sort -u)
  echo "install-deps: 'apt-get update' failed 3 times; going on with the package lists apt has." >&2
  if [ -n "$failed" ]; then
    echo "install-deps: these indexes could not be fetched:" >&2
    sed 's/^/  /' <<<"$failed" >&2
  else
    sed 's/^/  /' "$log" >&2
  fi
  rm -f "$log"
}

install_packages() {
  "${APT[@]}" install -y --no-install-recommends "$@"
}

update_package_lists
if ! install_packages "${missing[@]}"; then
  # With one architecture's index of the security suite missing, the amd64
  # and i386 halves of a Multi-Arch: same pair (wine64 and wine32:i386)
  # resolve to different versions. Preferring the release's main suite for
  # this one command gives both the same version.
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  if [ -z "$codename" ]; then
    echo "install-deps: the install failed, and /etc/os-release names no release to prefer" >&2
    exit 1
  fi
  echo "install-deps: the install failed; trying once more with the main suite '$codename' preferred," \
    "so that both architectures of each package get the same version" >&2
  install_packages -t "$codename" "${missing[@]}" || true
fi

find_missing
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: still missing after the install: ${missing[*]}" >&2
  echo "install-deps: install them by hand (apt-get install ...) and run this again" >&2
  exit 1
fi
echo "install-deps: everything is installed"
