#!/usr/bin/env bash
# The choice dialog as the user first sees it: texts from the settings
# file (which a screen reader reads too), the coach preselected, the
# designed client size, centred on the screen. Cancel ends the program
# without opening anything.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install <<'INI'
[General]
ChoiceOnCoachDoubleClick=1
[frmCoach Text]
Title=Vantor Scan Coach
[frmRUNAVI Text]
Title=Vantor How-To Videos
[frmChoice Text]
Title=Vantor Help
Question=What would you like to do?
[All Forms Text]
OKButton=Open
CancelButton=Not Now
INI

dialog="Vantor Help"
start_vantor "$CASE_TMP/run.txt"
line="$(vd wait-window "$dialog" 10000)" || fail "the choice dialog did not show"
echo "$line"

expect_eq "question" "What would you like to do?" "$(vd text "$dialog" 101)"
expect_eq "first option" "Vantor Scan Coach" "$(vd text "$dialog" 102)"
expect_eq "second option" "Vantor How-To Videos" "$(vd text "$dialog" 103)"
expect_eq "OK button" "Open" "$(vd text "$dialog" 1)"
expect_eq "Cancel button" "Not Now" "$(vd text "$dialog" 2)"
readable "$dialog"
expect_eq "first option selected" 1 "$(vd checked "$dialog" 102)"
expect_eq "second option selected" 0 "$(vd checked "$dialog" 103)"

# The client area is 4065 x 1890 twips as designed: 271 x 126 pixels at 15
# twips per pixel.
expect_near "client width" 271 "$(kv client_width "$line")" 1
expect_near "client height" 126 "$(kv client_height "$line")" 1

screen="$(vd screen)"
width=$(kv width "$line") height=$(kv height "$line")
expect_near "left (centred)" $((($(kv width "$screen") - width) / 2)) "$(kv left "$line")" 2
expect_near "top (centred)" $((($(kv height "$screen") - height) / 2)) "$(kv top "$line")" 2

screenshot_window "$dialog" choice-dialog

vd click "$dialog" 2 || fail "could not press Cancel"
finish_vantor
result="$(report "$CASE_TMP/run.txt")"
echo "$result"
expect_eq "exit code after Cancel" 0 "$(kv exit "$result")"
expect_eq "windows shown" 1 "$(kv windows "$result")"
