# The stress scenarios (tests/stress/*.txt) and how one is played, for
# scripts/stress and scripts/memcheck (sourced, not run). Each scenario is an
# input script whose "# args:" line gives the game's arguments.

# Fills the array `scenarios` with the scenarios whose names match the shell
# pattern $2, from the source tree $1; stops the calling script when none do.
find_scenarios() {
  shopt -s nullglob
  scenarios=("$1"/tests/stress/$2.txt)
  shopt -u nullglob
  if [ ${#scenarios[@]} -eq 0 ]; then
    echo "$(basename "$0"): no scenario matches '$2' in tests/stress" >&2
    exit 2
  fi
}

# play_scenario GAME CONTENT_DIR SCENARIO RUN_DIR SEED HZ [WRAPPER ...]
# Plays the scenario once, headless on the virtual clock with a save folder
# of its own, in RUN_DIR (its script, shots and output.txt stay there), the
# game started through WRAPPER when one is given. Returns the exit code.
play_scenario() {
  local game=$1 content=$2 scenario=$3 dir=$4 seed=$5 hz=$6
  shift 6
  mkdir -p "$dir/save" "$dir/shots"
  cp "$scenario" "$dir/script.txt"
  local args
  args=$(sed -n 's/^# args: //p' "$scenario" | head -1)
  (
    cd "$content" || exit 126
    # shellcheck disable=SC2086
    exec env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null \
      VORNELL_CLOCK=virtual VORNELL_HZ="$hz" VORNELL_SEED="$seed" \
      VORNELL_INPUT="$dir/script.txt" VORNELL_SHOTS="$dir/shots" VORNELL_SAVE_DIR="$dir/save" \
      ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
      "$@" "$game" $args
  ) > "$dir/output.txt" 2>&1
}
