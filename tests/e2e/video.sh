# shellcheck shell=bash
# Helpers of the video window's cases, sourced after lib.sh:
#   source "$E2E_LIB"; source "$E2E_VIDEO_LIB"
# They install the sample installation with its clips, and read what the
# window shows: its buttons, the colours of its clip labels, its video
# surface.

# shellcheck disable=SC2034 # the names are for the cases
{
  # The video window's controls (src/video/frm_run_avi_design.cpp).
  PLAY=501 STOP=502 QUIT=503 LABEL0=510 PANEL=520 BAR=521 SURFACE=522
  INSTRUCTION1=530 INSTRUCTION2=531 LINE1=532 LINE2=533
  # The missing-CD prompt's Cancel.
  NOCD_CANCEL=306
}
# label <n>: the control ID of clip label n.
label() { echo $((LABEL0 + $1)); }

# Colours as the program sets them (0x00BBGGRR).
GREY=0x808080 GREEN=0x008000
# The caption strip at the foot of every sample clip's 320 x 240 picture
# names the clip, so it tells the clips apart while they move.
CAPTION_REGION=0,210,320,30

# --- An installation with the sample clips ------------------------------------------

# video_install [folder]: the sample installation (sample/zthelp.ini) with
# the sample clips copied below <folder> of the install (default: the
# install folder itself), in the relative path the settings name, and found
# there as the last place they were found. Sets VIDEO_TITLE, CLIP_FOLDER
# (Unix) and CLIP_FOLDER_WIN (where the clips themselves lie).
video_install() {
  new_install <"$VANTOR_ROOT/sample/zthelp.ini"
  local base="$INSTALL${1:+/$1}" relative key
  # The installer's values where the sample leaves them out.
  [[ -n "$(ini_value "AVI Setup" relativePath)" ]] || ini_set "AVI Setup" relativePath clips
  [[ -n "$(ini_value "AVI Setup" keyFile)" ]] || ini_set "AVI Setup" keyFile vantor-clips.id
  relative="$(ini_value "AVI Setup" relativePath)"
  key="$(ini_value "AVI Setup" keyFile)"
  [[ -n "$(ini_value AVI0 BUTTON)" ]] || fail "the sample settings have no clip list"
  CLIP_FOLDER="$base${relative:+/$relative}"
  mkdir -p "$CLIP_FOLDER"
  cp "$VANTOR_ROOT"/sample/clips/* "$CLIP_FOLDER/"
  [[ -z "$key" || -f "$CLIP_FOLDER/$key" ]] || fail "the sample clips lack their key file $key"
  # shellcheck disable=SC2034 # for the cases
  CLIP_FOLDER_WIN="$(to_winpath "$CLIP_FOLDER")"
  ini_set General MoviesLastFoundAt "$(to_winpath "$base")"
  VIDEO_TITLE="$(ini_value "frmRUNAVI Text" Title)"
  [[ -n "$VIDEO_TITLE" ]] || fail "the sample settings give the video window no title"
}

# clip_file <n>: the file of clip n, in the clip folder.
clip_file() {
  local name
  name="$(ini_value "AVI$1" File)"
  [[ -n "$name" ]] || fail "clip $1 names no file"
  printf '%s/%s\n' "$CLIP_FOLDER" "$name"
}

# clip_ms <file>: how long an AVI file plays, from its main header
# (microseconds per frame x frames).
clip_ms() {
  local words
  read -r -a words < <(od -An -tu4 -w20 -j32 -N20 "$1")
  echo $((words[0] * words[4] / 1000))
}

# --- Running the window -----------------------------------------------------------------

# How many times open_video has started the program (the benchmark's RUNS
# is its own count of runs).
VIDEO_OPENS=0

# open_video <args...>: starts vantor.exe with that command line and waits
# for the video window; WINDOW holds what the driver reports of it, REPORT
# the file of the run's report.
open_video() {
  REPORT="$CASE_TMP/run$((++VIDEO_OPENS)).txt"
  start_vantor "$REPORT" "$@"
  WINDOW="$(vd wait-window "$VIDEO_TITLE" 10000 --with "$PLAY")" || fail "no video window for $*"
}

# ended_with <code> <what>: the program of the last open_video has ended,
# with that exit code.
ended_with() {
  finish_vantor
  expect_eq "exit code $2" "$1" "$(kv exit "$(report "$REPORT")")"
}

# quit_video: Quit, and the program ends with exit code 0.
quit_video() {
  vd click "$VIDEO_TITLE" "$QUIT" || fail "Quit could not be pressed"
  ended_with 0 "after Quit"
}

# --- What the window shows -----------------------------------------------------------------

# is <what> <verb> <id> <expected>: a 0/1 query of a control of the window.
is() {
  expect_eq "$1" "$4" "$(vd "$2" "$VIDEO_TITLE" "$3")"
}

# label_color <id>: grey, green or none: which of the two colours the
# label's text is drawn in (its pixels of exactly that colour).
label_color() {
  local line grey green
  line="$(vd color-count "$VIDEO_TITLE" "$1" "$GREY" "$GREEN")" || fail "no label $1"
  grey="$(kv "$GREY" "$line")" green="$(kv "$GREEN" "$line")"
  if ((grey > 0 && grey > green)); then
    echo grey
  elif ((green > 0)); then
    echo green
  else
    echo none
  fi
}

# expect_label_color <what> <id> <colour>: the label's text comes to be
# drawn in that colour within two seconds (the window repaints it after the
# mouse has moved, not at once).
expect_label_color() {
  local tries colour
  for ((tries = 0; tries < 20; tries++)); do
    colour="$(label_color "$2")"
    [[ "$colour" == "$3" ]] && break
    sleep 0.1
  done
  expect_eq "$1" "$3" "$colour"
}

# picture_hash <id> [picture options]: a fingerprint of what the control
# shows.
picture_hash() {
  local id="$1"
  shift
  kv hash "$(vd picture "$VIDEO_TITLE" "$id" "$@")"
}

# button_picture <id>: a fingerprint of the picture on a graphical button,
# inside the place where a focus rectangle may be drawn: the play picture
# and the pause picture give two different ones.
button_picture() {
  picture_hash "$1" --region 6,6,20,20
}

# wait_frame [ms]: waits until the surface shows a frame of a clip.
wait_frame() {
  vd wait-frame "$VIDEO_TITLE" "$SURFACE" "${1:-5000}" >/dev/null || fail "no frame on the surface"
}

# caption: the fingerprint of the caption strip of the clip on the surface.
caption() {
  picture_hash "$SURFACE" --region "$CAPTION_REGION"
}

# stop_clip: Stop, and waits until the clip has stopped. Wine's clip device
# answers a Stop of a playing clip with a code that is no multimedia error,
# though it stops: its message box is closed.
stop_clip() {
  vd click "$VIDEO_TITLE" "$STOP" --post >/dev/null || fail "Stop could not be pressed"
  message_boxes >/dev/null
  vd wait-disabled "$VIDEO_TITLE" "$STOP" 2000 >/dev/null || fail "the clip did not stop"
}

# clip_caption <n>: the fingerprint of clip n's caption strip, learnt by
# playing it: clip n is clicked, and once its strip has stood still for
# 300 ms (a clip's caption stays the same from its first frame to its
# last), the clip is stopped. A time to the first frame that waits for this
# strip cannot take a changed picture of another clip for clip n's.
clip_caption() {
  local previous="" now tries
  vd click "$VIDEO_TITLE" "$(label "$1")" --post >/dev/null || fail "clip $1 could not be clicked"
  sleep 0.5
  for ((tries = 0; tries < 20; tries++)); do
    now="$(caption)"
    [[ "$now" == "$previous" ]] && break
    previous="$now"
    sleep 0.3
  done
  ((tries < 20)) || fail "the caption strip of clip $1 does not stand still"
  stop_clip
  echo "$now"
}

# moving <ms>: 1 when the surface shows another picture <ms> later.
moving() {
  local before
  before="$(picture_hash "$SURFACE")"
  sleep "$(awk -v ms="$1" 'BEGIN { print ms / 1000 }')"
  [[ "$(picture_hash "$SURFACE")" != "$before" ]] && echo 1 || echo 0
}

# no_message_box <what>: fails, with the box's text, when a message box
# titled like the window comes up within 300 ms.
no_message_box() {
  vd absent "$VIDEO_TITLE" 300 --with 1 >/dev/null 2>&1 && return 0
  fail "$1 brought a message box: $(vd text "$VIDEO_TITLE" 65535 --with 1)"
}

# message_boxes: closes the message boxes titled like the window (they hold
# button 1, the window does not) one after the other until none comes up
# for a second; prints the text of each.
message_boxes() {
  local shown=0 last="" line hwnd waits=0
  while line="$(vd wait-window "$VIDEO_TITLE" 1000 --with 1 2>/dev/null)"; do
    hwnd="$(kv hwnd "$line")"
    if [[ "$hwnd" == "$last" ]]; then
      ((++waits < 40)) || fail "a message box does not close"
      sleep 0.05
      continue
    fi
    vd controls "$VIDEO_TITLE" --with 1 | sed -n 's/^id=[0-9]* class=Static .*text=//p' |
      grep -v '^$' | head -n 1
    vd click "$VIDEO_TITLE" 1 >/dev/null || fail "the message box could not be closed"
    last="$hwnd"
    shown=$((shown + 1))
    ((shown < 10)) || fail "message boxes keep coming"
  done
}
