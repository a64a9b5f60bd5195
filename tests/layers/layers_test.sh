#!/bin/sh
# usage: layers_test.sh SCRIPT CHECKOUT
# The game's own tree keeps to its layers; small trees that break them in
# each way the check knows fail with the offending include named.
set -u
script=$1
checkout=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

"$script" check "$checkout" >/dev/null || fail "the game's own tree breaks its layers"

# A tree of a few files, FILE including INCLUDE: the check fails and says
# MESSAGE-PART after the file's name.
expect_broken() {
  rm -rf "$tree/src"
  mkdir -p "$tree/src/shell" "$tree/src/board" "$tree/src/game" "$tree/src/app" "$tree/src/gui" "$tree/src/quest"
  for f in shell/ekran.h board/level.h game/game.h app/game_objects.h gui/gui.h quest/map.h; do
    echo '#pragma once' > "$tree/src/$f"
  done
  mkdir -p "$(dirname "$tree/src/$1")"
  printf '#include "shell/ekran.h"\n#include "%s"\n' "$2" > "$tree/src/$1"
  out=$("$script" check "$tree" 2>&1) && fail "$1 including $2 passed"
  case $out in
    *"src/$1:"*"$3"*) ;;
    *) fail "$1 including $2: the message does not name it: $out" ;;
  esac
}

expect_broken board/level.cpp game/game.h '2: includes "game/game.h": board/ sits below game/'
expect_broken shell/ekran.cpp quest/map.h '2: includes "quest/map.h": shell/ sits below quest/'
expect_broken gui/button.cpp app/game_objects.h '2: includes "app/game_objects.h": the global objects are for'

expect_broken newfolder/thing.cpp shell/ekran.h "folder newfolder/ has no layer"

# Downward includes and the global objects from a screen pass.
rm -rf "$tree/src"
mkdir -p "$tree/src/game" "$tree/src/board" "$tree/src/app"
echo '#pragma once' > "$tree/src/board/level.h"
echo '#pragma once' > "$tree/src/app/game_objects.h"
printf '#include "board/level.h"\n#include "app/game_objects.h"\n' > "$tree/src/game/game.cpp"
"$script" check "$tree" >/dev/null 2>&1 || fail "a screen including downward and the global objects was refused"

[ "$failures" -eq 0 ] && echo "layers check: all cases hold"
exit "$failures"
