#!/usr/bin/env bash
# Playing the sample clips through the real multimedia layer. vantor.exe
# 1001 opens with clip 1 playing; the clip labels turn green under the
# mouse and the playing clip's label keeps it. A clip that reaches its end
# leaves its last frame on the surface and, within a second, the play
# picture on Play, Stop greyed and its label grey; Play then plays it again
# to its end. A click on another clip plays that clip, and Quit ends the
# program while it plays. None of it brings a message box. (Pause: video_pause;
# Stop and a change of clip while one plays: video_stop.)
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install
length=$(clip_ms "$(clip_file 1)")

# --- Started with clip 1 -------------------------------------------------------------
open_video 1001
wait_frame 5000
no_message_box "clip 1 at the start"
is "Stop while clip 1 plays" enabled "$STOP" 1
is "Play while clip 1 plays" enabled "$PLAY" 1
is "instruction while a clip plays" visible "$INSTRUCTION1" 0
expect_label_color "label of the clip started with the window" "$(label 1)" grey
pause_picture="$(button_picture "$PLAY")"
clip1_caption="$(caption)"

# --- The mouse over the list ------------------------------------------------------
# Clip 1 again from its start, so that it still plays through the checks
# below however long the start took.
vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 >/dev/null ||
  fail "clicking clip 1 did not start it again"
vd hover "$VIDEO_TITLE" "$(label 2)"
expect_label_color "label 2 under the mouse" "$(label 2)" green
vd hover "$VIDEO_TITLE" "$(label 1)"
expect_label_color "label 1 under the mouse" "$(label 1)" green
expect_label_color "label 2 once the mouse left it" "$(label 2)" grey
vd hover "$VIDEO_TITLE" "$PANEL"
expect_label_color "the playing clip's label off the mouse" "$(label 1)" green
expect_label_color "label 0, never under the mouse" "$(label 0)" grey

# --- Played to its end ------------------------------------------------------------------------
# From its start again, the mouse left on its label (green) until it ends.
vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 >/dev/null ||
  fail "clicking clip 1 did not start it again"
vd wait-disabled "$VIDEO_TITLE" "$STOP" $((length + 3000)) >/dev/null ||
  fail "Stop is still enabled $((length + 3000)) ms after clip 1 started"
no_message_box "the end of the clip"
play_picture="$(button_picture "$PLAY")"
[[ "$play_picture" != "$pause_picture" ]] || fail "Play shows the same picture stopped and playing"
is "Play after the end" enabled "$PLAY" 1
expect_label_color "the finished clip's label, green before" "$(label 1)" grey
expect_eq "last frame still on the surface" 1 "$(kv frame "$(vd picture "$VIDEO_TITLE" "$SURFACE")")"
expect_eq "the surface after the end" 0 "$(moving 600)"

# --- Play plays it again, from the start to the end --------------------------------------------
started="$(vd click-frame "$VIDEO_TITLE" "$PLAY" "$SURFACE" 5000)" ||
  fail "Play did not start the clip again"
is "Stop once played again" enabled "$STOP" 1
expect_eq "the clip played again" "$clip1_caption" "$(caption)"
ended="$(vd wait-disabled "$VIDEO_TITLE" "$STOP" $((length + 3000)))" ||
  fail "Stop is still enabled $((length + 3000)) ms after clip 1 started again"
# The clip may end a little before its nominal length under Wine; the end
# must be noticed within a second of it.
expect_near "end noticed, ms after the first frame (clip length $length ms + 350)" \
  $((length + 350)) $(($(kv tick "$ended") - $(kv tick "$started"))) 650

# --- Another clip --------------------------------------------------------------------------
vd click-frame "$VIDEO_TITLE" "$(label 2)" "$SURFACE" 5000 --region "$CAPTION_REGION" >/dev/null ||
  fail "clicking clip 2 shows no new clip"
no_message_box "clip 2 clicked with clip 1 stopped"
[[ "$(caption)" != "$clip1_caption" ]] || fail "clip 1 still shows after clip 2 was clicked"
expect_eq "Play's picture while clip 2 plays" "$pause_picture" "$(button_picture "$PLAY")"

# Quit while a clip plays.
quit_video
