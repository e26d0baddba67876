#!/usr/bin/env bash
# Growth: the coach's start with a task of 10, 100, 1,000 and 32,767 topics
# (all that 16-bit topic numbers allow), from a generated zthelp.ini and
# help title; each size against the same build at 10 topics. A start that
# takes longer than BENCH_GROWTH_LIMIT_MS (60 s) is recorded as that and
# not repeated.
# shellcheck source=../e2e/lib.sh
source "$E2E_LIB"
# shellcheck source=../e2e/video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=lib/bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/bench.sh"
keep_desktop
# shellcheck source=lib/growth_task.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/growth_task.sh"

LIMIT_MS="${BENCH_GROWTH_LIMIT_MS:-60000}"
SIZES=(10 100 1000 32767)

coach="$(awk -F= '/^\[frmCoach Text\]/ { inside = 1; next } /^\[/ { inside = 0 }
  inside && $1 == "Title" { sub(/\r$/, "", $2); print $2; exit }' "$VANTOR_ROOT/sample/zthelp.ini")"

declare -A ms
for size in "${SIZES[@]}"; do
  new_install < <(growth_task "$size")
  growth_title "$size" >"$INSTALL/Vantor.m14"
  if [[ -z "${hosted:-}" ]]; then
    host_for_coach
    hosted=1
  else
    cp "$VANTOR_WIN_BIN/standins/zthelp.dll" "$INSTALL/"
  fi
  installs_for_labels
  echo "$size topics: zthelp.ini $(stat -c %s "$INSTALL/zthelp.ini") bytes," \
    "Vantor.m14 $(stat -c %s "$INSTALL/Vantor.m14") bytes"
  declare -A over=()
  for ((run = 0; run < RUNS; run++)); do
    for label in "${BENCH_LABELS[@]}"; do
      [[ -n "${over[$label]:-}" ]] && continue
      if line="$(vd launch-idle --title "$coach" --timeout "$LIMIT_MS" "${INSTALL_EXE[$label]}" 7)"; then
        ms[$label.$size]+=" $(kv ready_ms "$line")"
      else
        ms[$label.$size]=" >$LIMIT_MS"
        over[$label]=1
      fi
    done
  done
  for label in "${BENCH_LABELS[@]}"; do echo "runs: $label $size${ms[$label.$size]}"; done
done
for label in "${BENCH_LABELS[@]}"; do
  # shellcheck disable=SC2086 # the runs are words
  base="$(median ${ms[$label.10]})"
  for size in "${SIZES[@]}"; do
    # shellcheck disable=SC2086
    value="$(median ${ms[$label.$size]})"
    [[ "${ms[$label.$size]}" == " >"* ]] && value="${ms[$label.$size]# }"
    row "coach start, $size topics (ms; baseline: 10 topics)" "$label" "$value" "$base"
  done
done
