#!/usr/bin/env bash
# The program folder a restaurant receives. Installed into a prefix and packed into the archive it
# holds the program, the password store, the manual, the desktop entry and the icons, and nothing
# of the build; unpacked into a folder the program starts from there and shows the password
# window; the desktop entry script points the user's menu at that folder.
#
#   tst_package.sh BUILD_DIR CMAKE CPACK VERSION
set -euo pipefail
build=$1 cmake=$2 cpack=$3 version=$4

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tst_package.XXXXXX")
pid=
cleanup() {
  if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

command -v desktop-file-validate >/dev/null ||
  fail "desktop-file-validate is missing (scripts/install-deps.sh installs desktop-file-utils)"

expected="brisvola
brisvola.desktop
Guida.pdf
icons/hicolor/128x128/apps/brisvola.png
icons/hicolor/16x16/apps/brisvola.png
icons/hicolor/22x22/apps/brisvola.png
icons/hicolor/24x24/apps/brisvola.png
icons/hicolor/256x256/apps/brisvola.png
icons/hicolor/32x32/apps/brisvola.png
icons/hicolor/48x48/apps/brisvola.png
icons/hicolor/64x64/apps/brisvola.png
icons/hicolor/scalable/apps/brisvola.svg
install-desktop-entry.sh
unins000.dll"

# Width and height of a PNG, from its header.
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
  echo "${w}x${h}"
}

check_folder() { # FOLDER WHAT
  local folder=$1 what=$2 actual
  actual=$(cd "$folder" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
  diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual") >&2 ||
    fail "$what: not the files of the program folder (< missing, > not wanted)"
  [ -x "$folder/brisvola" ] || fail "$what: brisvola is not executable"
  [ -x "$folder/install-desktop-entry.sh" ] || fail "$what: install-desktop-entry.sh is not executable"
  cmp -s "$folder/unins000.dll" "$build/bin/unins000.dll" ||
    fail "$what: unins000.dll is not the password store of the build"
  cmp -s "$folder/Guida.pdf" "$build/bin/Guida.pdf" || fail "$what: Guida.pdf is not the manual of the build"
  if readelf -d "$folder/brisvola" | grep -E 'RPATH|RUNPATH' | grep -qF "$build"; then
    fail "$what: the program still looks for libraries in the build folder"
  fi
  local png size
  for png in "$folder"/icons/hicolor/*x*/apps/brisvola.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$what: $png is not a PNG"
    [ "$(png_size "$png")" = "$size" ] || fail "$what: $png is $(png_size "$png"), not $size"
  done
  desktop-file-validate "$folder/brisvola.desktop" >&2 || fail "$what: the desktop entry is not valid"
}

# 1. Installed into a prefix.
"$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
check_folder "$work/prefix" "installed prefix"
grep -q '^Name=Brisvola$' "$work/prefix/brisvola.desktop" || fail "desktop entry: no Name=Brisvola"
grep -q '^Comment=Preventivi per eventi' "$work/prefix/brisvola.desktop" || fail "desktop entry: no Italian comment"
grep -q '^Categories=Office;Finance;$' "$work/prefix/brisvola.desktop" || fail "desktop entry: categories"

# 2. Packed by CPack.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
archive="$work/cpack/brisvola-$version-Linux.tar.gz"
[ -f "$archive" ] || { ls -R "$work/cpack" >&2; fail "no archive brisvola-$version-Linux.tar.gz"; }
top="Brisvola"
if tar -tzf "$archive" | grep -v "^$top/"; then
  fail "the archive holds entries outside its folder $top/"
fi

# 3. Unpacked into a folder whose name has a blank, as a user's may.
mkdir "$work/Programmi ristorante"
tar -xzf "$archive" -C "$work/Programmi ristorante"
folder="$work/Programmi ristorante/$top"
check_folder "$folder" "unpacked archive"
if readelf -S "$folder/brisvola" | grep -q '\.debug_info'; then
  fail "the program in the archive still carries its debugging information"
fi

# 4. Started from there (from another working folder), it shows the password window.
(cd / && exec env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="brisvola.startup.info=true" \
  "$folder/brisvola") >"$work/run.log" 2>&1 &
pid=$!
shown=
for _ in $(seq 1 600); do # at most 60 s
  if grep -q "password window on screen" "$work/run.log"; then
    shown=1
    break
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    rc=0
    wait "$pid" || rc=$?
    pid=
    cat "$work/run.log" >&2
    fail "the unpacked program ended (exit status $rc) before showing the password window"
  fi
  sleep 0.1
done
if [ -z "$shown" ]; then
  cat "$work/run.log" >&2
  fail "the unpacked program showed no password window within 60 s"
fi
kill -0 "$pid" 2>/dev/null || fail "the unpacked program ended right after showing the password window"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# 5. The desktop entry script puts the entry into the user's menu, pointing at that folder.
data="$work/home/.local/share"
HOME="$work/home" XDG_DATA_HOME="$data" "$folder/install-desktop-entry.sh" >"$work/entry.log" 2>&1 ||
  { cat "$work/entry.log" >&2; fail "install-desktop-entry.sh failed"; }
entry="$data/applications/brisvola.desktop"
[ -f "$entry" ] || fail "install-desktop-entry.sh wrote no $entry"
desktop-file-validate "$entry" >&2 || fail "the installed desktop entry is not valid"
grep -qxF "Exec=\"$folder/brisvola\"" "$entry" || { cat "$entry" >&2; fail "Exec does not start the unpacked program"; }
grep -qxF "Path=$folder" "$entry" || { cat "$entry" >&2; fail "Path is not the unpacked folder"; }
grep -qx "Icon=brisvola" "$entry" || fail "the installed entry names no icon brisvola"
for f in 48x48/apps/brisvola.png scalable/apps/brisvola.svg; do
  cmp -s "$data/icons/hicolor/$f" "$folder/icons/hicolor/$f" || fail "icon $f not in the user's icons"
done
echo "PASS"
