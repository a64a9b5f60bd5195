#!/bin/sh
# Content pipeline checks, one mode per test:
#   deterministic CONTENTGEN          two runs give the same bytes
#   sizes GAME_DIR                    pictures whose size the game relies on
#   catalogue TRANSLATIONS SOURCE_DIR the catalogue check names entries left
#                                     out, fuzzy or not keeping their source's
#                                     numbers and spaces, and fails
#   faults CHECK_CONTENT GAME_DIR     the check names missing, broken and
#                                     wrongly sized files and faulty tables,
#                                     and fails
set -u
mode=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# Width and height from a PNG header (big-endian words at bytes 16 and 20).
png_size() {
  od -A n -t u1 -j 16 -N 8 "$1" | awk '{ printf "%d x %d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

case $mode in
catalogue)
  # A catalogue with an entry left out, one fuzzy, a number changed and a
  # space lost: each is named and the check fails.
  translations=$1 source=$2
  sed -e 's/^msgstr "Hallo, "$/msgstr "Hallo,"/' \
      -e '0,/5 Murmeln sind 25 Punkte wert/s//5 Murmeln sind 20 Punkte wert/' \
      -e 's/^msgstr "Bombe"$/msgstr ""/' \
      -e 's/^msgid "Shuffle"$/#, fuzzy\nmsgid "Shuffle"/' "$source/po/de.po" > "$work/de.po"
  out=$("$translations" check "$work/de.po" 2>&1)
  rc=$?
  echo "$out"
  [ $rc -eq 1 ] || fail "the check exited with $rc on a faulty catalogue"
  for expect in 'trailing space differs: "Hello, "' 'numbers differ: "Click a group' 'untranslated: "Bomb"' \
                'fuzzy: "Shuffle"'; do
    echo "$out" | grep -q -F "$expect" || fail "not reported: $expect"
  done
  [ "$(echo "$out" | wc -l)" -eq 4 ] || fail "reports other than the four faults"
  ;;
deterministic)
  gen=$1
  "$gen" "$work/a/game" >/dev/null || fail "first run failed"
  "$gen" "$work/b/game" >/dev/null || fail "second run failed"
  count=$(find "$work/a/game" -type f | wc -l)
  [ "$count" -gt 100 ] || fail "only $count files generated"
  [ -f "$work/a/contact-sheet.png" ] || fail "no contact sheet beside the working folder"
  [ ! -e "$work/a/game/contact-sheet.png" ] || fail "contact sheet inside the working folder"
  diff -r -q "$work/a" "$work/b" || fail "two runs differ"
  ;;
sizes)
  game=$1
  check() {  # path, then "exact W x H" or "max N"
    f="$game/$1"
    if [ ! -f "$f" ]; then fail "$1 missing"; return; fi
    got=$(png_size "$f")
    w=${got%% x *}; h=${got##* x }
    case $2 in
      exact) [ "$got" = "$3" ] || fail "$1 is $got, must be $3" ;;
      max) { [ "$w" -le "$3" ] && [ "$h" -le "$3" ]; } || fail "$1 is $got, larger than a $3-pixel cell" ;;
    esac
  }
  check gfx/splash/loadscreen.png exact "800 x 600"
  check gfx/gui/mousePoint.png exact "1 x 1"
  # Every marble picture named by the tile table fits the cell of its size set.
  n=0
  for f in $(grep -o '"gfx/[^"]*"' "$game/data/tiles1.dat" | tr -d '"'); do
    case $f in
      *_20.png) check "$f" max 20 ;;
      *_30.png) check "$f" max 30 ;;
      *_45.png) check "$f" max 45 ;;
      *) fail "$f: cannot tell its size set" ;;
    esac
    n=$((n + 1))
  done
  [ "$n" -eq 96 ] || fail "tile table names $n pictures, expected 96 (32 kinds x 3 sizes)"
  ;;
