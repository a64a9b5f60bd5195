#!/usr/bin/env bash
# A real window under Xvfb: the title is "Vornell" with the game's icon, F4 alone does nothing,
# Alt+F4 quits, the window's close button quits, and a click on the main
# menu's "play" reaches the quest map.
set -u
game="$1"
content="$2"
send_close="$3"
work=$(mktemp -d)
game_pid=""
trap 'kill $game_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

# Xvfb picks a free display number itself and writes it to fd 3. It must not
# reset when the last client leaves: it refuses connections while it does,
# and the next game would find no display.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
ready=0
for _ in $(seq 300); do xdpyinfo >/dev/null 2>&1 && { ready=1; break; }; sleep 0.1; done
[ "$ready" = 1 ] || { echo "FAIL: Xvfb did not start on $DISPLAY"; cat "$work/xvfb.log"; exit 1; }

fail() { echo "FAIL: $*"; cat "$work"/game*.log 2>/dev/null; exit 1; }

start_game() {
  (cd "$content" && exec env SDL_VIDEODRIVER=x11 VORNELL_SAVE_DIR="${save_dir:-$work/save}" ALSOFT_DRIVERS=null \
     SDL_AUDIODRIVER=dummy "$game" >"$work/game$1.log" 2>&1) &
  game_pid=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --name '^Vornell$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled Vornell appeared"
  sleep 2  # the loading screen's fade
  # No window manager here: give the window the keyboard focus ourselves.
  for _ in $(seq 20); do
    timeout 5 xdotool windowfocus "$window" 2>/dev/null
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && return 0
    sleep 0.2
  done
  fail "the window never got the keyboard focus"
}

# Waits up to $1 seconds for the game to end; true when it did.
ended_within() {
  for _ in $(seq $(( $1 * 10 ))); do
    kill -0 "$game_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# 1. Title, F4 alone, then Alt+F4.
start_game 1
[ "$(xdotool getwindowname "$window")" = "Vornell" ] || fail "window title is '$(xdotool getwindowname "$window")'"
xprop -id "$window" _NET_WM_ICON | grep -q "Icon (64 x 64)" || fail "the window has no icon of the game's own"
xdotool key --clearmodifiers F4
ended_within 2 && fail "F4 alone ended the game"
xdotool keydown Alt_L
sleep 0.3
xdotool key F4
sleep 0.3
xdotool keyup Alt_L
ended_within 10 || fail "Alt+F4 did not end the game"
wait "$game_pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status after Alt+F4"

# 2. The window's close request (as a window manager sends it).
start_game 2
"$send_close" "$window" || fail "could not send the close request"
ended_within 10 || fail "closing the window did not end the game"
wait "$game_pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"

# 3. A player who plays in a window: the main menu's "play" leads to the map.
save_dir="$work/save3"
mkdir -p "$save_dir"
printf 'settings {\n\t sound = 0.5\n\t music = 0.7\n\t fullscreen = 0\n\t hz = 60\n\t mouseDraw = 1\n}\n' \
  >"$save_dir/settings.dat"
printf 'profile {\n\t i = 1\n\t profile1 = "Ada" \n\t akt = "Ada" \n}\n' >"$save_dir/profiles.dat"
printf 'profile {\n\t level = 0\n\t name = "Ada" \n}\n' >"$save_dir/profile1.dat"
start_game 3
xdotool key --clearmodifiers space  # past the intro
menu=0
for _ in $(seq 150); do grep -q "MAIN MENU" "$work/game3.log" && { menu=1; break; }; sleep 0.1; done
[ "$menu" = 1 ] || fail "the main menu did not appear"
# Clicks count once the menu's veil has cleared; a busy machine may take a
# while, so each click is repeated until its screen opens. A new quest opens
# with its story, whose "skip" leads on to the map.
clicked_through() {  # x y log-line
  for _ in $(seq 10); do
    sleep 1.5
    xdotool mousemove --window "$window" "$1" "$2" click 1
    for _ in $(seq 20); do grep -q "$3" "$work/game3.log" && return 0; sleep 0.1; done
  done
  return 1
}
clicked_through 410 195 "STORY : " || fail "the click on \"play\" did not open the quest's story"
clicked_through 572 574 "MAP : level 1" && reached=1 || reached=0
[ "$reached" = 1 ] || fail "the story's \"skip\" did not reach the map"
"$send_close" "$window" || fail "could not send the close request"
ended_within 10 || fail "closing the window did not end the game"
wait "$game_pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing the map"
grep -q "level = 1" "$save_dir/profile1.dat" || fail "the map did not save the quest"

echo "xvfb window checks passed"
