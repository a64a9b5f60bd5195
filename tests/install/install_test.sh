#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the program, its content, the
# launcher, the AppStream description and the icons land where a desktop
# looks for them, both files validate, and the installed game starts from a
# folder of its own, reaches the main menu and quits cleanly.
set -u
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
id=org.vornell.Vornell
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install failed"; }

[ -x "$prefix/bin/vornell" ] || fail "no bin/vornell"
[ -f "$prefix/share/vornell/data/teksty.txt" ] || fail "no content in share/vornell"
[ ! -e "$prefix/share/vornell/.generated" ] || fail "the build's stamp was installed"
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
