#!/usr/bin/env bash
# A settings file that the program may read but not write, one that
# another program holds open, and an install folder whose path has
# characters beyond ASCII; a UTF-16 file written to. The coach asked to remember its place (moved,
# then cancelled) and to hide a page (its check box) gets no error and
# ends as usual when the file cannot take the writes; a file held open by
# another program reads as no file; the folder of the odd path is found.
# shellcheck source=../lib.sh
source "$E2E_LIB"

COACH_CANCEL=204 NOCD_CANCEL=306 DONT_SHOW=206 NEXT=203
sample="$VANTOR_ROOT/sample/zthelp.ini"

new_install <"$sample"
host_doubles SelectionValid=1 PreviewDone=1
# The writes that a writable file takes, for comparison.
outcome "writable" 1 "click:$DONT_SHOW click:$NEXT move:$COACH_CANCEL close:$COACH_CANCEL" 7
[[ "$(ini_value CoachPosition left)" == 1500 ]] || fail "a writable file did not take the position"
[[ -n "$(ini_value coachTopic0 HideTopic)" ]] || fail "a writable file did not take HideTopic"

new_install <"$sample"
host_doubles SelectionValid=1 PreviewDone=1
ini_read_only
keep_ini
outcome "read-only, hide a page and move" 1 \
  "click:$DONT_SHOW click:$NEXT move:$COACH_CANCEL close:$COACH_CANCEL" 7
expect_eq "coach title from a read-only file" "Vantor Scan Coach" "$OUTCOME_TITLES"
outcome "read-only, mode 9" 1 "click:$NOCD_CANCEL" 9
ini_kept "read-only"
ini_writable

keep_ini
wine "$VDRIVER" hold "$INI_WIN" 15000 >"$CASE_TMP/hold.txt" &
BACKGROUND_PIDS+=($!)
for ((tries = 0; tries < 100; tries++)); do
  grep -q '^ready' "$CASE_TMP/hold.txt" 2>/dev/null && break
  sleep 0.05
done
grep -q '^ready' "$CASE_TMP/hold.txt" || fail "the file could not be held open"
outcome "held open, empty start" 0 ""
outcome "held open, mode 7" 1 "move:$COACH_CANCEL close:$COACH_CANCEL" 7
outcome "held open, mode 9" 1 "click:$NOCD_CANCEL" 9
ini_kept "held open"

# A UTF-16 file takes the coach's place and stays UTF-16.
new_install utf16 <"$sample"
{ printf '\xff\xfe' && sed 's/\r$//; s/$/\r/' "$sample" | iconv -f UTF-8 -t UTF-16LE; } >"$INSTALL/zthelp.ini"
outcome "UTF-16, moved" 1 "move:$COACH_CANCEL close:$COACH_CANCEL" 7
expect_eq "byte-order mark after the write" "fffe" "$(head -c 2 "$INSTALL/zthelp.ini" | od -An -tx1 | tr -d ' ')"
expect_eq "CoachPosition left in UTF-16" 1500 "$(ini_get CoachPosition left)"

new_install "Café Übersetzung" <"$sample"
keep_ini
outcome "path beyond ASCII, mode 7" 1 "close:$COACH_CANCEL" 7
expect_eq "coach title from a folder beyond ASCII" "Vantor Scan Coach" "$OUTCOME_TITLES"
ini_kept "path beyond ASCII"
