#!/usr/bin/env bash
# Clips that arrive broken, met from the video window (mode 9) and at
# start-up with a clip selected (1001): a clip file missing from a folder
# that still holds the key file, a file of 0 bytes, one cut off in the
# middle, one in a codec no driver knows, names that are no file names;
# clips the list does not hold, and no list; and a last clip folder that
# cannot be entered (a file's path, a path with characters no folder may
# have, a path longer than any folder's). Failing commands bring the
# multimedia layer's messages, no more than one per command, and the
# window stays usable; a folder that cannot be entered is passed over, and
# the missing-CD prompt's Cancel ends the program.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install
ini_set "AVI Setup" volumeString NOSUCHCD
rm "$(clip_file 0)"
: >"$(clip_file 1)"
head -c 150000 "$VANTOR_ROOT/sample/clips/$(basename "$(clip_file 2)")" >"$(clip_file 2)"
python3 - "$(clip_file 3)" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
at = data.find(b"vids") + 4
data[at:at + 4] = b"ZZZZ"          # the stream's handler
at = data.find(b"strf") + 8 + 16
data[at:at + 4] = b"ZZZZ"          # the picture's compression
open(path, "wb").write(bytes(data))
PY

# try_clip <n> <what>: clicks clip n; prints the messages and fails when
# there are more than one per command sent (open, window, where, play).
try_clip() {
  vd click "$VIDEO_TITLE" "$(label "$1")" || fail "$2: clip $1 could not be clicked"
  mapfile -t texts < <(message_boxes)
  echo "outcome: $2: ${#texts[@]} messages: ${texts[*]}"
  ((${#texts[@]} <= 4)) || fail "$2: ${#texts[@]} messages"
  vd wait-disabled "$VIDEO_TITLE" "$STOP" 8000 >/dev/null || fail "$2: the clip does not end"
  is "$2: the window takes input" enabled 0 1
}

open_video 9
# The start wrote where it found the clips; nothing after that may write.
keep_ini
try_clip 0 "clip missing beside the key file"
try_clip 1 "clip of 0 bytes"
try_clip 2 "clip cut off in the middle"
try_clip 3 "clip in an unknown codec"
quit_video

# The clip is opened while the window loads: the messages come first.
REPORT="$CASE_TMP/run-1001.txt"
start_vantor "$REPORT" 1001
vd wait-window "$VIDEO_TITLE" 10000 --with 1 >/dev/null || fail "no message for a 0-byte clip at start"
mapfile -t texts < <(message_boxes)
vd wait-window "$VIDEO_TITLE" 5000 --with "$PLAY" >/dev/null || fail "no video window after the messages"
echo "outcome: 0-byte clip selected at start: ${#texts[@]} messages"
((${#texts[@]} > 0 && ${#texts[@]} <= 4)) || fail "0-byte clip at start: ${#texts[@]} messages"
quit_video

# Names that are no file names: the name goes into the open command as it
# stands.
ini_set AVI2 File "$(printf 'y%.0s' {1..300}).avi"
ini_set AVI3 File "output.avi wait notify"
keep_ini
open_video 9
try_clip 2 "a file name of 304 characters"
try_clip 3 "a file name with blanks and command words"
quit_video
outcome "clip 50 selected at start" 1 "close:$QUIT" 1050
outcome "clip -1000 selected at start" 1 "close:$QUIT" 0
ini_kept "broken clips"

# No clip list: the one message of the window, then the end.
ini_set AVI0 BUTTON ""
keep_ini
outcome "no clip list" 1 "click:1" 9
expect_eq "the message's title" "$VIDEO_TITLE" "$OUTCOME_TITLES"
ini_kept "no clip list"
ini_set AVI0 BUTTON "Place the page"

# Folders that cannot be entered, as the last place the clips were found.
for folder in "$INI_WIN\\" 'C:\clips<>|"?*\' "C:\\$(printf 'x%.0s' {1..300})\\"; do
  ini_set General MoviesLastFoundAt "$folder"
  keep_ini
  outcome "last folder ${folder:0:40}" 1 "click:$NOCD_CANCEL" 1001
  ini_kept "last folder ${folder:0:40}"
done
