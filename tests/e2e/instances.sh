# shellcheck shell=bash
# Starts of vantor.exe that come together, as a double click on the host's
# help button gives them, sourced after lib.sh and video.sh:
#   source "$E2E_LIB"; source "$(dirname "$E2E_LIB")/video.sh"
#   source "$(dirname "$E2E_LIB")/instances.sh"

# burst_install: the sample installation with its clips, found where they
# were found last, and the help object's doubles. COACH_TITLE, VIDEO_TITLE
# and CHOICE_TITLE name its windows; zthelp.ini is noted for ini_whole.
burst_install() {
  video_install
  # Found again where they are, the clips' folder is written as it stands.
  ini_set General MoviesLastFoundAt "$CLIP_FOLDER_WIN"
  host_doubles
  # shellcheck disable=SC2034 # for the cases
  COACH_TITLE="$(ini_value "frmCoach Text" Title)" CHOICE_TITLE="$(ini_value "frmChoice Text" Title)"
  keep_ini
}

# ini_whole <what>: zthelp.ini is what keep_ini noted, line for line, but
# for the [AVIPosition] that a video start takes over from the window
# before and for blank lines (Wine's profile writer drops them when it
# writes the file): that section, when there is one, holds left, top, width
# and height, once each, as numbers.
ini_whole() {
  # shellcheck disable=SC2016 # awk's own variables
  local strip='/^\[/ { skip = tolower($0) ~ /^\[aviposition\]/ } !skip && !/^\r?$/' keys
  cmp -s <(awk "$strip" "$CASE_TMP/ini-kept") <(awk "$strip" "$INSTALL/zthelp.ini") ||
    fail "$1: zthelp.ini changed beyond [AVIPosition]"
  keys="$(awk '/^\[/ { inside = tolower($0) ~ /^\[aviposition\]/; next } inside && NF' \
    "$INSTALL/zthelp.ini" | tr -d '\r' | sort | paste -sd ' ')"
  [[ -z "$keys" || "$keys" =~ ^height=-?[0-9]+\ left=-?[0-9]+\ top=-?[0-9]+\ width=-?[0-9]+$ ]] ||
    fail "$1: [AVIPosition] holds '$keys'"
}

# bursts <tries> <title> <end> [args...]: vantor.exe with that command line
# started twice at once, and five times, <tries> times each. Once they have
# settled exactly one copy runs, showing one window titled <title>; no two
# windows of the copies were ever up at once; every other copy ended with
# exit code 0. That window's close box (<end> 0) or its button <end> then
# ends the last copy with exit code 0 (no copy is left running), and
# zthelp.ini is whole. Prints one line per try, with the copy that stayed.
bursts() {
  local tries="$1" title="$2" end="$3" copies try what out head
  shift 3
  for copies in 2 5; do
    for ((try = 1; try <= tries; try++)); do
      what="$copies starts of '$*', try $try"
      wine "$VDRIVER" burst --timeout 20000 --end "$end" "$copies" "$VANTOR_WIN" "$@" \
        >"$CASE_TMP/burst.txt" 2>&1 </dev/null
      out="$(report "$CASE_TMP/burst.txt")"
      head="$(head -n 1 <<<"$out")"
      [[ "$head" == settled* ]] || fail "$what: never settled: $out"
      [[ "$(kv running "$head")" == 1 ]] || fail "$what: not one copy left: $out"
      [[ "$(kv max_windows "$head")" == 1 ]] || fail "$what: windows at once: $out"
      [[ "$(sed -n 's/^window=//p' <<<"$out")" == "$title" ]] || fail "$what: windows: $out"
      [[ "$(grep -c '^copy=.* exit=0$' <<<"$out")" == $((copies - 1)) ]] ||
        fail "$what: exit codes: $out"
      [[ "$(grep -c '^ended copy=[0-9]* exit=0$' <<<"$out")" == 1 ]] ||
        fail "$what: the last copy did not end: $out"
      ini_whole "$what"
      echo "ok: $what: $(grep -o '^ended copy=[0-9]*' <<<"$out" | cut -d' ' -f2) stayed" \
        "($(kv elapsed_ms "$head") ms, started within $(kv spread_ms "$head") ms)"
    done
  done
}
