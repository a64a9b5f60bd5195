#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the program, its content, the
# launcher, the AppStream description, the icons and the licence notices land
# where a desktop looks for them, the files validate, the program is stripped
# with its debug information beside it by build id, and the installed game
# starts from a folder of its own, reaches the main menu and quits cleanly.
set -u
build="$1"
. "$(dirname "$0")/split_debug.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
id=org.vornell.Vornell
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install failed"; }

[ -x "$prefix/bin/vornell" ] || fail "no bin/vornell"
[ -f "$prefix/share/vornell/data/teksty.txt" ] || fail "no content in share/vornell"
[ ! -e "$prefix/share/vornell/.generated" ] || fail "the build's stamp was installed"
# The languages, without the tests' pseudo-language or the build's stamps.
for code in de es fr it pl pt_BR ru; do
  [ -f "$prefix/share/vornell/lang/$code/data/teksty.txt" ] || fail "no $code in share/vornell/lang"
  [ ! -e "$prefix/share/vornell/lang/$code/.built" ] || fail "the build's stamp of $code was installed"
done
[ ! -e "$prefix/share/vornell/lang/pseudo" ] || fail "the pseudo-language was installed"

# Stripped, the debug information where debuggers look for it by build id;
# the build tree keeps its own.
check_stripped "$prefix/bin/vornell" || fail "the installed program keeps its debug information"
check_debug_file "$prefix/bin/vornell" "$prefix/lib/debug" || fail "no matching debug file"
has_section "$build/vornell" .debug_info || fail "installing stripped the build tree's program"
# The manifest names every file installed (it is how they are removed again).
find "$prefix" -type f | sort >"$work/found"
sort -u "$build/install_manifest.txt" >"$work/manifest"
unlisted=$(comm -23 "$work/found" "$work/manifest")
[ -z "$unlisted" ] || fail "installed but not in install_manifest.txt: $unlisted"

[ -f "$prefix/share/man/man6/vornell.6" ] || fail "no manual page in share/man/man6"
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/vornell.6" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "the manual page has faults: $man_warnings"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the .desktop file does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
  { cat "$work/as.log"; fail "the metainfo does not validate"; }
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}px icon is $dims"
done

# The licence notices: a machine-readable copyright file with a paragraph for
# each font the game ships and the text of every licence it names, and the
# full LGPL that OpenAL Soft's licence asks to accompany the game.
doc="$prefix/share/doc/vornell"
[ -f "$doc/copyright" ] || fail "no share/doc/vornell/copyright"
head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
grep -q "GNU LIBRARY GENERAL PUBLIC LICENSE" "$doc/LGPL-2" 2>/dev/null || fail "no LGPL-2 text beside the notices"
for font in "$prefix"/share/vornell/fonts/*; do
  grep -qx "Files: share/vornell/fonts/$(basename "$font")" "$doc/copyright" ||
    fail "the font $(basename "$font") has no paragraph in the copyright file"
done
# A licence named by a Files paragraph without its text there needs a
# paragraph of its own.
missing=$(awk 'BEGIN { RS = ""; FS = "\n" }
  $1 ~ /^License:/ { sub(/^License: */, "", $1); have[$1] = 1; next }
  $1 ~ /^Files:/ {
    for (i = 1; i <= NF; ++i)
      if ($i ~ /^License:/ && !(i < NF && $(i + 1) ~ /^ /)) {
        l = $i; sub(/^License: */, "", l); gsub(/[(),]/, " ", l)
        n = split(l, names, / +/)
        for (k = 1; k <= n; ++k) if (names[k] != "" && names[k] != "and" && names[k] != "or") want[names[k]] = 1
      }
  }
  END { for (w in want) if (!(w in have)) print w }' "$doc/copyright")
[ -z "$missing" ] || fail "licences without their text in the copyright file: $missing"

# Played from elsewhere, with its saves in a folder of their own.
mkdir -p "$work/elsewhere" "$work/save"
printf 'wait 3000\nkey Space\nwait 3000\ntype Ada\nwait 500\nkey Return\nwait 2000\nclose\n' >"$work/script.txt"
(cd "$work/elsewhere" && SDL_VIDEODRIVER=offscreen VORNELL_CLOCK=virtual VORNELL_SEED=1 ALSOFT_DRIVERS=null \
   VORNELL_INPUT="$work/script.txt" VORNELL_SAVE_DIR="$work/save" timeout 120 "$prefix/bin/vornell") \
  >"$work/game.log" 2>&1
status=$?
[ "$status" -eq 0 ] || { cat "$work/game.log"; fail "the installed game ended with status $status"; }
grep -q "MAIN MENU" "$work/game.log" || { cat "$work/game.log"; fail "the installed game did not reach the main menu"; }
grep -q "Ada" "$work/save/profile1.dat" 2>/dev/null || fail "the installed game did not save its player"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"

# Without its content the program says so instead of starting blind.
cp "$prefix/bin/vornell" "$work/lonely"
(cd "$work/elsewhere" && "$work/lonely") >"$work/lonely.log" 2>&1 && fail "a program without content started"
grep -q "data folder" "$work/lonely.log" || fail "no message about the missing data folder"
echo "install checks passed"
