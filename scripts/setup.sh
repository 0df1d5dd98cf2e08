#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what ZYL needs on Debian (when missing), then configures and
# builds it in build/.
#   scripts/setup.sh run   what running needs: the packages to build the two
#                          programs, and only the programs
#   scripts/setup.sh test  also what testing needs, and every test and
#                          benchmark
# Usage: scripts/setup.sh run|test [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
case "$mode" in
    run | test) shift ;;
    *) echo "Usage: scripts/setup.sh run|test [extra cmake arguments]" >&2; exit 2 ;;
esac

# One package a line, so that lists changed side by side merge cleanly.
run_packages=(
    cmake
    ninja-build
    g++
    pkg-config
    qt6-base-dev
    qt6-svg-dev
    libicu-dev
    libgl-dev
    fonts-liberation
)
test_packages=(
    libgtest-dev
    libbenchmark-dev
    xvfb
    xauth
    openbox
    xdotool
    x11-utils
    dbus
    at-spi2-core
    python3-pyatspi
    qt6-base-private-dev
    clang
    libclang-rt-14-dev
    desktop-file-utils
    appstream
    man-db
    mandoc
    dpkg-dev
    binutils
    lintian
    poppler-utils
    texlive-latex-base
    mame-tools
    iverilog
)
packages=("${run_packages[@]}")
[ "$mode" = test ] && packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" = 0 ]; then
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo apt-get update -qq && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Please install the missing packages first:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [ "$mode" = run ]; then
    # A new build folder leaves the tests and benchmarks out; one that
    # scripts/test.sh has set up keeps them. Either way only the two
    # programs are built.
    if [ ! -f build/CMakeCache.txt ]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYL_BUILD_TESTS=OFF -DZYL_BUILD_BENCH=OFF \
              "$@" >/dev/null
    fi
    ninja -C build -j "$jobs" zyl zyl-minimize
else
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYL_BUILD_TESTS=ON -DZYL_BUILD_BENCH=ON \
          "$@" >/dev/null
    ninja -C build -j "$jobs"
fi
