#!/usr/bin/env bash
# Video start: `vantor.exe 1001` until the first frame of clip 1 is on the
# screen (the video surface shows a picture, not one flat colour: vdriver's
# frame test, docs/testing.md); against mciplay.exe, which opens and plays
# the same clip into a child window with the same commands, from its start
# to its first frame. Clip change: a click on the other clip's label until
# its first frame, known by that clip's own caption strip (learnt by playing
# it first), against mciplay from its window shown to its first frame.
# shellcheck source=../e2e/lib.sh
source "$E2E_LIB"
# shellcheck source=../e2e/video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=lib/bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/bench.sh"
keep_desktop

video_install
installs_for_labels
player="$(to_winpath "$VANTOR_WIN_BIN/mciplay.exe")"
clip1="$(to_winpath "$(clip_file 1)")"

# play_bare: one run of the bare player; sets LINE.
play_bare() {
  LINE="$(vd launch-frame --title "Vantor MCI player" --class VantorMciSurface --timeout 10000 \
    --end "$player" "$clip1")" || fail "the bare player showed no frame"
}

# One start of each to warm the caches.
play_bare
for label in "${BENCH_LABELS[@]}"; do
  vd launch-frame --title "$VIDEO_TITLE" --id "$SURFACE" --timeout 10000 --end \
    "${INSTALL_EXE[$label]}" 1001 >/dev/null || fail "$label: no first frame"
done

declare -A ms memory after
for ((run = 0; run < RUNS; run++)); do
  play_bare
  ms[bare]+=" $(kv frame_ms "$LINE")"
  memory[bare]+=" $(kv working_set_kb "$LINE")"
  after[bare]+=" $(kv frame_after_window_ms "$LINE")"
  for label in "${BENCH_LABELS[@]}"; do
    line="$(vd launch-frame --title "$VIDEO_TITLE" --id "$SURFACE" --timeout 10000 --end \
      "${INSTALL_EXE[$label]}" 1001)" || fail "$label: no first frame"
    ms[$label]+=" $(kv frame_ms "$line")"
    memory[$label]+=" $(kv working_set_kb "$line")"
    after[$label]+=" $(kv frame_after_window_ms "$line")"
  done
done
time_and_memory_rows "video start to first frame (ms)" "video working set (KB)"
# From the window on the screen to the first frame in it: what the user
# waits for once the window is there (the bare player opens its clip only
# then, the video window before it shows).
echo "runs: first frame after the window: bare${after[bare]}"
for label in "${BENCH_LABELS[@]}"; do
  echo "runs: first frame after the window: $label${after[$label]}"
  # shellcheck disable=SC2086 # the runs are words
  row "video first frame after its window (ms)" "$label" "$(median ${after[$label]})" \
    "$(median ${after[bare]})"
done

# The wineserver requests of a start to its first frame, in runs of their
# own (the clip device's thread draws by the clock, so these move more than
# the coach's).
bare_requests=""
for ((run = 0; run < COUNT_RUNS; run++)); do
  line="$(counted launch-frame --title "Vantor MCI player" --class VantorMciSurface \
    --timeout 30000 --end "$player" "$clip1")" || fail "the bare player showed no frame"
  bare_requests+=" $(kv requests "$line")"
done
echo "runs: requests bare$bare_requests"
for label in "${BENCH_LABELS[@]}"; do
  counts=""
  for ((run = 0; run < COUNT_RUNS; run++)); do
    line="$(counted launch-frame --title "$VIDEO_TITLE" --id "$SURFACE" --timeout 30000 --end \
      "${INSTALL_EXE[$label]}" 1001)" || fail "$label: no first frame under strace"
    counts+=" $(kv requests "$line")"
  done
  echo "runs: requests $label$counts"
  # shellcheck disable=SC2086 # the runs are words
  row "video wineserver requests to first frame" "$label" "$(median $counts)" \
    "$(median $bare_requests)"
done

# --- Clip change ---------------------------------------------------------------------------
for label in "${BENCH_LABELS[@]}"; do
  VANTOR_WIN="${INSTALL_EXE[$label]}"
  open_video 9
  captions=("$(clip_caption 0)" "$(clip_caption 1)")
  clicks="" bare=""
  for ((run = 0; run < RUNS; run++)); do
    line="$(vd click-frame "$VIDEO_TITLE" $((LABEL0 + run % 2)) "$SURFACE" 5000 \
      --region "$CAPTION_REGION" --expect "${captions[run % 2]}")" ||
      fail "$label: no frame of clip $((run % 2)) after the click of run $run"
    clicks+=" $(kv elapsed_ms "$line")"
    stop_clip
    play_bare
    bare+=" $(kv frame_after_window_ms "$LINE")"
  done
  vd click "$VIDEO_TITLE" "$QUIT" >/dev/null || fail "Quit could not be pressed"
  finish_vantor
  echo "runs: clip change $label$clicks, bare$bare"
  # shellcheck disable=SC2086 # the runs are words
  row "clip change to first frame (ms)" "$label" "$(median $clicks)" "$(median $bare)"
done
