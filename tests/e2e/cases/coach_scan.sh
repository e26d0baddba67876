#!/usr/bin/env bash
# One coached scan of the sample task, start to Finish, against the help
# system's test doubles: the hidden host window is shown and the coach sits
# beside it; the preview scan waits under the progress window until the
# host reports it done; the selection page waits for a valid selection;
# the answers on the two question pages decide the output type that Do It
# sets; the don't-show box, Help and the about box do what they should.
# With VANTOR_SCREENSHOTS=1 it also takes the coach's pictures for docs/.
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
# How long the host's preview scan takes; longer when pictures are taken
# while the progress window is up.
delay=1500
screenshots_wanted && delay=3000
host_doubles SelectionValid=0 "PreviewDelayMs=$delay"

setting() {
  ini_get "$1" "$2" || fail "the sample has no [$1] $2"
}
coach="$(setting "frmCoach Text" Title)"
host="$(setting General CallingAppName)"
scanning="$(setting "frmScanning Text" Title)"
next_text="$(setting "frmCoach Text" NextButton)"
finish_text="$(setting "frmCoach Text" FinishButton)"

# Control IDs of the coach window.
help=201 back=202 next=203 do_it=205 dont_show_box=206 dont_show_label=207
button_bar=208
option_button() { echo $((220 + $1)); }
option_label() { echo $((230 + $1)); }
about_ok=1 # the about box's OK; the coach has no control 1

# The host's window, hidden, 500 x 560 pixels at (40, 60).
start_standin "$CASE_TMP/host-window.txt" "$host" 40 60 500 560 hidden
host_pid=$STANDIN_PID
expect_eq "host window before the coach" 0 "$(vd visible "$host" 0)"

started=$(now_ms)
start_vantor "$CASE_TMP/run.txt" 7
window="$(vd wait-window "$coach" 10000)" || fail "the coach did not open"
echo "coach visible $(($(now_ms) - started)) ms after the start: $window"
coach_hwnd="$(kv hwnd "$window")"

# --- Seated beside the host window, which it showed first -----------------------
expect_eq "host window shown" 1 "$(vd visible "$host" 0)"
host_rect="$(vd rect "$host")"
screen="$(vd screen)"
# Left = the host's right edge; top = one eighth of the host's height (a
# multiple of 8 here) below its top edge; both in twips (15 per pixel), then
# kept inside the work area.
left_twips=$((($(kv left "$host_rect") + $(kv width "$host_rect")) * 15))
top_twips=$(((($(kv height "$host_rect") / 8) + $(kv top "$host_rect")) * 15))
width_twips=$(($(kv width "$window") * 15)) height_twips=$(($(kv height "$window") * 15))
right_limit=$(($(kv work_width "$screen") * 15)) bottom_limit=$(($(kv work_height "$screen") * 15))
((left_twips + width_twips > right_limit)) && left_twips=$((right_limit - width_twips))
((top_twips + height_twips > bottom_limit)) && top_twips=$((bottom_limit - height_twips))
expect_eq "coach left (px)" $((left_twips / 15)) "$(kv left "$window")"
expect_eq "coach top (px)" $((top_twips / 15)) "$(kv top "$window")"

bar="$(vd control-rect "$coach" $button_bar)"
expect_eq "client width" 425 "$(kv client_width "$window")"
expect_eq "client height" $((402 + $(kv height "$bar"))) "$(kv client_height "$window")"
expect_eq "button bar top" 402 "$(kv y "$bar")"

# --- The first pages -------------------------------------------------------------
expect_eq "Back on the first page" 0 "$(vd enabled "$coach" $back)"
expect_eq "Next caption" "$next_text" "$(vd text "$coach" $next)"
screenshots_wanted && screenshot_window "$coach" coach-welcome

