#!/usr/bin/env bash
# A video start while another instance runs and a window titled like the
# video window is open: the new start copies that window's rectangle into
# [AVIPosition] (pixels x 15 twips) and sends it the close message before it
# looks for the clips. Starts with a mode that is no video mode (5, or
# letters) leave that window alone.
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
[frmNoCD Text]
Title=Clips Not Found (test)
[AVIPosition]
left=-1
top=-1
width=-1
height=-1
INI

# The first instance: its choice dialog keeps it running.
start_vantor "$CASE_TMP/first.txt"
first=$VANTOR_PID
vd wait-window "Open what?" 10000 >/dev/null || fail "the first instance did not start"

# The old video window, 400 x 300 pixels at (100, 80).
video="How-To Videos (test)"
start_standin "$CASE_TMP/standin.txt" "$video" 100 80 400 300

# Every start here finds no clips and asks for them; the old video window
# is dealt with before that, and declining ends the start.
for command_line in 5 abc; do
  start_vantor "$CASE_TMP/other.txt" "$command_line"
  decline_clip_prompt "'$command_line'" "Clips Not Found (test)"
  finish_vantor
done
if vd wait-gone "$video" 500 2>/dev/null; then
  fail "a start with mode 5 or letters closed the old video window"
fi
expect_eq "AVIPosition width after modes 5 and 0" -1 "$(ini_get AVIPosition width)"

start_vantor "$CASE_TMP/second.txt" 1003
vd wait-gone "$video" 5000 || fail "the old video window was not closed"
decline_clip_prompt "1003" "Clips Not Found (test)"
finish_vantor
report "$CASE_TMP/second.txt"
wait "$STANDIN_PID"
expect_eq "old video window" "closed by WM_CLOSE" "$(report "$CASE_TMP/standin.txt" | tail -n 1)"
expect_eq "AVIPosition left" 1500 "$(ini_get AVIPosition left)"
expect_eq "AVIPosition top" 1200 "$(ini_get AVIPosition top)"
expect_eq "AVIPosition width" 6000 "$(ini_get AVIPosition width)"
expect_eq "AVIPosition height" 4500 "$(ini_get AVIPosition height)"

vd click "Open what?" 2 || fail "could not cancel the first instance's dialog"
finish_vantor "$first"
expect_eq "first instance exit code" 0 "$(kv exit "$(report "$CASE_TMP/first.txt")")"
