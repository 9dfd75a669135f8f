#!/usr/bin/env bash
# Installs what is missing, builds, creates a program folder when there is none, and
# runs the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
folder=${KOVRAL_PROGRAM_FOLDER:-$root/build/program}
if [ ! -e "$folder/setting.mdb" ]; then
  "$root/build/tools/setup/kovral-setup" "$folder"
fi
echo "The program folder is $folder; the program window comes with the main window."