faults)
  check=$1 game=$2
  cp -r "$game" "$work/game"
  g=$work/game
  rm "$g/gfx/tiles/marbles/blue_30.png"                      # named by the tile table
  rm "$g/gfx/gui/cyfry/7.png"                                # named by the code
  head -c 60 "$game/gfx/particles/star.png" > "$g/gfx/particles/star.png"    # truncated
  # Cut short after a whole header: decoding it whole is the only way to tell.
  size=$(wc -c < "$game/gfx/gui/map/mapa.jpg")
  head -c $((size / 2)) "$game/gfx/gui/map/mapa.jpg" > "$g/gfx/gui/map/mapa.jpg"
  cp "$game/gfx/splash/loadscreen.png" "$g/gfx/tiles/bonus/button_red.png"   # oversized button
  cp "$game/gfx/gui/mainMenu/logo.png" "$g/gfx/splash/loadscreen.png"        # wrong splash size
  # A language with a letter no font draws, and one whose text table is short.
  printf '\344\270\255\n' >> "$g/lang/de/data/teksty.txt"
  head -n 10 "$game/lang/fr/data/teksty.txt" > "$g/lang/fr/data/teksty.txt"
  out=$("$check" "$g")
  rc=$?
  echo "$out"
  [ $rc -eq 1 ] || fail "check-content exited with $rc on faulty content"
  for expect in "missing: gfx/tiles/marbles/blue_30.png" "missing: gfx/gui/cyfry/7.png" \
                "does not decode: gfx/particles/star.png" "does not decode: gfx/gui/map/mapa.jpg" \
                "wrong size: gfx/tiles/bonus/button_red.png" "wrong size: gfx/splash/loadscreen.png" \
                "de: no font draws U+4E2D" "fr: data/teksty.txt has 10 lines, the game reads 122"; do
    echo "$out" | grep -q -F "$expect" || fail "not reported: $expect"
  done
  [ "$(echo "$out" | grep -c -v '^content check')" -eq 8 ] || fail "reports other than the eight faults"
  # Faults inside the tables: a kind lost from the tile table, a repeated
  # id, a short button table.
  cp -r "$game" "$work/tables"
  t=$work/tables/data
  sed -i 's/ilosc = 32/ilosc = 31/; s/id = 2$/id = 1/' "$t/tiles1.dat"
  sed -i 's/i = 17/i = 16/' "$t/bonusy_tiles.dat"
  # The gallery's guns cut short, a shooting level's crate that brings
  # nothing, a puzzle picture that does not fill the board.
  sed -i 's/i = 4/i = 3/' "$t/guns.dat"
  sed -i 's/bonus = .*/bonus = "2 9"/' "$t/levels/level9.dat"
  cp "$game/gfx/splash/loadscreen.png" "$work/tables/gfx/puzzles/puzzle1.jpg"
  # A board level needs two colours for its waiting rows; a picture-puzzle
  # board (level 15) has none and plays with one.
  sed -i 's/available = .*/available = "3"/' "$t/levels/level1.dat" "$t/levels/level15.dat"
  grep -q -F 'typ = "NORMAL-PUZZLE"' "$t/levels/level15.dat" || fail "level 15 is no longer a picture-puzzle board"
  out=$("$check" "$work/tables")
  [ $? -eq 1 ] || fail "check-content passed faulty tables"
  echo "$out"
  for expect in "data/tiles1.dat: no bonus marble 118" "data/tiles1.dat: tile2 repeats id 1 of tile1" \
                "data/tiles1.dat: no colour 2" "data/bonusy_tiles.dat: bonusy::i is 16, must be 17" \
                "data/levels/level1.dat: fewer than two colours" "data/guns.dat: guns::i is 3, must be 4" \
                "data/levels/level9.dat: crate 9 is no crate bonus of data/bonusy.dat" \
                "wrong size: gfx/puzzles/puzzle1.jpg is 800 x 600, must be 500 x 375"; do
    echo "$out" | grep -q -F "$expect" || fail "not reported: $expect"
  done
  echo "$out" | grep -q -F "level15.dat: no colour" && fail "a one-colour picture-puzzle board reported"
  echo "$out" | grep -q -F "level15.dat: fewer than two colours" && fail "a one-colour picture-puzzle board reported"
  # Without its data folder nothing can be found, and the check says so.
  rm -r "$g/data"
  out=$("$check" "$g")
  [ $? -eq 1 ] || fail "check-content passed without data/"
  echo "$out" | grep -q -F "missing: data/tiles1.dat" || fail "missing data/tiles1.dat not reported"
  ;;
*)
  echo "unknown mode $mode"; exit 2 ;;
esac
exit $status
