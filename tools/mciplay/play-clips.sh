#!/usr/bin/env bash
# Plays clips through the bare player (mciplay.exe) under Wine, the way the
# test bed runs the program: a private Xvfb, the project's test prefix and
# no sound device. Prints every command's answer and, per clip, one line
#   clip=place.avi exit=0 result=stopped play_ms=5002 open_ms=19 wall_ms=5195
# With --shots DIR it also saves a picture of the screen halfway through
# each clip as DIR/<clip>.png; with --poll MS the player asks for the mode
# that often instead of every 500 ms.
#
#   tools/mciplay/play-clips.sh [--shots DIR] [--poll MS] [CLIP.avi ...]
#
# The clips default to sample/clips/*.avi.
#
# Needs the cross build (build/win32/bin/mciplay.exe).
set -u
. "$(dirname "$0")/../../scripts/lib/build.sh"
. "$VANTOR_ROOT/scripts/lib/wine-env.sh"

shots=
player_options=()
while (($# >= 2)); do
  case "$1" in
    --shots) shots="$(realpath -m "$2")" ;;
    --poll) player_options+=(--poll "$2") ;;
    *) break ;;
  esac
  shift 2
done
clips=("$@")
((${#clips[@]})) || clips=("$VANTOR_ROOT"/sample/clips/*.avi)
player="$VANTOR_WIN_BUILD/bin/mciplay.exe"
[[ -f "$player" ]] || { echo "play-clips: build the cross tree first ($player)" >&2; exit 2; }

wine_env_defaults
xvfb_start || exit 1
cleanup() {
  wineserver_stop
  xvfb_stop
}
trap cleanup EXIT
prefix_ensure || { echo "play-clips: could not build the Wine prefix" >&2; exit 1; }
wineserver_start

# The multimedia layer takes the path unquoted, so the clips go to a folder
# without blanks.
folder="$WINEPREFIX/drive_c/mciplay"
rm -rf "$folder"
mkdir -p "$folder"
cp "$player" "$folder/"
[[ -n "$shots" ]] && mkdir -p "$shots"
failed=0
for clip in "${clips[@]}"; do
  name="$(basename "$clip")"
  cp "$clip" "$folder/$name"
  shot_pid=
  if [[ -n "$shots" ]]; then
    (sleep 2.5 && import -display "$DISPLAY" -window root "$shots/${name%.avi}.png") &
    shot_pid=$!
  fi
  started=$(date +%s%3N)
  timeout -k 2 60 wine 'C:\mciplay\mciplay.exe' "C:\\mciplay\\$name" "${player_options[@]}" >"$folder/log.txt"
  code=$?
  log="$(tr -d '\r' <"$folder/log.txt")"
  wall=$(($(date +%s%3N) - started))
  [[ -n "$shot_pid" ]] && wait "$shot_pid"
  printf '%s\n' "$log"
  result="$(sed -n 's/^result=\([a-z]*\) play_ms=\([0-9]*\).*/result=\1 play_ms=\2/p' <<<"$log")"
  open="$(sed -n 's/^open_ms=\([0-9]*\).*/open_ms=\1/p' <<<"$log")"
  devices="$(sed -n 's/^wave_out_devices=\([0-9]*\).*/wave_out_devices=\1/p' <<<"$log")"
  echo "clip=$name exit=$code ${result:-result=none} ${open:-open_ms=?} wall_ms=$wall $devices"
  ((code == 0)) || failed=1
done
exit "$failed"
