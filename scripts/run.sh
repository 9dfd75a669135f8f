#!/usr/bin/env bash
# Installs what is missing, builds, creates a program folder with the sample data when
# there is none, brings the program in it up to date, and runs it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# The program and the setup that makes its folder; the tests build with test.sh.
"$root/scripts/build.sh" kovral kovral-setup
folder=${KOVRAL_PROGRAM_FOLDER:-$root/build/program}
if [ ! -e "$folder/setting.mdb" ]; then
  "$root/build/tools/setup/kovral-setup" "$folder" --sample
fi
# The setup copies the program only into a new folder: replace the copy after every
# build (by renaming, so a running copy keeps its own file).
cp "$root/build/src/ui/kovral" "$folder/kovral.new"
mv -f "$folder/kovral.new" "$folder/kovral"
exec "$folder/kovral"
