#!/usr/bin/env bash
# Puts Brisvola into the user's applications menu: a desktop entry that starts the program from its
# folder (the unpacked archive), and the program's icon.
#
#   install-desktop-entry.sh [PROGRAM_FOLDER]
#
# PROGRAM_FOLDER defaults to the folder this script is in (the program folder ships a copy).
# Run it again after moving the folder.
set -euo pipefail

folder="${1:-$(dirname "$0")}"
if ! folder="$(cd "$folder" 2>/dev/null && pwd -P)"; then
  echo "install-desktop-entry.sh: no folder ${1:-$(dirname "$0")}" >&2
  exit 1
fi
for f in brisvola brisvola.desktop icons/hicolor/scalable/apps/brisvola.svg; do
  if [ ! -e "$folder/$f" ]; then
    echo "install-desktop-entry.sh: $folder is not a Brisvola program folder (no $f)" >&2
    exit 1
  fi
done
case "$folder" in
  *$'\n'* | *$'\r'*)
    echo "install-desktop-entry.sh: the folder name holds a line break" >&2
    exit 1
    ;;
esac

data="${XDG_DATA_HOME:-$HOME/.local/share}"
mkdir -p "$data/applications" "$data/icons"
cp -R "$folder/icons/hicolor" "$data/icons/"

# Exec: the program's path in double quotes with \ " ` $ escaped, % doubled; then, like every
# value of the file, backslashes doubled. Path: the folder, backslashes doubled.
program="$folder/brisvola"
program="${program//\\/\\\\}"
program="${program//\"/\\\"}"
program="${program//\`/\\\`}"
program="${program//\$/\\\$}"
program="\"$program\""
program="${program//%/%%}"
export BRISVOLA_EXEC="${program//\\/\\\\}"
export BRISVOLA_PATH="${folder//\\/\\\\}"

entry="$data/applications/brisvola.desktop"
awk '/^Exec=/ { print "Exec=" ENVIRON["BRISVOLA_EXEC"]; print "Path=" ENVIRON["BRISVOLA_PATH"]; next }
     /^Path=/ { next }
     { print }' "$folder/brisvola.desktop" >"$entry.new"
mv "$entry.new" "$entry"

# The menus' caches, where the desktop keeps them (a failure leaves the entry in place anyway).
if command -v update-desktop-database >/dev/null; then
  update-desktop-database -q "$data/applications" || true
fi
if command -v gtk-update-icon-cache >/dev/null; then
  gtk-update-icon-cache -q -t "$data/icons/hicolor" || true
fi
echo "Brisvola is in the applications menu: $entry"
