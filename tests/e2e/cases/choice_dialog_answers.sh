#!/usr/bin/env bash
# Every way out of the choice dialog and what follows: Enter (a real key
# press) presses OK and picks the preselected coach, the close box keeps the
# coach; either way the coach window opens, and closing it ends the program
# (exit code 0). The second option with OK picks the video window, whose
# search for the clips asks for them here; cancelling that ends the program
# quietly (0). Escape is Cancel (0).
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
[frmNoCD Text]
Title=Clips Not Found (test)
[All Forms Text]
OKButton=OK
CancelButton=Cancel
INI

host_doubles
dialog="Open what?"
coach="Scan Coach (test)"

# answer <what> <expected exit code, or "coach"> <driver command...>: opens
# the dialog, answers it with the driver command and checks how the program
# ends; "coach": the coach window opens, and its close box ends the program
# with exit code 0.
answer() {
  local what="$1" expected="$2"
  shift 2
  start_vantor "$CASE_TMP/run.txt"
  vd wait-window "$dialog" 10000 >/dev/null || fail "$what: the choice dialog did not show"
  "$@" || fail "$what: the driver could not answer"
  if [[ "$expected" == coach ]]; then
    vd wait-window "$coach" 10000 >/dev/null || fail "$what: the coach did not open"
    vd wait-gone "$dialog" 1000 || fail "$what: the choice dialog stayed"
    vd close "$coach" || fail "$what: could not close the coach"
    expected=0
  fi
  finish_vantor
  local result
  result="$(report "$CASE_TMP/run.txt")"
  expect_eq "$what: exit code" "$expected" "$(kv exit "$result")"
}

answer "Enter" coach vd key "$dialog" enter
answer "close box" coach vd close "$dialog"
answer "Escape" 0 vd key "$dialog" escape
pick_videos() {
  vd click "$dialog" 103 && expect_eq "second option selected" 1 "$(vd checked "$dialog" 103)" &&
    expect_eq "first option cleared" 0 "$(vd checked "$dialog" 102)" && vd click "$dialog" 1 &&
    vd wait-window "Clips Not Found (test)" 10000 >/dev/null &&
    vd click "Clips Not Found (test)" 306
}
answer "second option and OK" 0 pick_videos
