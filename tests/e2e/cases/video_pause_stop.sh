#!/usr/bin/env bash
# Pause, resume and Stop while a clip plays, and a click on another clip
# while one plays (which stops the first). Play pauses: its picture turns
# to the play picture, Stop stays enabled and the surface stands still,
# also after the next poll; Play again resumes and the clip moves on. A
# click on clip 1 while clip 2 plays brings clip 1, greys the label just
# clicked and leaves clip 2's as the mouse had left it, until the mouse
# passes over clip 1. Stop greys itself and leaves the frame standing.
# None of it brings a message box.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install
label() { echo $((LABEL0 + $1)); }

open_video 1002
wait_frame 5000
pause_picture="$(button_picture "$PLAY")"
clip2_caption="$(caption)"

# --- Pause and resume -------------------------------------------------------------------
vd click "$VIDEO_TITLE" "$PLAY" --post || fail "Play could not be pressed"
no_message_box "Pause"
# Longer than the poll's half second: a paused clip is not a finished one.
expect_eq "the clip moves while paused" 0 "$(moving 800)"
is "Stop while paused" enabled "$STOP" 1
play_picture="$(button_picture "$PLAY")"
[[ "$play_picture" != "$pause_picture" ]] || fail "Play shows the same picture paused and playing"
vd click "$VIDEO_TITLE" "$PLAY" --post || fail "Play could not be pressed to resume"
no_message_box "Resume"
expect_eq "the clip moves once resumed" 1 "$(moving 500)"
expect_eq "Play's picture once resumed" "$pause_picture" "$(button_picture "$PLAY")"
expect_eq "the clip once resumed" "$clip2_caption" "$(caption)"

# --- Another clip while one plays ---------------------------------------------------------
vd hover "$VIDEO_TITLE" "$(label 2)"
vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 --region "$CAPTION_REGION" >/dev/null ||
  fail "clicking clip 1 while clip 2 plays shows no new clip"
no_message_box "clip 1 clicked while clip 2 plays"
[[ "$(caption)" != "$clip2_caption" ]] || fail "clip 2 still shows after clip 1 was clicked"
is "Stop while clip 1 plays" enabled "$STOP" 1
expect_eq "clicked label" grey "$(label_color "$(label 1)")"
expect_eq "label of the clip before" green "$(label_color "$(label 2)")"
vd hover "$VIDEO_TITLE" "$(label 1)"
expect_eq "clicked label under the mouse" green "$(label_color "$(label 1)")"
expect_eq "label of the clip before, once the mouse moved" grey "$(label_color "$(label 2)")"

# --- Stop --------------------------------------------------------------------------------------
vd click "$VIDEO_TITLE" "$STOP" --post || fail "Stop could not be pressed"
no_message_box "Stop"
vd wait-disabled "$VIDEO_TITLE" "$STOP" 1000 >/dev/null || fail "Stop stayed enabled"
expect_eq "Play's picture once stopped" "$play_picture" "$(button_picture "$PLAY")"
expect_eq "the stopped clip's label" grey "$(label_color "$(label 1)")"
expect_eq "the surface once stopped" 0 "$(moving 600)"
expect_eq "last frame on the surface once stopped" 1 \
  "$(kv frame "$(vd picture "$VIDEO_TITLE" "$SURFACE")")"

quit_video
