#!/usr/bin/env bash
# A video start finds the clip folder without asking: the folder where the
# clips were found last comes first, even with the CD in; a last-found folder
# that lost the key file gives way to the CD, recognised by a part of its
# volume label in any letter case. (Wine reads a drive's label once per
# session, so the cases vary the volume string, not the label.) The folder found is written as
# [General] MoviesLastFoundAt, and the video window is the only window that
# shows.
# shellcheck source=../lib.sh
source "$E2E_LIB"

# settings <[General] line> [volumeString]
settings() {
  clip_search_ini "${2:-scan}" "$1"
}

# starts_quietly <what>: vantor.exe 9 asks nothing: the video window is
# the one window it shows.
starts_quietly() {
  start_vantor "$CASE_TMP/run.txt" 9
  video_window_opens "$1"
  expect_eq "$1: windows shown" 1 "$(kv windows "$(report "$CASE_TMP/run.txt")")"
}

cd_put movies/intro.avi

# The CD alone; its label SCANCD01 holds "scan".
new_install < <(settings "")
starts_quietly "the CD"
expect_eq "found on the CD" 'e:\movies' "$(ini_get General MoviesLastFoundAt)"

# A last-found folder holding the key file itself is kept as it is written,
# although the CD is in; one holding it below relativePath gains that part.
mkdir -p "$INSTALL/Last Found/movies"
: >"$INSTALL/Last Found/intro.avi"
last="$INSTALL_WIN\\Last Found"
settings "MoviesLastFoundAt=$last" | write_ini
starts_quietly "last found, key file in it"
expect_eq "last found kept" "$last" "$(ini_get General MoviesLastFoundAt)"

mv "$INSTALL/Last Found/intro.avi" "$INSTALL/Last Found/movies/"
settings "MoviesLastFoundAt=$last" | write_ini
starts_quietly "last found, key file below relativePath"
expect_eq "last found with relativePath" "$last\\movies" "$(ini_get General MoviesLastFoundAt)"

# Without the key file the last-found folder no longer counts: the CD does.
rm "$INSTALL/Last Found/movies/intro.avi"
settings "MoviesLastFoundAt=$last" | write_ini
starts_quietly "last found lost its clips"
expect_eq "back to the CD" 'e:\movies' "$(ini_get General MoviesLastFoundAt)"

# The volume string may stand anywhere in the label SCANCD01, in any letter
# case.
settings "" cD01 | write_ini
starts_quietly "label holding the volume string"
expect_eq "found by a part of the label" 'e:\movies' "$(ini_get General MoviesLastFoundAt)"
