#!/usr/bin/env bash
# Configures and builds Zampora into build/ (or $ZAMPORA_BUILD_DIR).
#   scripts/build.sh [--target NAME]... [CMAKE_OPTION]...
# builds only the named targets (everything when none is named); the other
# arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ZAMPORA_BUILD_DIR:-build}
targets=()
options=()
while [ $# -gt 0 ]; do
    case $1 in
        --target) targets+=(--target "$2"); shift 2 ;;
        *) options+=("$1"); shift ;;
    esac
done
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build_dir" "${targets[@]}"
