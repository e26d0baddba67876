#!/usr/bin/env bash
# The coach with the keyboard alone and a screen reader: the sample task
# walked from its first page to Finish with Tab, Shift+Tab, the arrows,
# Space and Enter typed through the system's input queue (no mouse message),
# ticking the don't-show box, pressing Do It and Help, changing the output
# type and jumping by the labels of steps 3 and 5; the pages, and the
# progress window, read through oleacc from this other process (the pane's
# text, the controls' roles, names and states). The writes to zthelp.ini
# and the calls to the help system's doubles are checked.
# e2e-timeout: 90
# shellcheck source=../lib.sh
source "$E2E_LIB"

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_doubles SelectionValid=1 PreviewDelayMs=1500

coach="$(ini_value "frmCoach Text" Title)"
scanning="$(ini_value "frmScanning Text" Title)"
help=201 back=202 next=203 cancel=204 do_it=205 box=206 pane=210
option() { echo $((220 + $1)); }
step() { echo $((240 + $1)); }

# The heading of page <n>'s topic in the sample help title: the first line
# the pane reads.
heading() {
  awk -v id="$(ini_value "coachTopic$1" TopicID)" '
    $1 == "@topic" { inside = tolower($2) == tolower(id); next }
    inside && /^= / { sub(/^= /, ""); print; exit }' "$VANTOR_ROOT/sample/Vantor.m14"
}
# keys <key>...: typed into the coach.
keys() {
  vd key "$coach" "$@" || fail "could not type $*"
}
focus_on() {
  vd wait-focus "$coach" "$1" || fail "$2: the focus is not on control $1"
}
# on_page <n>: the pane reads page <n>'s text.
on_page() {
  vd wait-value "$coach" $pane "$(heading "$1")" || fail "the pane does not read page $1"
}
# line_of <id> <tree>: a control's line of the accessible tree.
line_of() {
  grep "^id=$1 " <<<"$2"
}

# The walk takes 20 to 40 s, the more while other work loads the machine.
VANTOR_RUN_TIMEOUT_MS=85000 start_vantor "$CASE_TMP/run.txt" 7
vd wait-window "$coach" 10000 >/dev/null || fail "the coach did not open"
on_page 0
focus_on $next "Next first"

# --- Page 1: Shift+Tab back to the don't-show box; Space ticks it -------------------
keys enter
on_page 1
keys shift-tab shift-tab shift-tab # Back, Help, the box (Do It is not shown)
focus_on $box "the don't-show box"
keys space
tree="$(vd accessible "$coach")"
expect_eq "the box as a screen reader hears it" \
  "id=$box role=checkbox state=checked,focused,focusable action=Uncheck name=$(ini_value "frmCoach Text" DontShowLabel)" \
  "$(line_of $box "$tree")"
expect_eq "HideTopic written by Space" 1 "$(ini_value coachTopic1 HideTopic)"
keys tab tab tab # Help, Back, Next
focus_on $next "Next again"

# --- Page 2: Enter on Next makes the preview scan under the progress window --------
keys enter
on_page 2
keys enter
vd wait-window "$scanning" 3000 >/dev/null || fail "no progress window"
progress="$(vd accessible "$scanning")"
echo "$progress"
expect_eq "the progress window's animation" \
  "role=progressbar state=normal action=none name=$(ini_value "frmScanning Text" PreviewScanMessage)" \
  "$(grep -o 'role=progressbar.*' <<<"$progress")"
vd wait-gone "$scanning" 6000 || fail "the progress window stayed up"
on_page 3
focus_on $next "Next after the progress window"

# --- Page 4: Do It with the keyboard; then a step label jumps to step 3 -------------
keys enter
on_page 4
keys shift-tab shift-tab shift-tab # Back, Help, Do It
focus_on $do_it "Do It"
keys enter
keys tab tab tab tab tab tab tab # Help, Back, Next, Cancel, steps 1 to 3
focus_on "$(step 3)" "step 3"
keys enter
on_page 6
tree="$(vd accessible "$coach")"
expect_eq "step 3 is the current one" \
  "id=$(step 3) role=listitem state=selected,focused,focusable,selectable action=Select name=$(ini_value coachStep3 BUTTON)" \
  "$(line_of "$(step 3)" "$tree")"
keys shift-tab shift-tab shift-tab shift-tab # steps 2 and 1, Cancel, Next
focus_on $next "Next on page 6"
keys enter
on_page 7
keys enter

