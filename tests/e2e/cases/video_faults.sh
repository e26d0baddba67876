#!/usr/bin/env bash
# Clips that cannot be played, and one in a folder whose path has a blank.
# The clips lie in "my clips": clip 1 plays from there. A file of junk
# bytes brings one message box per failing command, with the multimedia
# layer's words and the window's title, and leaves the window in "stop"
# with no poll running (no more boxes); another clip then plays. A clip cut
# off after its header ends at once without a message. A clip file that is
# gone, with the last clip folder gone too and no product CD, brings up the
# missing-CD prompt, and its Cancel ends the program.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install "my clips"
# No CD in a drive has this label: a search for the clips ends in the prompt.
ini_set "AVI Setup" volumeString NOSUCHCD
label() { echo $((LABEL0 + $1)); }
junk="$(clip_file 3)" cut="$(clip_file 2)" gone="$(clip_file 0)"
head -c 20000 /dev/urandom >"$junk"
head -c 3000 "$(clip_file 1)" >"$cut"

# --- A folder with a blank in its path -----------------------------------------------------
[[ "$CLIP_FOLDER_WIN" == *" "* ]] || fail "the clip folder $CLIP_FOLDER_WIN has no blank"
open_video 1001
vd absent "$VIDEO_TITLE" 500 --with 1 || fail "a message box came up for the clip in \"my clips\""
wait_frame 5000
is "Stop while the clip from \"my clips\" plays" enabled "$STOP" 1

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

# --- The window still plays ---------------------------------------------------------------------
vd click-frame "$VIDEO_TITLE" "$(label 1)" "$SURFACE" 5000 >/dev/null ||
  fail "clip 1 does not play after the junk clip"
is "Stop while clip 1 plays again" enabled "$STOP" 1

# --- Cut off after its header -----------------------------------------------------------------
vd click "$VIDEO_TITLE" "$STOP" || fail "Stop could not be pressed"
vd click "$VIDEO_TITLE" "$(label 2)" || fail "clip 2 could not be clicked"
vd wait-enabled "$VIDEO_TITLE" "$STOP" 2000 >/dev/null || fail "the cut-off clip did not start"
ended="$(vd wait-disabled "$VIDEO_TITLE" "$STOP" 2000)" || fail "the cut-off clip did not end"
echo "cut-off clip ended $(kv elapsed_ms "$ended") ms after it started"
vd absent "$VIDEO_TITLE" 700 --with 1 || fail "the cut-off clip brought a message box"

# --- A clip file that is gone -------------------------------------------------------------------
rm -f "$gone" "$CLIP_FOLDER/$(ini_value "AVI Setup" keyFile)"
prompt="$(ini_value "frmNoCD Text" Title)"
vd click "$VIDEO_TITLE" "$(label 0)" || fail "clip 0 could not be clicked"
vd wait-window "$prompt" 5000 >/dev/null || fail "no missing-CD prompt for the missing clip"
is "the video window under the prompt" enabled 0 0
vd click "$prompt" "$NOCD_CANCEL" || fail "the prompt's Cancel could not be pressed"
ended_with 0 "after the prompt was cancelled"
