#!/usr/bin/env bash
# Configures and builds Chronel in ./build (or the folder CHRONEL_BUILD_DIR names): every
# target, or only the targets named as arguments (scripts/run.sh builds the programs
# alone). CHRONEL_WERROR=ON turns compiler warnings into errors, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${CHRONEL_BUILD_DIR:-build}
launcher=()
# A compiler cache, where one is installed, makes rebuilds of other checkouts quick.
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCHRONEL_WERROR="${CHRONEL_WERROR:-OFF}"
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" -j2 "${targets[@]}"