vd click "$coach" $next || fail "Next on page 0"
expect_eq "Back on page 1" 1 "$(vd enabled "$coach" $back)"
expect_eq "don't-show box on page 1" 1 "$(vd visible "$coach" $dont_show_box)"
# The box's text toggles it like the box itself; each change is written at once.
vd click "$coach" $dont_show_label || fail "could not click the don't-show text"
expect_eq "HideTopic after a click on the text" 1 "$(ini_get coachTopic1 HideTopic)"
vd click "$coach" $dont_show_box || fail "could not click the don't-show box"
expect_eq "HideTopic after a click on the box" 0 "$(ini_get coachTopic1 HideTopic)"
vd click "$coach" $dont_show_box || fail "could not click the don't-show box"
expect_eq "HideTopic ticked again" 1 "$(ini_get coachTopic1 HideTopic)"

# --- Page 2: the preview scan under the progress window ------------------------
vd click "$coach" $next || fail "Next on page 1"
expect_eq "Do It on page 2" 1 "$(vd visible "$coach" $do_it)"
expect_eq "Do It enabled on page 2" 1 "$(vd enabled "$coach" $do_it)"
screenshots_wanted && screenshot_window "$coach" coach-preview

clicked=$(now_ms)
vd click "$coach" $next --post || fail "Next on page 2"
vd wait-window "$scanning" 2000 >/dev/null || fail "no progress window after Next on page 2"
shown=$(($(now_ms) - clicked))
echo "progress window up $shown ms after the click"
((shown < delay)) || fail "the progress window came up only after the scan's $delay ms"
((shown < 500)) && sleep "$(printf '0.%03d' $((500 - shown)))"
expect_eq "progress window still up after 0.5 s" 1 "$(vd visible "$scanning" 0)"
expect_eq "coach takes no input under the progress window" 0 "$(vd enabled "$coach" 0)"
screenshots_wanted && screenshot_windows coach-progress "$coach" "$scanning"
vd wait-gone "$scanning" $((delay + 5000)) || fail "the progress window stayed up"
gone=$(($(now_ms) - clicked))
echo "progress window gone $gone ms after the click"
((gone >= delay && gone <= delay + 1000)) ||
  fail "the progress window closed after $gone ms, not within 1 s after the scan's $delay ms"
log="$(host_log)"
echo "$log"
expect_eq "preview scans started" 1 "$(grep -c '^call PreviewScan$' <<<"$log")"
expect_eq "last answer of the host" "get PreviewDone -> -1" "$(tail -n 1 <<<"$log")"

# Back and Next again: the preview is done, so Next goes straight on.
expect_eq "Do It on page 3" 0 "$(vd visible "$coach" $do_it)"
vd click "$coach" $back || fail "Back on page 3"
vd click "$coach" $next || fail "Next on page 2 after the preview"
vd absent "$scanning" 300 || fail "a second preview scan started"
expect_eq "preview scans started in all" 1 "$(host_log | grep -c '^call PreviewScan$')"

# --- Page 4: Do It waits for a valid selection ------------------------------------
vd click "$coach" $next || fail "Next on page 3"
expect_eq "Do It on page 4" 1 "$(vd visible "$coach" $do_it)"
expect_eq "Do It without a selection" 0 "$(vd enabled "$coach" $do_it)"
screenshots_wanted && screenshot_window "$coach" coach-mark-area
sleep 0.5
expect_eq "Do It still without a selection" 0 "$(vd enabled "$coach" $do_it)"
written=$(now_ms)
host_state SelectionValid=1 "PreviewDelayMs=$delay"
vd wait-enabled "$coach" $do_it 3000 >/dev/null || fail "Do It stayed disabled"
reacted=$(($(now_ms) - written))
echo "Do It enabled $reacted ms after the selection became valid"
((reacted <= 1000)) || fail "Do It took $reacted ms to follow the selection"
vd click "$coach" $do_it || fail "Do It on page 4"
expect_eq "last call" "call ZoomScan" "$(host_log | tail -n 1)"

