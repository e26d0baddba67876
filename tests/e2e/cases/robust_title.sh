#!/usr/bin/env bash
# A help title and background pictures that arrive broken: the title
# missing, cut off in the middle of a topic, of 5 MB, of junk bytes, or
# without the topics the task names; the two pictures missing, cut off or
# junk. The coach opens for each, shows what it can (a missing topic shows
# only the background), walks on and ends; no message, nothing written.
# shellcheck source=../lib.sh
source "$E2E_LIB"

NEXT=203 BACK=202 COACH_CANCEL=204 PANE=210
walk="click:$NEXT click:$NEXT click:$NEXT click:$BACK click:$NEXT click:$NEXT click:$NEXT"
walk+=" wait:$PANE close:$COACH_CANCEL"
title="$VANTOR_ROOT/sample/Vantor.m14"
junk() {  # junk <bytes> <seed>
  python3 -c 'import random, sys; r = random.Random(int(sys.argv[2])); sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(int(sys.argv[1]))))' "$1" "$2"
}

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_doubles SelectionValid=1 PreviewDone=1
keep_ini

# coach <what>: the coach with the install as it is now, walked through.
coach() {
  outcome "$1" 1 "$walk" 7
  expect_eq "$1: the coach's title" "Vantor Scan Coach" "$OUTCOME_TITLES"
}

rm "$INSTALL/Vantor.m14"
coach "help title missing"
head -c 1500 "$title" >"$INSTALL/Vantor.m14"
coach "help title cut off"
for ((copy = 0; copy < 900; copy++)); do cat "$title"; done >"$INSTALL/Vantor.m14"
coach "help title of 5 MB"
junk 200000 3 >"$INSTALL/Vantor.m14"
coach "help title of junk"
sed 's/^@topic \(.*\)/@topic other_\1/' "$title" >"$INSTALL/Vantor.m14"
coach "help title without the task's topics"
# The first topic one word of 1 MB: broken between characters, line by
# line, it keeps the coach busy for a second or two.
{ echo "@topic scan_welcome" && head -c 1000000 /dev/zero | tr '\0' 'W'; } >"$INSTALL/Vantor.m14"
outcome "one word of 1 MB" 1 "wait:$PANE close:$COACH_CANCEL" 7

cp "$title" "$INSTALL/Vantor.m14"
rm "$INSTALL/mvback37.bmp" "$INSTALL/mvbackWH.bmp"
coach "background pictures missing"
head -c 60 "$VANTOR_WIN_BIN/mvback37.bmp" >"$INSTALL/mvback37.bmp"
junk 5000 5 >"$INSTALL/mvbackWH.bmp"
coach "background pictures cut off and junk"
ini_kept "broken help titles"
