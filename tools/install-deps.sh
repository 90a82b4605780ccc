#!/usr/bin/env bash
# Installs the Debian packages the build, the tests or the benchmarks need,
# only those that are missing, so that a second run costs nothing.
# Usage: tools/install-deps.sh [build|test|bench]...
set -euo pipefail

build=(build-essential cmake ninja-build libfltk1.3-dev python3)
test=(libgtest-dev googletest xvfb xauth xdotool x11-utils g++-mingw-w64-x86-64 wine wine64
      imagemagick locales)
bench=(libbenchmark-dev libxdamage-dev xvfb x11-utils)

wanted=("${build[@]}")
for set in "$@"; do
  case "$set" in
    build) ;;
    test) wanted+=("${test[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    *) echo "install-deps: unknown set '$set'" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}" </dev/null
