#!/usr/bin/env bash
# Command lines the program cannot use as a launch mode end in an orderly
# way: no crash, no window, a plain exit code, nothing written. Out of the
# 16-bit range (40000, -40000, &H10000) ends at once like an empty command
# line; text that is no number is mode 0, a video start that ends quietly
# while no clip folder is found.
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
INI
before="$(md5sum <"$INSTALL/zthelp.ini")"

for command_line in 40000 -40000 "&H10000" 99999999999 abc "  x7"; do
  line="$(launch "$command_line")" || fail "'$command_line': the program did not end: $line"
  echo "$line"
  expect_eq "'$command_line': exit code" 0 "$(kv exit "$line")"
  expect_eq "'$command_line': windows shown" 0 "$(kv windows "$line")"
done
expect_eq "settings file unchanged" "$before" "$(md5sum <"$INSTALL/zthelp.ini")"
