#!/usr/bin/env bash
# A coach closed while minimised remembers where it stood normally, not
# where its minimised caption sat. Not moved, it writes nothing, so that its
# seat beside the host's window stays; moved and then minimised, it opens
# next time where it was moved to.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_doubles SelectionValid=1 PreviewDone=1
coach="$(ini_get "frmCoach Text" Title)" || fail "the sample has no coach title"
host="$(ini_get General CallingAppName)" || fail "the sample has no host title"
start_standin "$CASE_TMP/host-window.txt" "$host" 40 60 400 480

# open_coach: starts the coach and sets `window` to its rectangle.
open_coach() {
  start_vantor "$CASE_TMP/run.txt" 7
  window="$(vd wait-window "$coach" 10000)" || fail "the coach did not open"
  echo "$window"
}

# minimise_and_close <what>: the minimise box, then the close box; the
# program ends with exit code 0.
minimise_and_close() {
  vd minimize "$coach" || fail "$1: could not minimise the coach"
  local tries rect
  for ((tries = 0; tries < 40; tries++)); do
    rect="$(vd rect "$coach")"
    (($(kv width "$rect") != $(kv width "$window"))) && break
    sleep 0.05
  done
  echo "minimised: $rect"
  (($(kv width "$rect") != $(kv width "$window"))) || fail "$1: the coach was not minimised"
  vd close "$coach" || fail "$1: could not close the coach"
  finish_vantor
  expect_eq "$1: exit code" 0 "$(kv exit "$(report "$CASE_TMP/run.txt")")"
}

# Seated beside the host: its left edge on the host's right edge, one eighth
# of the host's height below its top.
open_coach
expect_eq "seat left" 440 "$(kv left "$window")"
expect_eq "seat top" 120 "$(kv top "$window")"
minimise_and_close "not moved"
expect_eq "CoachPosition after a minimised close without a move" "" \
  "$(ini_get CoachPosition width 2>/dev/null)"

open_coach
expect_eq "the seat beside the host again: left" 440 "$(kv left "$window")"
vd move "$coach" 120 90 >/dev/null || fail "could not move the coach"
minimise_and_close "moved"
expect_eq "CoachPosition left" 1800 "$(ini_get CoachPosition left)"
expect_eq "CoachPosition top" 1350 "$(ini_get CoachPosition top)"
expect_eq "CoachPosition width" $(($(kv width "$window") * 15)) "$(ini_get CoachPosition width)"
expect_eq "CoachPosition windowstate" 1 "$(ini_get CoachPosition windowstate)"

open_coach
expect_eq "restored left" 120 "$(kv left "$window")"
expect_eq "restored top" 90 "$(kv top "$window")"
vd close "$coach" || fail "could not close the coach"
finish_vantor

vd close "$host" || fail "could not close the host's window"
wait "$STANDIN_PID"
