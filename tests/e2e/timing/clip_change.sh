#!/usr/bin/env bash
# How long a clip takes to show its first frame under Wine, five times
# each, in the video window and in the bare player (mciplay.exe, built from
# tools/mciplay), which sends the same commands from a plain window:
#  - window: a click on a clip label, with nothing or the other clip
#    stopped on the surface, to the new clip's first frame;
#  - bare player: its window shown (it opens the clip right after) to the
#    first frame.
# A frame is detected as vdriver's wait-frame does (docs/testing.md); the
# new clip's frame is known by its own caption strip at its foot, learnt by
# playing each clip once before the runs. Prints "timing"
# lines with the runs and their median. TIMING_RUNS changes the five.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

RUNS_EACH="${TIMING_RUNS:-5}"
video_install

# median <numbers...>
median() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# timed <name> <numbers...>: one line of the report.
timed() {
  local name="$1"
  shift
  echo "timing $name: median $(median "$@") ms (runs: $*)"
}

# --- The video window ----------------------------------------------------------------------
open_video 9
captions=("$(clip_caption 0)" "$(clip_caption 1)")
clicks=()
for ((run = 0; run < RUNS_EACH; run++)); do
  line="$(vd click-frame "$VIDEO_TITLE" $((LABEL0 + run % 2)) "$SURFACE" 5000 \
    --region "$CAPTION_REGION" --expect "${captions[run % 2]}")" ||
    fail "no frame of clip $((run % 2)) after the click of run $run"
  clicks+=("$(kv elapsed_ms "$line")")
  stop_clip
done
quit_video
timed "video window, clip click to first frame (the other clip stopped on the surface)" \
  "${clicks[@]}"

# --- The bare player -----------------------------------------------------------------------
player="$VANTOR_WIN_BIN/mciplay.exe"
[[ -f "$player" ]] || fail "$player is not built"
bare=()
for ((run = 0; run < RUNS_EACH; run++)); do
  clip="$(to_winpath "$(clip_file $((run % 2)))")"
  line="$(vd launch-frame --title "Vantor MCI player" --class VantorMciSurface --timeout 10000 \
    "$(to_winpath "$player")" "$clip" --timeout 300)" || fail "the bare player showed no frame"
  bare+=("$(kv frame_after_window_ms "$line")")
  vd wait-gone "Vantor MCI player" 5000 || fail "the bare player did not end"
done
timed "bare player, window shown to first frame" "${bare[@]}"
