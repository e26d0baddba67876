#!/usr/bin/env bash
# The choice dialog, the coach, the video window, the missing-CD prompt and
# the folder picker on screens of 120 and 144 DPI (Wine's LogPixels). The program is DPI-unaware and lays every
# window out at 96 DPI: each window's client area and every control's
# rectangle and text are the same as at 96 DPI, and every visible control
# lies inside its window's client area. One difference is the program's own
# choice: the coach's step names and the video window's clip labels take 10
# instead of 12 points when the caption is taller than 20 pixels, and Wine,
# which does not scale DPI-unaware programs, reports its taller caption at
# 120 and 144 DPI. Those labels are sized from their measured texts (and the
# video window's instruction stands right of its clip labels), so they are
# only checked to lie inside. So are the parts that the system sizes itself
# from its own metrics, which Wine scales: a combo box's height and its edit
# field beside the wider drop-down arrow.
# shellcheck source=../lib.sh
source "$E2E_LIB"

# set_dpi <n>: the screen's pixels per inch for the programs started next.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "could not set LogPixels to $1"
}
# Later cases find the prefix at 96 DPI again, also after a time-out.
trap 'wine reg delete "HKCU\Control Panel\Desktop" /v LogPixels /f >/dev/null 2>&1
      _end_background; _cd_restore' EXIT
trap 'exit 143' TERM

# layout <title>: the window's client size and every control of it, one line
# each, as the driver reports them.
layout() {
  local line
  line="$(vd client "$1")" || fail "no window \"$1\""
  echo "client width=$(kv width "$line") height=$(kv height "$line")"
  vd controls "$1"
}

# inside_client <what> <layout>: every visible control lies inside the
# client area.
inside_client() {
  local width height
  width="$(kv width "$(head -1 <<<"$2")")"
  height="$(kv height "$(head -1 <<<"$2")")"
  local outside
  outside="$(tail -n +2 <<<"$2" | tr -d '\r' | awk -v w="$width" -v h="$height" '
    { for (i = 1; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] } }
    f["visible"] == 1 && (f["left"] < 0 || f["top"] < 0 ||
                          f["left"] + f["width"] > w || f["top"] + f["height"] > h)')"
  [[ -z "$outside" ]] || fail "$1: controls outside the client area:"$'\n'"$outside"
}

# check_window <what> <title> <picture name> <close command...>: the window
# at 96 DPI, then at 120 and 144, each time opened by `open_<what>`.
check_window() {
  local what="$1" title="$2" picture="$3" dpi reference now
  shift 3
  for dpi in 96 120 144; do
    set_dpi "$dpi"
    "open_$what"
    vd wait-window "$title" 10000 >/dev/null || fail "$what at $dpi DPI did not open"
    now="$(layout "$title")"
    inside_client "$what at $dpi DPI" "$now"
    now="$(grep -v -E "${SAME_EXCEPT:-^$}" <<<"$now")"
    if ((dpi == 96)); then
      reference="$now"
    else
      expect_eq "$what at $dpi DPI: client area and controls as at 96 DPI" "$reference" "$now"
    fi
    ((dpi == 144)) && screenshots_wanted && screenshot_window "$title" "$picture"
    "$@" || fail "$what at $dpi DPI: could not close it"
    finish_vantor
  done
  echo "$what: $(head -1 <<<"$reference"), $(($(wc -l <<<"$reference") - 1)) controls"
}

# --- The choice dialog -------------------------------------------------------------
open_choice() {
  new_install <<'INI'
[General]
ChoiceOnCoachDoubleClick=1
[frmCoach Text]
Title=Vantor Scan Coach
[frmRUNAVI Text]
Title=Vantor How-To Videos
[frmChoice Text]
Title=Vantor Help
Question=What would you like to do?
[All Forms Text]
OKButton=Open
CancelButton=Not Now
INI
  start_vantor "$CASE_TMP/run.txt"
}
check_window choice "Vantor Help" choice-dialog-144dpi vd click "Vantor Help" 2

# --- The coach ----------------------------------------------------------------------

open_coach() {
  new_install <"$VANTOR_ROOT/sample/zthelp.ini"
  host_doubles SelectionValid=1 PreviewDone=1
  start_vantor "$CASE_TMP/run.txt" 7
}
open_coach
coach_title="$(ini_get "frmCoach Text" Title)" || fail "the sample has no coach title"
vd wait-window "$coach_title" 10000 >/dev/null || fail "the coach did not open"
vd close "$coach_title"
finish_vantor
SAME_EXCEPT='^id=24[0-9] ' check_window coach "$coach_title" coach-144dpi vd close "$coach_title"

# --- The video window ------------------------------------------------------------------
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# The sample installation with its clips, found where they were last found.
open_sample_video() {
  video_install
  open_video 9
}
video_install  # for VIDEO_TITLE
SAME_EXCEPT='^id=5[13][0-9] ' check_window sample_video "$VIDEO_TITLE" video-144dpi \
  vd close "$VIDEO_TITLE"

# --- The missing-CD prompt and the folder picker ------------------------------------------
prompt="Vantor: Clips Not Found"
picker="Select Folder With Video Files"
open_prompt() {
  new_install < <(clip_search_ini scancd02)
  cd_put movies/intro.avi
  start_vantor "$CASE_TMP/run.txt" 9
}
SAME_EXCEPT='^id=(304|1001) ' check_window prompt "$prompt" missing-cd-prompt-144dpi vd click "$prompt" 306

open_picker() {
  open_prompt
  vd wait-window "$prompt" 10000 >/dev/null || fail "the prompt did not show"
  vd click "$prompt" 307 || fail "could not press Browse"
}
close_picker() {
  vd click "$picker" 408 && vd wait-window "$prompt" 3000 >/dev/null && vd click "$prompt" 306
}
check_window picker "$picker" folder-picker-144dpi close_picker
