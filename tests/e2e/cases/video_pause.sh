#!/usr/bin/env bash
# Pause and resume. Play pauses: its picture turns to the play picture,
# Stop stays enabled and the surface stands still, also after the next
# poll; Play again resumes and the same clip moves on. Neither brings a
# message box.
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

quit_video
