#!/usr/bin/env bash
# Command lines the program cannot use as a launch mode end in an orderly
# way: no crash, a plain exit code, nothing written. Out of the 16-bit range
# (40000, -40000, &H10000) ends at once like an empty command line, showing
# nothing; text that is no number is mode 0, a video start: with no clips
# anywhere it asks for them, and ends quietly when the user cancels.
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
INI
before="$(md5sum <"$INSTALL/zthelp.ini")"

for command_line in 40000 -40000 "&H10000" 99999999999; do
  line="$(launch "$command_line")" || fail "'$command_line': the program did not end: $line"
  echo "$line"
  expect_eq "'$command_line': exit code" 0 "$(kv exit "$line")"
  expect_eq "'$command_line': windows shown" 0 "$(kv windows "$line")"
done

for command_line in abc "  x7"; do
  start_vantor "$CASE_TMP/run.txt" "$command_line"
  vd wait-window "Clips Not Found (test)" 10000 >/dev/null ||
    fail "'$command_line': no prompt for the clips"
  vd click "Clips Not Found (test)" 306 || fail "'$command_line': could not cancel the prompt"
  finish_vantor
  line="$(report "$CASE_TMP/run.txt")"
  echo "$line"
  expect_eq "'$command_line': exit code" 0 "$(kv exit "$line")"
  expect_eq "'$command_line': windows shown" 1 "$(kv windows "$line")"
done
expect_eq "settings file unchanged" "$before" "$(md5sum <"$INSTALL/zthelp.ini")"
