#!/usr/bin/env bash
# Very long command lines, beyond the odd ones of odd_command_lines: a
# number of 30000 digits (out of range: ends at once like an empty command
# line), a 7 with 20000 zeros before it or blanks after it (the coach), a
# 7 whose fraction has 20000 zeros, and 30000 letters (no number: mode 0,
# the clip search, whose prompt's Cancel ends it). Nothing is written.
# shellcheck source=../lib.sh
source "$E2E_LIB"

COACH_CANCEL=204 NOCD_CANCEL=306
new_install <"$VANTOR_ROOT/sample/zthelp.ini"
ini_set "AVI Setup" volumeString NOSUCHCD
keep_ini
repeat() { printf "%${2}s" "" | tr ' ' "$1"; }

outcome "30000 digits" 0 "" "$(repeat 9 30000)"
outcome "20000 zeros, then 7" 1 "close:$COACH_CANCEL" "$(repeat 0 20000)7"
outcome "7, then 20000 blanks" 1 "close:$COACH_CANCEL" "7$(repeat ' ' 20000)"
outcome "7. and 20000 zeros" 1 "close:$COACH_CANCEL" "7.$(repeat 0 20000)"
outcome "30000 letters" 1 "click:$NOCD_CANCEL" "$(repeat x 30000)"
outcome "1001 and 20000 tabs and blanks" 1 "click:$NOCD_CANCEL" \
  "1001$(repeat $'\t' 10000)$(repeat ' ' 10000)"
ini_kept "long command lines"
