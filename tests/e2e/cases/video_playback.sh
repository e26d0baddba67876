#!/usr/bin/env bash
# Playing the sample clips through the real multimedia layer. vantor.exe
# 1001 opens with clip 1 playing; the clip labels turn green under the
# mouse and the playing clip's label keeps it; Play pauses (the surface
# stands still) and resumes; a click on another clip plays that clip; a clip
# that reaches its end leaves its last frame on the surface and, within a
# second, the play picture on Play, Stop greyed and its label grey; Play
# then starts it again; Stop stops it.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install
label() { echo $((LABEL0 + $1)); }

# --- Started with clip 1 -------------------------------------------------------------
open_video 1001
wait_frame 5000
is "Stop while clip 1 plays" enabled "$STOP" 1
is "Play while clip 1 plays" enabled "$PLAY" 1
is "instruction while a clip plays" visible "$INSTRUCTION1" 0
expect_eq "label of the clip started with the window" grey "$(label_color "$(label 1)")"
pause_picture="$(button_picture "$PLAY")"
clip1_caption="$(caption)"

# --- The mouse over the list ------------------------------------------------------
vd hover "$VIDEO_TITLE" "$(label 2)"
expect_eq "label 2 under the mouse" green "$(label_color "$(label 2)")"
vd hover "$VIDEO_TITLE" "$(label 1)"
expect_eq "label 1 under the mouse" green "$(label_color "$(label 1)")"
expect_eq "label 2 once the mouse left it" grey "$(label_color "$(label 2)")"
vd hover "$VIDEO_TITLE" "$PANEL"
expect_eq "the playing clip's label off the mouse" green "$(label_color "$(label 1)")"
expect_eq "label 0, never under the mouse" grey "$(label_color "$(label 0)")"

# --- Pause and resume -------------------------------------------------------------------
vd click "$VIDEO_TITLE" "$PLAY" || fail "Play could not be pressed"
play_picture="$(button_picture "$PLAY")"
[[ "$play_picture" != "$pause_picture" ]] || fail "Play shows the same picture paused and playing"
is "Stop while paused" enabled "$STOP" 1
expect_eq "the clip moves while paused" 0 "$(moving 700)"
vd click "$VIDEO_TITLE" "$PLAY" || fail "Play could not be pressed to resume"
expect_eq "Play's picture once resumed" "$pause_picture" "$(button_picture "$PLAY")"
expect_eq "the clip moves once resumed" 1 "$(moving 700)"
expect_eq "the clip after resuming" "$clip1_caption" "$(caption)"

# --- Another clip while one plays ---------------------------------------------------------
vd click-frame "$VIDEO_TITLE" "$(label 2)" "$SURFACE" 5000 --region "$CAPTION_REGION" >/dev/null ||
  fail "clicking clip 2 while clip 1 plays shows no new clip"
[[ "$(caption)" != "$clip1_caption" ]] || fail "clip 1 still plays after clip 2 was clicked"
is "Stop while clip 2 plays" enabled "$STOP" 1
# The mouse had left clip 1's label green; passing over clip 2 greys it, as
# clip 1 is no longer the one selected.
vd hover "$VIDEO_TITLE" "$(label 2)"
expect_eq "clip 1's label once the mouse passed over clip 2" grey "$(label_color "$(label 1)")"

# --- Back to clip 1, played to its end ------------------------------------------------------
started="$(vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 --region "$CAPTION_REGION")" ||
  fail "clicking clip 1 while clip 2 plays shows no new clip"
expect_eq "clip 1 again" "$clip1_caption" "$(caption)"
# The stop before the new clip greyed the label just clicked; the mouse,
# still over it, lights it again until its clip ends.
vd hover "$VIDEO_TITLE" "$(label 1)"
expect_eq "the playing clip's label under the mouse" green "$(label_color "$(label 1)")"
length=$(clip_ms "$(clip_file 1)")
ended="$(vd wait-disabled "$VIDEO_TITLE" "$STOP" $((length + 3000)))" ||
  fail "Stop is still enabled $((length + 3000)) ms after clip 1 started"
# The clip may end a little before its nominal length under Wine; the end
# must be noticed within a second of it.
expect_near "end noticed, ms after the first frame (clip length $length ms + 350)" \
  $((length + 350)) $(($(kv tick "$ended") - $(kv tick "$started"))) 650
expect_eq "Play's picture after the end" "$play_picture" "$(button_picture "$PLAY")"
is "Play after the end" enabled "$PLAY" 1
expect_eq "the finished clip's label" grey "$(label_color "$(label 1)")"
expect_eq "last frame still on the surface" 1 "$(kv frame "$(vd picture "$VIDEO_TITLE" "$SURFACE")")"
expect_eq "the surface after the end" 0 "$(moving 600)"

# --- Play starts it again; Stop stops it ------------------------------------------------------
vd click-frame "$VIDEO_TITLE" "$PLAY" "$SURFACE" 5000 >/dev/null || fail "Play did not start the clip again"
is "Stop once played again" enabled "$STOP" 1
expect_eq "the clip played again" "$clip1_caption" "$(caption)"
vd click "$VIDEO_TITLE" "$STOP" || fail "Stop could not be pressed"
is "Stop once stopped" enabled "$STOP" 0
expect_eq "Play's picture once stopped" "$play_picture" "$(button_picture "$PLAY")"
expect_eq "the surface once stopped" 0 "$(moving 600)"

quit_video
