#!/usr/bin/env bash
# Stop, and a click on another clip while one plays (which stops the first).
# Stop greys itself and leaves the frame standing. Once Play has started
# clip 2 again, a click on clip 1 brings clip 1, greys the label just
# clicked and leaves clip 2's as the mouse had left it, until the mouse
# passes over clip 1. Neither brings a message box.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install

open_video 1002
wait_frame 5000
pause_picture="$(button_picture "$PLAY")"
clip2_caption="$(caption)"

# --- Stop --------------------------------------------------------------------------------------
vd click "$VIDEO_TITLE" "$STOP" --post || fail "Stop could not be pressed"
no_message_box "Stop"
vd wait-disabled "$VIDEO_TITLE" "$STOP" 1000 >/dev/null || fail "Stop stayed enabled"
[[ "$(button_picture "$PLAY")" != "$pause_picture" ]] || fail "Play shows the pause picture once stopped"
expect_eq "the surface once stopped" 0 "$(moving 600)"
expect_eq "last frame on the surface once stopped" 1 \
  "$(kv frame "$(vd picture "$VIDEO_TITLE" "$SURFACE")")"

# --- Another clip while one plays ---------------------------------------------------------
vd click-frame "$VIDEO_TITLE" "$PLAY" "$SURFACE" 5000 >/dev/null || fail "Play did not start clip 2 again"
vd hover "$VIDEO_TITLE" "$(label 2)"
vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 --region "$CAPTION_REGION" >/dev/null ||
  fail "clicking clip 1 while clip 2 plays shows no new clip"
no_message_box "clip 1 clicked while clip 2 plays"
[[ "$(caption)" != "$clip2_caption" ]] || fail "clip 2 still shows after clip 1 was clicked"
is "Stop while clip 1 plays" enabled "$STOP" 1
expect_label_color "clicked label" "$(label 1)" grey
expect_label_color "label of the clip before" "$(label 2)" green
vd hover "$VIDEO_TITLE" "$(label 1)"
expect_label_color "clicked label under the mouse" "$(label 1)" green
expect_label_color "label of the clip before, once the mouse moved" "$(label 2)" grey

quit_video