# --- Page 8: the output type, changed with the arrows -----------------------------
on_page 8
tree="$(vd accessible "$coach")"
echo "$tree"
chosen="$(grep -E "^id=22[0-7] role=radiobutton state=checked" <<<"$tree" | sed 's/^id=22\([0-7]\) .*/\1/')"
[[ "$chosen" =~ ^[0-7]$ ]] || fail "no option is chosen on page 8"
for ((i = 0; i < 8; i++)); do
  state=focusable
  ((i == chosen)) && state=checked,focusable
  expect_eq "option $i" \
    "id=$(option $i) role=radiobutton state=$state action=Check name=$(ini_value OptionButtons2 "OptionButtonText$i")" \
    "$(line_of "$(option $i)" "$tree")"
done
expect_eq "Help, named by the settings' default" \
  "id=$help role=pushbutton state=focusable action=Press name=Help" "$(line_of $help "$tree")"
expect_eq "the pane" "id=$pane role=document state=focusable,readonly action=none name=Help text" \
  "$(line_of $pane "$tree")"
expect_eq "the pane's text (its CR LF line ends come back as LF)" "$(printf '%s\n' "Set the output type" \
  "The coach has marked the output type that suits your answers. Choose another one if you prefer, then click Do It to set it in ZT Orvex Pro." \
  "Until you click Do It, ZT Orvex Pro keeps the output type it has.")" \
  "$(vd acc-value "$coach" $pane)"

keys shift-tab shift-tab shift-tab shift-tab # Back, Help, Do It, the chosen option
focus_on "$(option "$chosen")" "the chosen option"
next_option=$(((chosen + 1) % 8))
keys down
focus_on "$(option $next_option)" "the next option"
expect_eq "the arrow chose it" \
  "id=$(option $next_option) role=radiobutton state=checked,focused,focusable action=Check name=$(ini_value OptionButtons2 "OptionButtonText$next_option")" \
  "$(line_of "$(option $next_option)" "$(vd accessible "$coach")")"
expect_eq "the scanning application's calls so far" "call PreviewScan|call ZoomScan" \
  "$(host_log | grep -E '^call (PreviewScan|ZoomScan)$' | paste -sd '|')"
: >"$HOST_DIR/host-calls.log"
keys tab enter # Do It
# What Do It writes for each option: the palette first for 4 to 6.
written=(
  "put OutputType I4 10" "put OutputType I4 5" "put OutputType I4 0" "put OutputType I4 2"
  "put PaletteType I2 2|put OutputType I4 15|put PaletteType I4 0"
  "put PaletteType I2 1|put OutputType I4 15|put PaletteType I4 0"
  "put PaletteType I2 3|put OutputType I4 15|put PaletteType I4 0"
  "put OutputType I4 3"
)
for ((tries = 0; tries < 40; tries++)); do
  host_log | grep -q '^put OutputType' && break
  sleep 0.05
done
expect_eq "Do It for option $next_option" "${written[$next_option]}" \
  "$(host_log | grep '^put' | paste -sd '|')"
keys tab space # Help
for ((tries = 0; tries < 40; tries++)); do
  host_log | grep -q '^OpenTopic' && break
  sleep 0.05
done
grep -q '^OpenTopic .*topic=82' <<<"$(host_log)" || fail "Space on Help opened no help topic"

# --- Step 5 by its label, then to Finish --------------------------------------------
keys tab tab tab tab tab tab tab tab # Back, Next, Cancel, steps 1 to 5
focus_on "$(step 5)" "step 5"
keys enter
on_page 10
# Its items are read with the bullet the pane draws, in Unicode.
grep -qxF "• BMP opens in almost every Windows program, but its files are large." \
  <<<"$(vd acc-value "$coach" $pane)" || fail "the pane does not read the items of page 10"
keys shift-tab shift-tab shift-tab shift-tab shift-tab shift-tab # steps 4 to 1, Cancel, Next
focus_on $next "Next on page 10"
keys enter
on_page 11
expect_eq "the last page's button" "$(ini_value "frmCoach Text" FinishButton)" "$(vd text "$coach" $next)"
keys enter
finish_vantor
result="$(report "$CASE_TMP/run.txt")"
expect_eq "exit code after Finish" 0 "$(kv exit "$result")"

