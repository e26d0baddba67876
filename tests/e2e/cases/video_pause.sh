#!/usr/bin/env bash
# Pause and resume. Play pauses: its picture turns to the play picture and
# the surface stands still, with no message box. A device that keeps a
# paused clip paused (Windows' AVI device) keeps Stop enabled across the
# polls, and Play resumes the same clip where it stood. Wine 8's AVI device
# ends a paused clip instead (its player stops at the pause and "Resume"
# finds nothing to resume): then the next poll shows the window stopped, and
# Play starts the clip again from its beginning. Either way nothing but the
# window shows.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install

open_video 1002
wait_frame 5000
pause_picture="$(button_picture "$PLAY")"
clip2_caption="$(caption)"

# --- Pause and resume -------------------------------------------------------------------
vd click "$VIDEO_TITLE" "$PLAY" --post || fail "Play could not be pressed"
no_message_box "Pause"
# The surface stands still, also past the next half-second poll.
expect_eq "the clip moves while paused" 0 "$(moving 800)"
play_picture="$(button_picture "$PLAY")"
[[ "$play_picture" != "$pause_picture" ]] || fail "Play shows the same picture paused and playing"
if [[ "$(vd enabled "$VIDEO_TITLE" "$STOP")" == 1 ]]; then
  vd click "$VIDEO_TITLE" "$PLAY" --post || fail "Play could not be pressed to resume"
  no_message_box "Resume"
  expect_eq "the clip moves once resumed" 1 "$(moving 500)"
else
  echo "note: the clip device ended the paused clip; the poll showed the window stopped"
  expect_eq "Play's picture once the paused clip ended" "$play_picture" "$(button_picture "$PLAY")"
  vd click-frame "$VIDEO_TITLE" "$PLAY" "$SURFACE" 5000 >/dev/null ||
    fail "Play did not start the ended clip again"
  no_message_box "Play after the paused clip ended"
fi
expect_eq "Play's picture once playing again" "$pause_picture" "$(button_picture "$PLAY")"
is "Stop once playing again" enabled "$STOP" 1
expect_eq "the clip once playing again" "$clip2_caption" "$(caption)"

quit_video
