#!/usr/bin/env bash
# The video window with the keyboard alone and a screen reader: read
# through oleacc from this other process (the clip list, the picture
# buttons' names and states), a clip played with Tab, an arrow and Enter
# and stopped with Shift+Tab and Space, the playing clip marked for the
# screen reader while it plays; Space on Quit ends the program. No mouse
# message is sent.
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"

video_install
open_video 9
keys() {
  vd key "$VIDEO_TITLE" "$@" || fail "could not type $*"
}
focus_on() {
  vd wait-focus "$VIDEO_TITLE" "$1" || fail "$2: the focus is not on control $1"
}
line_of() {
  grep "^id=$1 " <<<"$(vd accessible "$VIDEO_TITLE")"
}
text() { ini_value "frmRUNAVI Text" "$1"; }

tree="$(vd accessible "$VIDEO_TITLE")"
echo "$tree"
expect_eq "clip 1 in the list" \
  "id=$(label 1) role=listitem state=focusable,selectable action=Select name=$(ini_value AVI1 BUTTON)" \
  "$(grep "^id=$(label 1) " <<<"$tree")"
expect_eq "Play, greyed without a clip" \
  "id=$PLAY role=pushbutton state=unavailable action=none name=$(text StartButtonToolTip)" \
  "$(grep "^id=$PLAY " <<<"$tree")"
expect_eq "Stop" "id=$STOP role=pushbutton state=unavailable action=none name=$(text StopButtonToolTip)" \
  "$(grep "^id=$STOP " <<<"$tree")"
focus_on "$QUIT" "Quit first"

# --- Tab to the list, an arrow to clip 1, Enter plays it; Shift+Tab round to
# Stop, and Space stops it ------------------------------------------------------------
keys tab # Play and Stop are greyed: round to the first clip
focus_on "$(label 0)" "the first clip"
keys down enter
started=$(now_ms)
focus_on "$(label 1)" "clip 1"
vd wait-enabled "$VIDEO_TITLE" "$STOP" 2000 >/dev/null || fail "Stop did not come on"
# The clip plays for five seconds: Stop is reached and the window read
# before it ends.
keys shift-tab shift-tab # clip 0, then round to Stop
focus_on "$STOP" "Stop"
tree="$(vd accessible "$VIDEO_TITLE")"
expect_eq "clip 1 while it plays" \
  "id=$(label 1) role=listitem state=selected,focusable,selectable action=Select name=$(ini_value AVI1 BUTTON)" \
  "$(grep "^id=$(label 1) " <<<"$tree")"
expect_eq "Play while a clip plays" \
  "id=$PLAY role=pushbutton state=focusable action=Press name=$(text PauseButtonToolTip)" \
  "$(grep "^id=$PLAY " <<<"$tree")"
keys space
typed=$(($(now_ms) - started))
clip="$(clip_ms "$(clip_file 1)")"
((typed < clip - 300)) || fail "Space reached Stop $typed ms after Enter: the $clip ms clip may have ended"
# Wine's clip device answers the Stop with a message box of its own (the
# window greys Stop once the clip has stopped); it is answered with Enter.
if vd wait-window "$VIDEO_TITLE" 1000 --with 1 >/dev/null 2>&1; then
  vd key "$VIDEO_TITLE" enter --with 1 || fail "could not answer the message box"
fi
vd wait-disabled "$VIDEO_TITLE" "$STOP" 2000 >/dev/null || fail "the clip did not stop"
expect_eq "clip 1 once stopped" \
  "id=$(label 1) role=listitem state=focusable,selectable action=Select name=$(ini_value AVI1 BUTTON)" \
  "$(line_of "$(label 1)")"
focus_on "$(label 0)" "the focus, passed on by the greyed Stop"

# --- Quit -----------------------------------------------------------------------------
keys shift-tab shift-tab # Play, Quit
focus_on "$QUIT" "Quit"
keys space
ended_with 0 "after Space on Quit"
