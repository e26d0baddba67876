#!/usr/bin/env bash
# Coach start: `vantor.exe 7` with the sample installation, the help
# object's stand-in and the host's window, until the coach is shown and
# waits for input; against two bare programs (barecoach.exe) that create the
# same help object and a window of the coach's size: one with four buttons,
# and one with as many child windows as that build's coach has once started,
# as many of them visible. Also the wineserver requests of a start (counted
# under strace in runs of their own), the working set of each once idle, and
# the size of vantor.exe.
# shellcheck source=../e2e/lib.sh
source "$E2E_LIB"
# shellcheck source=../e2e/video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=lib/bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/bench.sh"
keep_desktop

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_for_coach
installs_for_labels
coach="$(ini_value "frmCoach Text" Title)"
bare_title="Vantor bare coach"
bare="$(to_winpath "$VANTOR_WIN_BIN/barecoach.exe")"

# One start of each to warm the caches; the coach's size for the baselines,
# and each build's child windows for its bare program with as many.
start_vantor "$CASE_TMP/first.txt" 7
window="$(vd wait-window "$coach" 10000)" || fail "the coach did not open"
size="$(kv width "$window")x$(kv height "$window")"
vd close "$coach" >/dev/null
finish_vantor
declare -A bare_args=([bare]="--size $size") windows
programs=(bare)
for label in "${BENCH_LABELS[@]}"; do
  line="$(vd launch-idle --title "$coach" "${INSTALL_EXE[$label]}" 7)" || fail "$label: no coach"
  children="$(kv children "$line")" visible="$(kv visible_children "$line")"
  echo "$label: $children child windows, $visible of them visible"
  windows[$label]="$children $visible"
  bare_args[many.$label]="--size $size --controls $children --visible $visible"
  programs+=("many.$label" "$label")
done

# launch <program>: one start of a label's coach or a bare program, as the
# driver's launch-idle line; `counted` before it counts its requests.
launch() {
  # A program slowed down by strace needs longer to finish its first paint.
  local runner=(vd launch-idle)
  [[ "$1" == counted ]] && { runner=(counted launch-idle --settle 2000); shift; }
  if [[ -n "${bare_args[$1]:-}" ]]; then
    # shellcheck disable=SC2086 # the arguments are words
    "${runner[@]}" --title "$bare_title" "$bare" ${bare_args[$1]}
  else
    "${runner[@]}" --title "$coach" "${INSTALL_EXE[$1]}" 7
  fi
}
for program in "${programs[@]}"; do launch "$program" >/dev/null || fail "$program did not start"; done

declare -A ms memory requests x_writes
for ((run = 0; run < RUNS; run++)); do
  for program in "${programs[@]}"; do
    line="$(launch "$program")" || fail "$program did not start"
    ms[$program]+=" $(kv ready_ms "$line")"
    memory[$program]+=" $(kv working_set_kb "$line")"
  done
done
for ((run = 0; run < COUNT_RUNS; run++)); do
  for program in "${programs[@]}"; do
    line="$(launch counted "$program")" || fail "$program did not start under strace"
    requests[$program]+=" $(kv requests "$line")"
    x_writes[$program]+=" $(kv x_writes "$line")"
  done
done

# shellcheck disable=SC2086 # the runs are words
for program in "${programs[@]}"; do
  echo "runs: $program:${ms[$program]} ms /${memory[$program]} KB / requests${requests[$program]}" \
    "($(spread ${requests[$program]})) / X writes${x_writes[$program]}"
done
# shellcheck disable=SC2086
for label in "${BENCH_LABELS[@]}"; do
  row "coach start (ms)" "$label" "$(median ${ms[$label]})" "$(median ${ms[bare]})"
  row "coach start, against as many controls (ms)" "$label" "$(median ${ms[$label]})" \
    "$(median ${ms[many.$label]})"
  row "coach wineserver requests" "$label" "$(median ${requests[$label]})" \
    "$(median ${requests[bare]})"
  row "coach wineserver requests, against as many controls" "$label" \
    "$(median ${requests[$label]})" "$(median ${requests[many.$label]})"
  row "coach writes to X" "$label" "$(median ${x_writes[$label]})" "$(median ${x_writes[bare]})"
  read -r children visible <<<"${windows[$label]}"
  row "coach child windows" "$label" "$children" 4
  row "coach visible child windows" "$label" "$visible" 4
  row "coach working set (KB)" "$label" "$(median ${memory[$label]})" "$(median ${memory[bare]})"
  row "vantor.exe (bytes)" "$label" "$(stat -c %s "${BENCH_EXE[$label]}")" 1048576
done
