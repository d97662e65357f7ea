#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the viewer. A machine that already has
# them all does no apt work at all.
set -euo pipefail

packages=(
    # build
    g++ cmake make clang libclang-rt-14-dev freeglut3-dev libglu1-mesa-dev libgtest-dev libbenchmark-dev
    libpng-dev libassimp-dev
    # run and test: a virtual X server, input and screenshots, plots
    xvfb xauth xdotool imagemagick x11-utils gnuplot-nox
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

sudo=()
if ((EUID != 0)); then
    if ! command -v sudo > /dev/null; then
        echo "install-deps: need root (or sudo) to install: ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
