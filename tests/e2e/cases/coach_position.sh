#!/usr/bin/env bash
# Where the coach opens and when it remembers it. Without the host's window
# it opens centred; moved and cancelled it writes [CoachPosition] (left and
# top in twips, pixels x 15) and opens there next time; moved and finished
# it writes nothing; neither does a coach that was not moved. A second
# start while the coach runs brings that coach forward and ends at once.
# The keyboard: Next has the focus at first, so Enter moves on; Escape is
# Cancel.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
# A finished preview: Next goes through page 2 without the progress window.
host_doubles SelectionValid=1 PreviewDone=1

coach="$(ini_get "frmCoach Text" Title)" || fail "the sample has no coach title"
finish_text="$(ini_get "frmCoach Text" FinishButton)" || fail "the sample has no Finish text"
back=202 next=203 first_step_label=240

# Starts the coach and sets `window` to what the driver reports of it.
open_coach() {
  start_vantor "$CASE_TMP/run.txt" 7
  window="$(vd wait-window "$coach" 10000)" || fail "the coach did not open"
  echo "$window"
}

# ends_with <exit code>: the program has ended with that code.
ends_with() {
  finish_vantor
  expect_eq "exit code" "$1" "$(kv exit "$(report "$CASE_TMP/run.txt")")"
}

settings_digest() {
  md5sum <"$INSTALL/zthelp.ini"
}

# --- First run: centred; Enter; moved, then Escape -------------------------------
open_coach
screen="$(vd screen)"
expect_near "left, centred" $((($(kv width "$screen") - $(kv width "$window")) / 2)) \
  "$(kv left "$window")" 1
expect_near "top, centred" $((($(kv height "$screen") - $(kv height "$window")) / 2)) \
  "$(kv top "$window")" 1
expect_eq "Back on the first page" 0 "$(vd enabled "$coach" $back)"
vd key "$coach" enter || fail "could not press Enter"
vd wait-enabled "$coach" $back 3000 >/dev/null || fail "Enter did not press the focused Next"
vd move "$coach" 120 90 || fail "could not move the coach"
vd key "$coach" escape || fail "could not press Escape"
ends_with 0
expect_eq "CoachPosition left" 1800 "$(ini_get CoachPosition left)"
expect_eq "CoachPosition top" 1350 "$(ini_get CoachPosition top)"
expect_eq "CoachPosition width" $(($(kv width "$window") * 15)) "$(ini_get CoachPosition width)"
expect_eq "CoachPosition height" $(($(kv height "$window") * 15)) "$(ini_get CoachPosition height)"
expect_eq "CoachPosition windowstate" 0 "$(ini_get CoachPosition windowstate)"

# --- Second run: where it was left; moved, then Finish ---------------------------
open_coach
expect_eq "restored left" 120 "$(kv left "$window")"
expect_eq "restored top" 90 "$(kv top "$window")"
before="$(settings_digest)"
vd move "$coach" 200 100 || fail "could not move the coach"
# The last step's label leads to its first page; Next from there to Finish.
for ((label = first_step_label + 5; label > first_step_label; label--)); do
  [[ "$(vd visible "$coach" $label)" == 1 ]] && break
done
vd click "$coach" $label || fail "could not click the last step's label"
for ((tries = 0; tries < 10; tries++)); do
  [[ "$(vd text "$coach" $next)" == "$finish_text" ]] && break
  vd click "$coach" $next || fail "could not press Next"
done
vd click "$coach" $next || fail "could not press Finish"
ends_with 0
expect_eq "settings after a move and Finish" "$before" "$(settings_digest)"

# --- Third run: not moved; a second start; the close box -------------------------
new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_doubles SelectionValid=1 PreviewDone=1
before="$(settings_digest)"
open_coach
start_standin "$CASE_TMP/other.txt" "Another program" 600 500 300 200
vd activate "Another program" || fail "could not bring the other window forward"
second="$(launch 7)" || fail "the second start did not end: $second"
echo "$second"
expect_eq "second start: exit code" 0 "$(kv exit "$second")"
expect_eq "second start: windows shown" 0 "$(kv windows "$second")"
expect_eq "foreground after the second start" "$coach" "$(vd foreground)"
expect_eq "coach windows" 1 "$(vd list | sed -n 's/.* title=//p' | grep -cxF "$coach")"
vd close "$coach" || fail "could not close the coach"
ends_with 0
expect_eq "settings after closing a coach that was not moved" "$before" "$(settings_digest)"

vd close "Another program" || fail "could not close the other window"
wait "$STANDIN_PID"
