#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kovral in build/: the targets
# named as arguments, or every target (tests and benchmarks too) without any.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build "$root/build" -j "$(nproc)" "${targets[@]}"
