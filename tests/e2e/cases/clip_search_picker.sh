#!/usr/bin/env bash
# The folder picker behind the missing-CD prompt's Browse. Cancel, Escape
# and the close box bring the prompt back with the CD-ROM drive in its box,
# not a folder picked before; OK at once brings back the folder the picker
# shows as current. A drive without a disc is refused with a message and
# the picker stays. A double click opens a folder (its path, normalised and
# in lower case, and its files show); a single click only highlights one
# and lists its files; OK (here Enter in the folder list) on a highlighted
# folder opens it, a second OK takes it back into the prompt's box, and OK
# there finds the clips in it.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install < <(clip_search_ini SCANCD02)

prompt="Vantor: Clips Not Found"
picker="Select Folder With Video Files"
box=304 prompt_ok=305 browse=307
drives=401 folders=402 files=403 current_label=404 path=405 files_label=406 ok=407 cancel=408

# Another disc is in the drive; the clips were copied to "Clips".
mkdir -p "$INSTALL/Clips" "$INSTALL/Other"
: >"$INSTALL/Clips/intro.avi"
: >"$INSTALL/Other/readme.txt"
here="${INSTALL_WIN,,}\\"

# browse: Browse in the prompt; the picker replaces it.
browse() {
  vd click "$prompt" $browse || fail "could not press Browse"
  vd wait-window "$picker" 5000 >/dev/null || fail "the picker did not show"
  vd wait-gone "$prompt" 1000 || fail "the prompt stayed under the picker"
}

# prompt_back_with <what> <box text>: the picker is gone and the prompt is
# back with that text in its box.
prompt_back_with() {
  vd wait-gone "$picker" 3000 || fail "$1: the picker stayed"
  vd wait-window "$prompt" 3000 >/dev/null || fail "$1: the prompt did not come back"
  expect_eq "$1: box" "$2" "$(vd text "$prompt" $box)"
}

start_vantor "$CASE_TMP/run.txt" 9
vd wait-window "$prompt" 10000 >/dev/null || fail "the prompt did not show"

# --- What the picker shows; Cancel ------------------------------------------------
browse
# 6180 x 3840 twips at 15 twips a pixel.
centred_with_client "picker" "$picker" 412 256
readable "$picker"
expect_eq "Current Folder label" "Current Folder:" "$(vd text "$picker" $current_label)"
expect_eq "files label" "Files in highlighted folder:" "$(vd text "$picker" $files_label)"
expect_eq "OK" OK "$(vd text "$picker" $ok)"
expect_eq "Cancel" Cancel "$(vd text "$picker" $cancel)"
list_items "$picker" $drives | grep -qx 'c:.*' || fail "drive c: is not offered"
list_items "$picker" $drives | grep -qx 'e:.*' || fail "drive e: is not offered"
if screenshots_wanted; then
  screenshot_window "$picker" clip-search-picker
fi
shown="$(vd text "$picker" $path)"
vd click "$picker" $cancel || fail "could not press Cancel"
prompt_back_with "Cancel in the picker" 'e:\'

# OK at once hands back the folder the picker shows as the current one.
browse
expect_eq "current folder again" "$shown" "$(vd text "$picker" $path)"
vd click "$picker" $ok || fail "could not press OK"
prompt_back_with "OK at once" "$shown"

# Escape is the picker's Cancel: the folder just picked does not stay.
browse
vd key "$picker" escape || fail "could not press Escape"
prompt_back_with "Escape in the picker" 'e:\'

# --- A drive without a disc ------------------------------------------------------
cd_eject
browse
e_drive="$(list_items "$picker" $drives | grep '^e:')" || fail "drive e: is not offered"
vd select "$picker" $drives "$e_drive" >/dev/null || fail "could not choose drive e:"
# The message box is the program's other window, titled with its title.
windows="$(vd list)"
pid="$(kv pid "$(grep -F "title=$picker" <<<"$windows")")"
title="$(grep -F " pid=$pid " <<<"$windows" | grep -vF "title=$picker" | sed -n '1s/.* title=//p')"
[[ -n "$title" ]] || fail "no message about the empty drive"
vd controls "$title" | grep -qx '.* text=This drive is not currently available' ||
  fail "the message box says: $(vd controls "$title")"
vd key "$title" enter || fail "could not answer the message"
vd wait-gone "$title" 2000 || fail "the message stayed"
expect_eq "drive list back on c:" c: "$(list_items "$picker" $drives |
  sed -n "$(($(kv selected "$(vd items "$picker" $drives)") + 1))p")"
expect_eq "open folder kept" "$here" "$(vd text "$picker" $path)"
# The close box is Cancel: the folder picked before does not come back.
vd close "$picker" || fail "could not close the picker"
prompt_back_with "picker closed" 'e:\'
cd_insert

# --- Open, highlight, OK twice --------------------------------------------------
browse
vd dblclick-item "$picker" $folders Other >/dev/null || fail "could not open Other"
expect_eq "opened by a double click" "${here}other\\" "$(vd text "$picker" $path)"
expect_eq "files of the opened folder" readme.txt "$(list_items "$picker" $files)"
vd dblclick-item "$picker" $folders "$CASE_NAME" >/dev/null || fail "could not go back up"
expect_eq "the parent opened" "$here" "$(vd text "$picker" $path)"

vd select "$picker" $folders Clips >/dev/null || fail "could not highlight Clips"
expect_eq "files of the highlighted folder" intro.avi "$(list_items "$picker" $files)"
expect_eq "highlighting opens nothing" "$here" "$(vd text "$picker" $path)"
# Enter, with the focus in the folder list, is OK.
vd key "$picker" enter || fail "could not press Enter"
expect_text "Enter opened the highlighted folder" "$picker" $path "${here}clips\\"
vd click "$picker" $ok || fail "could not press OK again"
prompt_back_with "folder picked" "${here}clips\\"

vd click "$prompt" $prompt_ok || fail "could not press OK in the prompt"
video_window_opens "folder picked"
expect_eq "picked folder written" "${here}clips\\" "$(ini_get General MoviesLastFoundAt)"
