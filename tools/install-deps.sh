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

missing=()
for entry in "${NEEDED[@]}"; do
  read -r probe package <<<"$entry"
  is_present "$probe" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

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
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
