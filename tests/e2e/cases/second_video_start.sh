#!/usr/bin/env bash
# A video start while another instance runs and a window titled like the
# video window is open: the new start copies that window's rectangle into
# [AVIPosition] (pixels x 15 twips), sends it the close message and opens
# its own video window there. Starts with a mode that is no video mode (5,
# or letters) open a video window of their own but leave that window alone.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install <<'INI'
[General]
ChoiceOnCoachDoubleClick=1
[frmCoach Text]
Title=Scan Coach (test)
[frmRUNAVI Text]
Title=How-To Videos (test)
[frmChoice Text]
Title=Open what?
[AVIPosition]
left=-1
top=-1
width=-1
height=-1
INI
# The clips are found where they were last, so that video starts open the
# video window without asking for them.
: >"$INSTALL/vantor-clips.id"
{
  printf '[AVI Setup]\nkeyFile=vantor-clips.id\n[General]\nMoviesLastFoundAt=%s\n' "$INSTALL_WIN"
  tail -n +2 "$INSTALL/zthelp.ini" | tr -d '\r' # all but its first line, [General]
  printf '[AVI0]\nBUTTON=Scanning\nFile=scanning.avi\n'
} >"$CASE_TMP/ini"
write_ini <"$CASE_TMP/ini"

# The first instance: its coach keeps it running. (One that still waits
# in its choice dialog would take these starts for a double click and be
# brought forward instead.)
host_doubles
start_vantor "$CASE_TMP/first.txt" 7
first=$VANTOR_PID
vd wait-window "Scan Coach (test)" 10000 >/dev/null || fail "the first instance did not start"

# The old video window, 400 x 300 pixels at (100, 80).
video="How-To Videos (test)"
start_standin "$CASE_TMP/standin.txt" "$video" 100 80 400 300

# The video window holds Quit (503); the stand-in holds no controls.
quit=503
for command_line in 5 abc; do
  start_vantor "$CASE_TMP/other.txt" "$command_line"
  vd wait-window "$video" 10000 --with $quit >/dev/null ||
    fail "'$command_line': no video window opened"
  vd close "$video" --with $quit || fail "'$command_line': could not close the video window"
  finish_vantor
done
if vd wait-gone "$video" 500 2>/dev/null; then
  fail "a start with mode 5 or letters closed the old video window"
fi
expect_eq "AVIPosition width after modes 5 and 0" -1 "$(ini_get AVIPosition width)"

start_vantor "$CASE_TMP/second.txt" 1003
second=$VANTOR_PID
wait "$STANDIN_PID"
expect_eq "old video window" "closed by WM_CLOSE" "$(report "$CASE_TMP/standin.txt" | tail -n 1)"
expect_eq "AVIPosition left" 1500 "$(ini_get AVIPosition left)"
expect_eq "AVIPosition top" 1200 "$(ini_get AVIPosition top)"
expect_eq "AVIPosition width" 6000 "$(ini_get AVIPosition width)"
expect_eq "AVIPosition height" 4500 "$(ini_get AVIPosition height)"

# The new window opens where the old one was, without clip 3, which the
# list does not hold.
line="$(vd wait-window "$video" 10000 --with $quit)" || fail "the second start opened no window"
expect_eq "new video window left" 100 "$(kv left "$line")"
expect_eq "new video window top" 80 "$(kv top "$line")"
expect_eq "Stop without a clip" 0 "$(vd enabled "$video" 502)"
vd close "$video" --with $quit || fail "could not close the new video window"
finish_vantor "$second"

vd close "Scan Coach (test)" || fail "could not close the first instance's coach"
finish_vantor "$first"
expect_eq "first instance exit code" 0 "$(kv exit "$(report "$CASE_TMP/first.txt")")"
