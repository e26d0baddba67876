#!/usr/bin/env bash
# A video start while another instance runs and a window titled like the
# video window is open: the new start copies that window's rectangle into
# [AVIPosition] (pixels x 15 twips) and sends it the close message. Starts
# with a mode that is no video mode (5, or letters) leave that window alone.
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
# The clips are found where they were last, so that video starts end
# without asking for them.
: >"$INSTALL/vantor-clips.id"
{
  printf '[AVI Setup]\nkeyFile=vantor-clips.id\n[General]\nMoviesLastFoundAt=%s\n' "$INSTALL_WIN"
  tail -n +2 "$INSTALL/zthelp.ini" | tr -d '\r' # all but its first line, [General]
} >"$CASE_TMP/ini"
write_ini <"$CASE_TMP/ini"

# The first instance: its choice dialog keeps it running.
start_vantor "$CASE_TMP/first.txt"
first=$VANTOR_PID
vd wait-window "Open what?" 10000 >/dev/null || fail "the first instance did not start"

# The old video window, 400 x 300 pixels at (100, 80).
video="How-To Videos (test)"
start_standin "$CASE_TMP/standin.txt" "$video" 100 80 400 300

for command_line in 5 abc; do
  other="$(launch "$command_line")" || fail "'$command_line': the start did not end: $other"
done
if vd wait-gone "$video" 500 2>/dev/null; then
  fail "a start with mode 5 or letters closed the old video window"
fi
expect_eq "AVIPosition width after modes 5 and 0" -1 "$(ini_get AVIPosition width)"

second="$(launch 1003)" || fail "the second start did not end: $second"
echo "$second"

vd wait-gone "$video" 5000 || fail "the old video window was not closed"
wait "$STANDIN_PID"
expect_eq "old video window" "closed by WM_CLOSE" "$(report "$CASE_TMP/standin.txt" | tail -n 1)"
expect_eq "AVIPosition left" 1500 "$(ini_get AVIPosition left)"
expect_eq "AVIPosition top" 1200 "$(ini_get AVIPosition top)"
expect_eq "AVIPosition width" 6000 "$(ini_get AVIPosition width)"
expect_eq "AVIPosition height" 4500 "$(ini_get AVIPosition height)"

vd click "Open what?" 2 || fail "could not cancel the first instance's dialog"
finish_vantor "$first"
expect_eq "first instance exit code" 0 "$(kv exit "$(report "$CASE_TMP/first.txt")")"