# --- Pages 6 and 7: the answers --------------------------------------------------
vd click "$coach" $next || fail "Next on page 4"
vd click "$coach" $next || fail "Next on page 5"
# "A colour photograph", by its text; then on page 7 "Show it on screen",
# by its button.
vd click "$coach" "$(option_label 3)" || fail "could not pick option 3 on page 6"
vd click "$coach" $next || fail "Next on page 6"
vd click "$coach" "$(option_button 2)" || fail "could not pick option 2 on page 7"
vd click "$coach" $next || fail "Next on page 7"

# --- Page 8: the output type those answers give ----------------------------------
: >"$HOST_DIR/host-calls.log"
expect_eq "Do It on page 8" 1 "$(vd visible "$coach" $do_it)"
screenshots_wanted && screenshot_window "$coach" coach-options
vd click "$coach" $do_it || fail "Do It on page 8"
expect_eq "written for a colour photograph shown on screen" \
  "put PaletteType I2 1|put OutputType I4 15" "$(host_log | grep -m 2 '^put' | paste -sd '|')"
vd click "$coach" "$(option_label 7)" || fail "could not pick option 7 on page 8"
vd click "$coach" $do_it || fail "Do It on page 8 with option 7"
expect_eq "written for 16 colours" "put OutputType I4 3" "$(host_log | grep '^put' | tail -n 1)"

# --- Help and the about box -----------------------------------------------------
vd click "$coach" $help || fail "could not press Help"
opened="$(host_log | tail -n 1)"
wanted="OpenTopic hwnd=$coach_hwnd window=yes topic=82"
expect_eq "Help opens topic 82 for the coach (hex digits in any case)" "${wanted,,}" "${opened,,}"

vd dblclick "$coach" $button_bar || fail "could not double-click the button bar"
vd wait-window "$coach" 3000 --with $about_ok >/dev/null || fail "no about box"
version="$(sed -n 's/^project(vantor VERSION \([0-9.]*\).*/\1/p' "$VANTOR_ROOT/CMakeLists.txt")"
about="$(vd controls "$coach" --with $about_ok)"
echo "$about"
expect_eq "about box version line" "Vantor.exe  ${version}e" \
  "$(sed -n 's/.* text=\(Vantor\.exe .*\)/\1/p' <<<"$about")"
expect_eq "about box OK" "$(setting "All Forms Text" OKButton)" "$(vd text "$coach" $about_ok)"
readable "$coach" --with $about_ok
# Its picture is named by the version line beside it.
grep -qxF "id=1000 role=graphic state=normal action=none name=Vantor.exe  ${version}e" \
  <<<"$(vd accessible "$coach" --with $about_ok)" || fail "the about box's picture is not named"
expect_eq "coach waits under the about box" 0 "$(vd enabled "$coach" 0 --with $next)"
screenshots_wanted && screenshot_window "$coach" about-box $about_ok
vd click "$coach" $about_ok || fail "could not press OK in the about box"
vd wait-gone "$coach" 2000 --with $about_ok || fail "the about box stayed open"
expect_eq "coach takes input again" 1 "$(vd enabled "$coach" 0 --with $next)"

# --- To the end: Finish ends the program ----------------------------------------
for ((tries = 0; tries < 10; tries++)); do
  [[ "$(vd text "$coach" $next)" == "$finish_text" ]] && break
  vd click "$coach" $next || fail "Next after page 8"
done
expect_eq "last page's button" "$finish_text" "$(vd text "$coach" $next)"
vd click "$coach" $next || fail "could not press Finish"
finish_vantor
result="$(report "$CASE_TMP/run.txt")"
echo "$result"
expect_eq "exit code after Finish" 0 "$(kv exit "$result")"
others="$(grep '^window=' <<<"$result" | grep -vxF -e "window=$coach" -e "window=$scanning")"
expect_eq "windows other than the coach, its about box and the progress window" "" "$others"

vd close "$host" || fail "could not close the host window"
wait "$host_pid"
