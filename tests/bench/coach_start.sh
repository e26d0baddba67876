#!/usr/bin/env bash
# Coach start: `vantor.exe 7` with the sample installation, the help
# object's stand-in and the host's window, until the coach is shown and
# waits for input; against barecoach.exe, a plain window of the coach's
# size with four buttons that creates the same help object. Also the
# working set of each once idle, and the size of vantor.exe.
# shellcheck source=../e2e/lib.sh
source "$E2E_LIB"
# shellcheck source=../e2e/video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=lib/bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/bench.sh"

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_for_coach
installs_for_labels
coach="$(ini_value "frmCoach Text" Title)"
bare="$(to_winpath "$VANTOR_WIN_BIN/barecoach.exe")"

# One start of each to warm the caches; the coach's size for the baseline.
start_vantor "$CASE_TMP/first.txt" 7
window="$(vd wait-window "$coach" 10000)" || fail "the coach did not open"
size="$(kv width "$window")x$(kv height "$window")"
vd close "$coach" >/dev/null
finish_vantor
vd launch-idle --title "Vantor bare coach" "$bare" --size "$size" >/dev/null ||
  fail "the bare coach did not start"
for label in "${BENCH_LABELS[@]}"; do
  vd launch-idle --title "$coach" "${INSTALL_EXE[$label]}" 7 >/dev/null || fail "$label: no coach"
done

declare -A ms memory
for ((run = 0; run < RUNS; run++)); do
  line="$(vd launch-idle --title "Vantor bare coach" "$bare" --size "$size")" ||
    fail "the bare coach did not start"
  ms[bare]+=" $(kv ready_ms "$line")"
  memory[bare]+=" $(kv working_set_kb "$line")"
  for label in "${BENCH_LABELS[@]}"; do
    line="$(vd launch-idle --title "$coach" "${INSTALL_EXE[$label]}" 7)" || fail "$label: no coach"
    ms[$label]+=" $(kv ready_ms "$line")"
    memory[$label]+=" $(kv working_set_kb "$line")"
  done
done
time_and_memory_rows "coach start (ms)" "coach working set (KB)"
for label in "${BENCH_LABELS[@]}"; do
  row "vantor.exe (bytes)" "$label" "$(stat -c %s "${BENCH_EXE[$label]}")" 1048576
done
