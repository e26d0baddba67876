#!/usr/bin/env bash
# The missing-CD prompt. With no disc of the right label it shows the texts
# of [frmNoCD Text] and [All Forms Text] and offers the CD-ROM drive; a typed
# folder that does not hold the clips brings it back, one that does is taken
# as typed (Enter presses OK) and written as MoviesLastFoundAt; the drive as
# offered, or its letter, finds the clips below relativePath on the disc.
# Cancel (also after a visit to the folder picker), Escape and the close box
# end the program and leave zthelp.ini as it was, byte for byte; an empty drive is offered but refused; the right
# disc put in while the prompt asks is found on OK.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install < <(clip_search_ini scancd02)

kept="$CASE_TMP/zthelp.ini"
cp "$INSTALL/zthelp.ini" "$kept"
prompt="Vantor: Clips Not Found"
picker="Select Folder With Video Files"
not_found=301 files_on_cd=302 insert_cd=303 box=304 ok=305 cancel=306 browse=307

# The disc in the drive has the clips but the label SCANCD01, not SCANCD02.
cd_put movies/intro.avi
mkdir -p "$INSTALL/My Clips"
: >"$INSTALL/My Clips/intro.avi"

open_prompt() {
  start_vantor "$CASE_TMP/run.txt" 9
  vd wait-window "$prompt" 10000 >/dev/null || fail "$1: the prompt did not show"
}

# ends_with <what> <exit code>
ends_with() {
  finish_vantor
  expect_eq "$1: exit code" "$2" "$(kv exit "$(report "$CASE_TMP/run.txt")")"
}

# --- What the prompt shows; a wrong folder, then the right one ------------------
open_prompt "first start"
# 5400 x 2970 twips at 15 twips a pixel.
centred_with_client "prompt" "$prompt" 360 198
readable "$prompt"
expect_eq "NotFoundLabel" "$(ini_get "frmNoCD Text" NotFoundLabel)" "$(vd text "$prompt" $not_found)"
expect_eq "FilesOnCDLabel" "$(ini_get "frmNoCD Text" FilesOnCDLabel)" \
  "$(vd text "$prompt" $files_on_cd)"
expect_eq "InsertCDLabel" "$(ini_get "frmNoCD Text" InsertCDLabel)" "$(vd text "$prompt" $insert_cd)"
expect_eq "OK" OK "$(vd text "$prompt" $ok)"
expect_eq "Cancel" Cancel "$(vd text "$prompt" $cancel)"
expect_eq "Browse" "&Browse" "$(vd text "$prompt" $browse)"
expect_eq "drives offered" 'e:\' "$(list_items "$prompt" $box)"
expect_eq "box" 'e:\' "$(vd text "$prompt" $box)"
if screenshots_wanted; then
  screenshot_window "$prompt" clip-search-prompt
fi

# answer <what> <text>: types the text into the box and presses OK.
answer() {
  vd settext "$prompt" $box "$2" || fail "$1: could not type into the box"
  vd click "$prompt" $ok || fail "$1: could not press OK"
}

# asked_again <what>: the prompt shows again, afresh (its box offers the
# drive once more instead of the refused text), and the program runs on.
asked_again() {
  expect_text "$1: box of the prompt shown again" "$prompt" $box 'e:\'
  kill -0 "$VANTOR_PID" 2>/dev/null || fail "$1: the program ended"
}

answer "no clips there" 'C:\nowhere'
asked_again "no clips there"

typed="$INSTALL_WIN\\My Clips"
vd settext "$prompt" $box "$typed" || fail "could not type into the box"
vd key "$prompt" enter || fail "could not press Enter"
video_window_opens "folder typed"
expect_eq "typed folder written" "$typed" "$(ini_get General MoviesLastFoundAt)"

# The disc in the drive holds the clips below movies: OK with the drive as
# offered finds them, and so does the drive's letter alone.
for drive in 'e:\' e; do
  cp "$kept" "$INSTALL/zthelp.ini"
  open_prompt "drive $drive"
  answer "drive $drive" "$drive"
  video_window_opens "drive $drive"
  expect_eq "drive $drive: folder written" 'e:\movies' "$(ini_get General MoviesLastFoundAt)"
done

# --- Every way of declining ends the program and writes nothing -----------------
cp "$kept" "$INSTALL/zthelp.ini"
# decline <what> <driver command...>: the prompt answered that way.
decline() {
  local what="$1"
  shift
  "$@" || fail "$what: the driver could not answer"
  ends_with "$what" 0
  cmp "$kept" "$INSTALL/zthelp.ini" || fail "$what: zthelp.ini changed"
  # No other window (a system error box for the empty drive, a message).
  local others
  others="$(report "$CASE_TMP/run.txt" | grep '^window=' | grep -vxF -e "window=$prompt" \
    -e "window=$picker")"
  expect_eq "$what: other windows" "" "$others"
}
# Cancel, also after a visit to the folder picker (which must not send it
# back there).
open_prompt "Cancel"
decline "Cancel" vd click "$prompt" $cancel
open_prompt "Cancel after the picker"
vd click "$prompt" $browse || fail "could not press Browse"
vd wait-window "$picker" 5000 >/dev/null || fail "the picker did not show"
vd click "$picker" 408 || fail "could not cancel the picker"
vd wait-window "$prompt" 5000 >/dev/null || fail "the prompt did not come back"
decline "Cancel after the picker" vd click "$prompt" $cancel
open_prompt "Escape"
decline "Escape" vd key "$prompt" escape
# An empty drive is still a CD-ROM drive to offer, but no answer.
cd_eject
open_prompt "drive empty"
expect_eq "drives offered, drive empty" 'e:\' "$(list_items "$prompt" $box)"
answer "drive empty" 'e:'
asked_again "drive empty"
decline "close box" vd close "$prompt"

# --- The disc put in while the prompt asks ---------------------------------------
# The right disc (volume string SCANCD01) was out; once it is in, OK finds
# it even with an empty box: a refused answer sends the search back to the
# CD before it asks again.
sed 's/^volumeString=.*/volumeString=SCANCD01/' "$kept" >"$INSTALL/zthelp.ini"
open_prompt "disc put in"
cd_insert
answer "disc put in" ''
video_window_opens "disc put in"
expect_eq "disc put in: folder written" 'e:\movies' "$(ini_get General MoviesLastFoundAt)"
