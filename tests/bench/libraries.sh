#!/usr/bin/env bash
# Libraries: what each library that vantor.exe no longer loads at start
# (it loads them when first needed) costs a start, measured alone: the bare
# coach (barecoach.exe) with and without loading it before its window, in
# wineserver requests, time to idle and working set.
# shellcheck source=../e2e/lib.sh
source "$E2E_LIB"
# shellcheck source=../e2e/video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=lib/bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/bench.sh"
keep_desktop

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_for_coach
title="Vantor bare coach"
bare="$(to_winpath "$VANTOR_WIN_BIN/barecoach.exe")"
libraries=(none comctl32.dll winmm.dll version.dll oleacc.dll)

# launch <library> [counted]: one start of the bare coach loading it.
launch() {
  local extra=()
  [[ "$1" != none ]] && extra=(--load "$1")
  if [[ "${2:-}" == counted ]]; then
    counted launch-idle --settle 2000 --title "$title" "$bare" "${extra[@]}"
  else
    vd launch-idle --title "$title" "$bare" "${extra[@]}"
  fi
}
for library in "${libraries[@]}"; do launch "$library" >/dev/null || fail "$library: no start"; done

declare -A ms memory requests
for ((run = 0; run < RUNS; run++)); do
  for library in "${libraries[@]}"; do
    line="$(launch "$library")" || fail "$library: no start"
    ms[$library]+=" $(kv ready_ms "$line")"
    memory[$library]+=" $(kv working_set_kb "$line")"
  done
done
for ((run = 0; run < COUNT_RUNS; run++)); do
  for library in "${libraries[@]}"; do
    line="$(launch "$library" counted)" || fail "$library: no start under strace"
    requests[$library]+=" $(kv requests "$line")"
  done
done
# shellcheck disable=SC2086 # the runs are words
for library in "${libraries[@]}"; do
  echo "runs: $library:${ms[$library]} ms /${memory[$library]} KB / requests${requests[$library]}"
  [[ "$library" == none ]] && continue
  row "bare coach loading it: wineserver requests" "$library" "$(median ${requests[$library]})" \
    "$(median ${requests[none]})"
  row "bare coach loading it: start (ms)" "$library" "$(median ${ms[$library]})" \
    "$(median ${ms[none]})"
  row "bare coach loading it: working set (KB)" "$library" "$(median ${memory[$library]})" \
    "$(median ${memory[none]})"
done
