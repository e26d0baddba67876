#!/usr/bin/env bash
# A broken settings file, in each launch mode that reads it: the empty
# start (the choice setting), 7 (the coach) and 9 (the clip search and the
# video window). Every run ends in order: a file that cannot be read reads
# as no file (nothing shown at the empty start, a coach without texts or
# task, the missing-CD prompt whose Cancel ends the program), a file that
# can be read shows its windows. No run changes a byte of the file.
# shellcheck source=../lib.sh
source "$E2E_LIB"

CHOICE_CANCEL=2 COACH_CANCEL=204 NOCD_CANCEL=306
sample="$VANTOR_ROOT/sample/zthelp.ini"

# every_mode <what> <windows at the empty start> <steps at the empty start>:
# the three launch modes with the install's zthelp.ini as it is now.
every_mode() {
  keep_ini
  outcome "$1, empty start" "$2" "$3"
  outcome "$1, mode 7" 1 "close:$COACH_CANCEL" 7
  coach_title="$OUTCOME_TITLES"
  outcome "$1, mode 9" 1 "click:$NOCD_CANCEL" 9
  ini_kept "$1"
}

new_install <"$sample"
rm "$INSTALL/zthelp.ini"
every_mode "missing" 0 ""
expect_eq "coach title without settings" "" "$coach_title"

: >"$INSTALL/zthelp.ini"
every_mode "0 bytes" 0 ""

python3 -c 'import random, sys; r = random.Random(11); sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(65536)))' >"$INSTALL/zthelp.ini"
every_mode "binary junk" 0 ""

# 5 MB of notes the translators left, before the program's own sections.
{
  printf '[Notes]\r\n'
  awk 'BEGIN { for (i = 0; i < 100000; i++) printf "Note%06d=A line of the translation notes, kept here.\r\n", i }'
  sed 's/\r$//; s/$/\r/' "$sample"
} >"$INSTALL/zthelp.ini"
size=$(stat -c %s "$INSTALL/zthelp.ini")
((size > 5000000)) || fail "the large file has only $size bytes"
every_mode "5 MB" 1 "click:$CHOICE_CANCEL"
expect_eq "coach title from the 5 MB file" "Vantor Scan Coach" "$coach_title"

{ printf '\xff\xfe' && sed 's/\r$//; s/$/\r/' "$sample" | iconv -f UTF-8 -t UTF-16LE; } >"$INSTALL/zthelp.ini"
every_mode "UTF-16 with a byte-order mark" 1 "click:$CHOICE_CANCEL"
expect_eq "coach title from UTF-16" "Vantor Scan Coach" "$coach_title"

sed 's/\r$//' "$sample" >"$INSTALL/zthelp.ini"
every_mode "LF line ends" 1 "click:$CHOICE_CANCEL"
expect_eq "coach title with LF line ends" "Vantor Scan Coach" "$coach_title"

# One value of 100,000 characters: read as its first 255.
sed 's/\r$//; s/$/\r/' "$sample" >"$INSTALL/zthelp.ini"
ini_set "frmCoach Text" Title "$(printf 'T%.0s' {1..100000})"
keep_ini
outcome "a title of 100,000 characters, mode 7" 1 "close:$COACH_CANCEL" 7
expect_eq "length of the title shown" 255 "${#OUTCOME_TITLES}"
ini_kept "a title of 100,000 characters"
