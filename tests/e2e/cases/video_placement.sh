#!/usr/bin/env bash
# The video window's start and place. vantor.exe 9 opens centred with no
# clip: the instruction and its lines shown, Play and Stop greyed, no
# surface; a double click on the button bar opens the about box over it; a
# click on a clip plays it. Moved and quit, the window writes
# [AVIPosition] and the next start (1001) opens there. A second video start
# (1002) takes the running window's place: the old one closes (exit 0) and
# the new one opens where it stood, playing its own clip. Quit without a
# move leaves zthelp.ini as it was.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install
ini_set AVIPosition width -1

# --- No clip selected ---------------------------------------------------------------
open_video 9
expect_eq "client width" 630 "$(kv client_width "$WINDOW")"
expect_eq "client height" 429 "$(kv client_height "$WINDOW")"
screen="$(vd screen)"
expect_near "left, centred" $((($(kv width "$screen") - $(kv width "$WINDOW")) / 2)) \
  "$(kv left "$WINDOW")" 1
is "Play with no clip" enabled "$PLAY" 0
is "Stop with no clip" enabled "$STOP" 0
is "surface with no clip" visible "$SURFACE" 0
for part in "$INSTRUCTION1" "$INSTRUCTION2" "$LINE1" "$LINE2"; do
  is "instruction part $part with no clip" visible "$part" 1
done
expect_eq "first instruction" "$(ini_value "frmRUNAVI Text" Instruction1)" \
  "$(vd text "$VIDEO_TITLE" "$INSTRUCTION1")"
count=0
while [[ -n "$(ini_value "AVI$count" BUTTON)" ]]; do
  expect_eq "label $count" "$(ini_value "AVI$count" BUTTON)" "$(vd text "$VIDEO_TITLE" "$(label $count)")"
  is "label $count" visible "$(label $count)" 1
  count=$((count + 1))
done
((count >= 2)) || fail "the sample lists $count clips; the cases need two at least"
((count < 10)) && is "label $count, past the list" visible "$(label $count)" 0
screenshots_wanted && screenshot_window "$VIDEO_TITLE" video-disable "$PLAY"

# --- The about box, from a double click on the button bar --------------------------------
vd dblclick "$VIDEO_TITLE" "$BAR" || fail "could not double-click the button bar"
vd wait-window "$VIDEO_TITLE" 3000 --with 1 >/dev/null || fail "no about box from the button bar"
version="$(sed -n 's/^project(vantor VERSION \([0-9.]*\).*/\1/p' "$VANTOR_ROOT/CMakeLists.txt")"
expect_eq "about box version line" "Vantor.exe  ${version}e" \
  "$(vd controls "$VIDEO_TITLE" --with 1 | sed -n 's/.* text=\(Vantor\.exe .*\)/\1/p')"
expect_eq "video window under the about box" 0 "$(vd enabled "$VIDEO_TITLE" 0 --with "$PLAY")"
vd click "$VIDEO_TITLE" 1 || fail "could not press OK in the about box"
vd wait-gone "$VIDEO_TITLE" 2000 --with 1 || fail "the about box stayed open"
expect_eq "video window once the about box is closed" 1 "$(vd enabled "$VIDEO_TITLE" 0 --with "$PLAY")"

vd click-frame "$VIDEO_TITLE" "$(label 0)" "$SURFACE" 5000 >/dev/null ||
  fail "a click on clip 0 shows no frame"
is "Stop once a clip plays" enabled "$STOP" 1
is "instruction once a clip plays" visible "$INSTRUCTION1" 0
is "first line once a clip plays" visible "$LINE1" 0
screenshots_wanted && screenshot_window "$VIDEO_TITLE" video-play "$PLAY"

# --- Moved, then Quit: the place is kept ------------------------------------------------------
vd move "$VIDEO_TITLE" 150 100 --with "$PLAY" >/dev/null || fail "the window could not be moved"
quit_video
expect_eq "AVIPosition left" 2250 "$(ini_get AVIPosition left)"
expect_eq "AVIPosition top" 1500 "$(ini_get AVIPosition top)"
expect_eq "AVIPosition width, the outer width in twips" $(($(kv width "$WINDOW") * 15)) \
  "$(ini_get AVIPosition width)"

open_video 1001
expect_eq "left where it was left" 150 "$(kv left "$WINDOW")"
expect_eq "top where it was left" 100 "$(kv top "$WINDOW")"
wait_frame 5000
is "Stop with clip 1 started" enabled "$STOP" 1
clip1_caption="$(caption)"

# --- A second video start takes its place --------------------------------------------------------
vd move "$VIDEO_TITLE" 200 120 --with "$PLAY" >/dev/null || fail "the window could not be moved"
first=$VANTOR_PID first_report=$REPORT
REPORT="$CASE_TMP/second.txt"
start_vantor "$REPORT" 1002
second=$VANTOR_PID
finish_vantor "$first"
expect_eq "exit code of the window taken over" 0 "$(kv exit "$(report "$first_report")")"
VANTOR_PID=$second
WINDOW="$(vd wait-window "$VIDEO_TITLE" 10000 --with "$PLAY")" || fail "the new video window did not open"
expect_eq "left of the new window" 200 "$(kv left "$WINDOW")"
expect_eq "top of the new window" 120 "$(kv top "$WINDOW")"
wait_frame 5000
[[ "$(caption)" != "$clip1_caption" ]] || fail "the new window plays clip 1, not clip 2"
expect_eq "AVIPosition left after the takeover" 3000 "$(ini_get AVIPosition left)"

# --- Quit without a move writes nothing ---------------------------------------------------------
cp "$INSTALL/zthelp.ini" "$CASE_TMP/before-quit.ini"
quit_video
cmp "$CASE_TMP/before-quit.ini" "$INSTALL/zthelp.ini" || fail "Quit without a move changed zthelp.ini"
echo "ok: zthelp.ini unchanged by Quit without a move"
