#!/usr/bin/env bash
# The Debian package `make deb` built: what it holds and where, the
# dependencies dpkg-shlibdeps computed from the program's libraries, the
# debug symbols in vornell-dbgsym, no error from lintian; then, as root,
# installed with dpkg, played from a folder of its own to the main menu and
# purged without leaving a file behind. Not as root: unpacked with
# dpkg-deb -x and played from there.
#
#   deb_test.sh SOURCE_DIR      (the packages in $VORNELL_DEB_DIR, default SOURCE_DIR/build-deb)
set -u
src=$1
dir=${VORNELL_DEB_DIR:-$src/build-deb}
. "$(dirname "$0")/split_debug.sh"
work=$(mktemp -d)
installed_here=0
cleanup() {
  if [ "$installed_here" = 1 ]; then dpkg --purge vornell >/dev/null 2>&1; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
arch=$(dpkg --print-architecture)
deb="$dir/vornell_${version}_${arch}.deb"
dbgsym="$dir/vornell-dbgsym_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $deb: \`make deb\` builds it"
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"

# What it holds, and where.
dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb cannot unpack the package"
root="$work/root"
id=org.vornell.Vornell
for path in usr/games/vornell usr/share/vornell/data/teksty.txt usr/share/vornell/fonts/font.ttf \
            usr/share/vornell/lang/de/data/teksty.txt usr/share/vornell/lang/ru/gfx/gui/buttons/ok.png \
            usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/man/man6/vornell.6.gz usr/share/doc/vornell/copyright usr/share/doc/vornell/changelog.gz; do
  [ -f "$root/$path" ] || fail "the package has no /$path"
done
for size in 16 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "the package has no ${size}px icon"
done
for path in usr/bin usr/lib/debug usr/share/vornell/.generated usr/share/vornell/lang/pseudo \
            usr/share/vornell/lang/de/.built usr/share/doc/vornell/LGPL-2 usr/share/doc/vornell/LGPL-2.gz; do
  [ ! -e "$root/$path" ] || fail "the package holds /$path"
done
# The licence notices are the repository's own, copied at build time.
cmp -s "$root/usr/share/doc/vornell/copyright" "$src/content/doc/copyright" ||
  fail "/usr/share/doc/vornell/copyright differs from content/doc/copyright"
program="$root/usr/games/vornell"
check_stripped "$program" || fail "the packaged program is not stripped"

# Every library the program loads by name comes from a package it depends on.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
owner() {  # the package of a file, whichever of /lib and /usr/lib dpkg knows it by
  local path=$1 alias
  case "$path" in /usr/lib/*) alias=${path#/usr} ;; /lib/*) alias=/usr$path ;; *) alias=$path ;; esac
  { dpkg-query -S "$path" 2>/dev/null || dpkg-query -S "$alias" 2>/dev/null; } | head -1 | cut -d: -f1
}
needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')
[ -n "$needed" ] || fail "the program needs no library: not the program that was built"
for lib in $needed; do
  path=$(ldd "$program" | awk -v lib="$lib" '$1 == lib && $2 == "=>" { print $3 }')
  [ -n "$path" ] || fail "$lib is not found on this system"
  package=$(owner "$path")
  [ -n "$package" ] || fail "no package owns $path ($lib)"
  echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g' | grep -Fqx "$package" ||
    fail "$lib comes from $package, which Depends does not name"
done

# The debug symbols, in vornell-dbgsym by the program's build id.
case " ${DEB_BUILD_OPTIONS:-} " in
  *" noautodbgsym "* | *" nostrip "*) echo "no -dbgsym package asked for (DEB_BUILD_OPTIONS)" ;;
  *)
    [ -f "$dbgsym" ] || fail "no $dbgsym"
    dpkg-deb -x "$dbgsym" "$work/dbgsym" || fail "dpkg-deb cannot unpack the -dbgsym package"
    check_debug_file "$program" "$work/dbgsym/usr/lib/debug" || fail "the -dbgsym package does not match the program"
    ;;
esac

# No error from lintian (its warnings are printed, and explained in the README).
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
status=$?
cat "$work/lintian.log"
[ "$status" -eq 0 ] || fail "lintian found errors (status $status)"

# Started from another folder, with its saves in a folder of its own, it
# reaches the main menu (the first start asks for a name there) and closes.
play() {
  local program=$1
  mkdir -p "$work/elsewhere" "$work/save"
  printf 'waitfor MAIN MENU 60000\nclose\n' >"$work/script.txt"
  (cd "$work/elsewhere" && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
     VORNELL_CLOCK=virtual VORNELL_INPUT="$work/script.txt" VORNELL_SAVE_DIR="$work/save" \
     timeout 120 "$program") >"$work/game.log" 2>&1
  local status=$?
  [ "$status" -eq 0 ] || { cat "$work/game.log"; fail "$program ended with status $status"; }
  grep -q "MAIN MENU" "$work/game.log" || { cat "$work/game.log"; fail "$program did not reach the main menu"; }
  [ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
}

status=$(dpkg-query -W -f='${db:Status-Status}' vornell 2>/dev/null)
if [ "$(id -u)" -ne 0 ] || [ "$status" = installed ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the package is unpacked with dpkg-deb -x into $root, not installed"
  else
    echo "vornell is installed on this system already: left alone, the package is unpacked with dpkg-deb -x into $root"
  fi
  play "$program"
  # What dpkg would remove is the package's list of files: it must be all
  # there is, with no maintainer script that could leave something else.
  dpkg-deb -c "$deb" | sed 's/ -> .*$//' | awk '{ print $6 }' | sed 's|^\./|/|; s|/$||' | grep -v '^$' |
    sort >"$work/listed"
  (cd "$root" && find . -mindepth 1 | sed 's|^\.||' | sort) >"$work/unpacked"
  cmp -s "$work/listed" "$work/unpacked" || fail "the unpacked tree is not the package's list of files"
  dpkg-deb -e "$deb" "$work/control"
  for script in preinst postinst prerm postrm; do
    [ ! -e "$work/control/$script" ] || fail "the package has a $script script: purging it was not checked"
  done
  echo "package checks passed (unpacked, not installed)"
  exit 0
fi

# As root: the dependencies first, with apt-get, then dpkg -i.
missing=()
for dep in $(echo "$depends" | tr ',' '\n' | sed 's/(.*//; s/|.*//; s/[[:space:]]//g'); do
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$dep" 2>/dev/null)" = installed ] || missing+=("$dep")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing the missing dependencies: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" ||
    fail "apt-get could not install ${missing[*]}"
fi
installed_here=1
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
dpkg-query -L vornell | grep -vx '/\.' | sort >"$work/listed"
grep -qx /usr/games/vornell "$work/listed" || fail "dpkg -L does not list /usr/games/vornell"
play /usr/games/vornell
saves=$(ls -A "$work/save")
[ -n "$saves" ] || fail "the installed game saved nothing"

dpkg --purge vornell >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --purge failed"; }
installed_here=0
[ "$(dpkg-query -W -f='${db:Status-Status}' vornell 2>/dev/null)" != installed ] || fail "still installed after the purge"
# Every path the package brought is gone, but for folders other packages
# share (/usr/share/icons/hicolor/...), which dpkg must keep.
while IFS= read -r path; do
  { [ -e "$path" ] || [ -L "$path" ]; } || continue
  [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1 && continue
  fail "left behind after the purge: $path"
done <"$work/listed"
# The player's saves are theirs: the purge does not touch them.
[ "$(ls -A "$work/save")" = "$saves" ] || fail "the purge changed the save folder"
echo "package checks passed (installed with dpkg, played, purged)"
