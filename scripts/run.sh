#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
echo "Kovral is built in $root/build; the program window comes with the main window."
