#!/usr/bin/env bash
# The sample clips are what tools/clipgen writes, and each plays under Wine
# to its end through the video window's command strings (mciplay.exe), the
# one with a sound track too, although the test bed has no sound output.
# shellcheck source=../lib.sh
source "$E2E_LIB"

clipgen="$VANTOR_ROOT/tools/clipgen"
python3 "$clipgen/avi_test.py" 2>&1 | tail -1 | grep -qx OK || fail "the AVI writer's checks failed"
python3 "$clipgen/clipgen.py" --check || fail "sample/clips is not what clipgen.py writes"

player="$VANTOR_WIN_BIN/mciplay.exe"
[[ -f "$player" ]] || fail "$player is not built"
# The path goes into the open command unquoted: a folder without blanks.
folder="$WINEPREFIX/drive_c/e2e/$CASE_NAME"
rm -rf "$folder"
mkdir -p "$folder"
cp "$player" "$VANTOR_ROOT"/sample/clips/*.avi "$folder/"

for clip in "$folder"/*.avi; do
  name="$(basename "$clip")"
  win_run 20 "$(to_winpath "$folder/mciplay.exe")" "$(to_winpath "$clip")" >"$CASE_TMP/$name.txt"
  code=$?
  log="$(tr -d '\r' <"$CASE_TMP/$name.txt")"
  grep -v 'reply="playing"' <<<"$log"
  expect_eq "$name: exit code" 0 "$code"
  expect_eq "$name: failed commands" 0 "$(grep -c 'code=[1-9]' <<<"$log")"
  expect_eq "$name: surface" "320x240" "$(sed -n 's/^open_ms=[0-9]* surface=//p' <<<"$log")"
  # The clips are 4.5 and 5 s long; the 500 ms poll sees the end within a tick.
  play_ms="$(sed -n 's/^result=stopped play_ms=//p' <<<"$log")"
  [[ -n "$play_ms" ]] || fail "$name: did not play to its end"
  ((play_ms >= 4000 && play_ms <= 5600)) || fail "$name: played for $play_ms ms"
done
