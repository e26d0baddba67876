#!/usr/bin/env bash
# Every way out of the choice dialog and the launch mode it leaves: Enter
# (a real key press) presses OK and picks the preselected coach (7), the
# close box keeps the coach (7), the second option with OK picks the video
# window (9, which ends quietly while no clip folder is found), Escape is
# Cancel (0).
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
Question=Coach or videos?
[All Forms Text]
OKButton=OK
CancelButton=Cancel
INI

dialog="Open what?"

# answer <what> <expected exit code> <driver command...>: opens the dialog,
# answers it with the driver command and checks how the program ends.
answer() {
  local what="$1" expected="$2"
  shift 2
  start_vantor "$CASE_TMP/run.txt"
  vd wait-window "$dialog" 10000 >/dev/null || fail "$what: the choice dialog did not show"
  "$@" || fail "$what: the driver could not answer"
  finish_vantor
  local result
  result="$(report "$CASE_TMP/run.txt")"
  expect_eq "$what: exit code" "$expected" "$(kv exit "$result")"
}

answer "Enter" 7 vd key "$dialog" enter
answer "close box" 7 vd close "$dialog"
answer "Escape" 0 vd key "$dialog" escape
pick_videos() {
  vd click "$dialog" 103 && expect_eq "second option selected" 1 "$(vd checked "$dialog" 103)" &&
    expect_eq "first option cleared" 0 "$(vd checked "$dialog" 102)" && vd click "$dialog" 1
}
answer "second option and OK" 0 pick_videos
