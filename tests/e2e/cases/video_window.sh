#!/usr/bin/env bash
# The video window with the sample clips in the folder where they were found
# last: `vantor.exe 9` opens it without a clip, the instruction and its lines
# shown, Play and Stop disabled, no video surface; a click on the first clip
# plays it (Stop enabled, the surface up, the instruction gone, the poll
# noticing the end of the clip); Quit ends the program and, the window not
# moved, saves no position.
# shellcheck source=../lib.sh
source "$E2E_LIB"

title="How-To Videos (e2e)"
new_install </dev/null
clips="$INSTALL/clips"
mkdir -p "$clips"
cp "$VANTOR_ROOT"/sample/clips/* "$clips/"
write_ini <<INI
[General]
MoviesLastFoundAt=$INSTALL_WIN\\clips
[AVI Setup]
keyFile=vantor-clips.id
[frmRUNAVI Text]
Title=$title
QuitButton=Quit
Instruction1=Click a clip on the left.
Instruction2=It plays here.
[AVI0]
BUTTON=Place the page
File=place.avi
[AVI1]
BUTTON=" "
[AVI2]
BUTTON=Preview scan
File=preview.avi
INI

play=501 stop=502 quit=503 surface=522
start_vantor "$CASE_TMP/run.txt" 9
vd wait-window "$title" 10000 >/dev/null || fail "the video window did not open"

line="$(vd client "$title")"
expect_eq "client width" 630 "$(kv width "$line")"
expect_eq "client height" 429 "$(kv height "$line")"
expect_eq "first clip" "Place the page" "$(vd text "$title" 510)"
expect_eq "blank entry shown" 0 "$(vd visible "$title" 511)"
expect_eq "third clip" 1 "$(vd visible "$title" 512)"
for id in 530 531 532 533; do
  expect_eq "instruction part $id in \"disable\"" 1 "$(vd visible "$title" $id)"
done
expect_eq "Play in \"disable\"" 0 "$(vd enabled "$title" $play)"
expect_eq "Stop in \"disable\"" 0 "$(vd enabled "$title" $stop)"
expect_eq "surface in \"disable\"" 0 "$(vd visible "$title" $surface)"

vd click "$title" 510 --mouse >/dev/null || fail "could not click the first clip"
vd wait-enabled "$title" $stop 3000 >/dev/null || fail "Stop stayed disabled after a clip click"
expect_eq "Play while playing" 1 "$(vd enabled "$title" $play)"
expect_eq "surface while playing" 1 "$(vd visible "$title" $surface)"
expect_eq "instruction while playing" 0 "$(vd visible "$title" 530)"

# The sample clips last a few seconds; the poll turns Stop off at the end.
deadline=$(($(now_ms) + 9000))
while [[ "$(vd enabled "$title" $stop)" == 1 ]] && (($(now_ms) < deadline)); do sleep 0.2; done
expect_eq "Stop after the clip ended" 0 "$(vd enabled "$title" $stop)"

vd click "$title" $quit >/dev/null || fail "could not press Quit"
finish_vantor
expect_eq "exit code" 0 "$(kv exit "$(report "$CASE_TMP/run.txt")")"
if vd ini-get "$INI_WIN" AVIPosition left >/dev/null 2>&1; then
  fail "an unmoved window saved its position"
fi
