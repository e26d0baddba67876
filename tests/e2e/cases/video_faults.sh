#!/usr/bin/env bash
# Clips that cannot be played, and clips in a folder whose path has a blank
# ("my clips"). A file of junk bytes brings one message box per failing
# command, with the multimedia layer's words and the window's title, and
# leaves the window in "stop" with no poll running (no more boxes). A clip
# cut off after its header ends at once without a message. A good clip
# then plays from "my clips". A clip file that is gone, with the last clip
# folder gone too and no product CD, brings up the missing-CD prompt, and
# its Cancel ends the program.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install "my clips"
# No CD in a drive has this label: a search for the clips ends in the prompt.
ini_set "AVI Setup" volumeString NOSUCHCD
junk="$(clip_file 3)" cut="$(clip_file 2)" gone="$(clip_file 0)"
head -c 20000 /dev/urandom >"$junk"
head -c 3000 "$(clip_file 1)" >"$cut"
[[ "$CLIP_FOLDER_WIN" == *" "* ]] || fail "the clip folder $CLIP_FOLDER_WIN has no blank"

open_video 9

# --- Junk bytes --------------------------------------------------------------------------------
vd click "$VIDEO_TITLE" "$(label 3)" || fail "clip 3 could not be clicked"
mapfile -t texts < <(message_boxes)
printf 'message: %s\n' "${texts[@]}"
# Open, Window, Where and Play fail, each with its own message.
expect_eq "message boxes for a clip of junk bytes" 4 "${#texts[@]}"
expect_eq "first message" \
  "The specified file cannot be played on the specified MCI device. The file may be corrupt, or not in the correct format." \
  "${texts[0]}"
is "Stop after the junk clip" enabled "$STOP" 0
is "Play after the junk clip" enabled "$PLAY" 1
is "the window after the messages" enabled 0 1

# --- Cut off after its header -----------------------------------------------------------------
vd click "$VIDEO_TITLE" "$(label 2)" || fail "clip 2 could not be clicked"
vd wait-enabled "$VIDEO_TITLE" "$STOP" 2000 >/dev/null || fail "the cut-off clip did not start"
ended="$(vd wait-disabled "$VIDEO_TITLE" "$STOP" 2000)" || fail "the cut-off clip did not end"
echo "cut-off clip ended $(kv elapsed_ms "$ended") ms after it started"
no_message_box "the cut-off clip"

# --- A good clip from "my clips" ------------------------------------------------------------------
vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 >/dev/null ||
  fail "clip 1 in $CLIP_FOLDER_WIN does not play"
no_message_box "clip 1 in $CLIP_FOLDER_WIN"
is "Stop while clip 1 plays" enabled "$STOP" 1
length=$(clip_ms "$(clip_file 1)")
vd wait-disabled "$VIDEO_TITLE" "$STOP" $((length + 3000)) >/dev/null || fail "clip 1 did not end"

# --- A clip file that is gone -------------------------------------------------------------------
rm -f "$gone" "$CLIP_FOLDER/$(ini_value "AVI Setup" keyFile)"
prompt="$(ini_value "frmNoCD Text" Title)"
vd click "$VIDEO_TITLE" "$(label 0)" || fail "clip 0 could not be clicked"
vd wait-window "$prompt" 5000 >/dev/null || fail "no missing-CD prompt for the missing clip"
is "the video window under the prompt" enabled 0 0
vd click "$prompt" "$NOCD_CANCEL" || fail "the prompt's Cancel could not be pressed"
ended_with 0 "after the prompt was cancelled"
