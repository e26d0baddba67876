#!/usr/bin/env bash
# Where the time of a start goes: the phase-log builds named in
# VANTOR_BENCH_PHASES ("label=path/to/vantor.exe ...", made by scripts/bench
# --phases) start the coach with the sample installation and with 32,767
# topics, BENCH_RUNS times each; their vantor-phases.log gives the median of
# every phase. The video window is left out: its start is timed to its
# first frame from outside and ended there, and in our runs its record had
# not been written by then.
# shellcheck source=../e2e/lib.sh
source "$E2E_LIB"
# shellcheck source=../e2e/video.sh
source "$(dirname "$E2E_LIB")/video.sh"  # ini_value
# shellcheck source=lib/bench.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/bench.sh"
# shellcheck source=lib/growth_task.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/growth_task.sh"

[[ -n "${VANTOR_BENCH_PHASES:-}" ]] || { echo "no phase-log build to run"; exit 0; }
keep_desktop

# phases_of <label> <scene> <log>: the median of each phase over the runs.
phases_of() {
  awk -F'\t' -v label="$1" -v scene="$2" '
    { sub(/\r$/, "") }
    $1 == "phase" || $1 == "within" {
      name = $1 == "within" ? "within: " $2 : $2
      if ($1 == "within") calls[name] = " (" $4 ")"
      if (!(name in seen)) { seen[name] = 1; order[++n] = name }
      values[name] = values[name] " " $3
    }
    END {
      for (i = 1; i <= n; i++) {
        count = split(substr(values[order[i]], 2), v, " ")
        for (a = 1; a <= count; a++) for (b = a + 1; b <= count; b++) if (v[b] + 0 < v[a] + 0) { t = v[a]; v[a] = v[b]; v[b] = t }
        printf "phase\t%s\t%s\t%s%s\t%.1f\n", scene, label, order[i], calls[order[i]], v[int((count + 1) / 2)]
      }
    }' "$3"
}

# run_scene <scene> <args...>: every build's runs in that install.
run_scene() {
  local scene="$1" label
  shift
  for label in "${!exes[@]}"; do
    rm -f "$INSTALL-$label/vantor-phases.log"
  done
  for ((run = 0; run < RUNS + 1; run++)); do
    for label in "${!exes[@]}"; do
      "$@" "$(to_winpath "$INSTALL-$label")\\vantor.exe" >/dev/null || fail "$label: $scene failed"
    done
  done
  for label in "${!exes[@]}"; do
    # The first run warms the caches and is left out.
    tr -d '\r' <"$INSTALL-$label/vantor-phases.log" | awk '/^end$/ { runs++; next } runs >= 1' >"$CASE_TMP/$label.log"
    phases_of "$label" "$scene" "$CASE_TMP/$label.log"
  done
}

declare -A exes
for pair in $VANTOR_BENCH_PHASES; do exes[${pair%%=*}]="${pair#*=}"; done
BENCH_LABELS=("${!exes[@]}")
for label in "${!exes[@]}"; do BENCH_EXE[$label]="${exes[$label]}"; done

coach="$(awk -F= '/^\[frmCoach Text\]/ { inside = 1; next } /^\[/ { inside = 0 }
  inside && $1 == "Title" { sub(/\r$/, "", $2); print $2; exit }' "$VANTOR_ROOT/sample/zthelp.ini")"
coach_start() { vd launch-idle --title "$coach" --timeout 600000 "$1" 7; }

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
host_for_coach
installs_for_labels
run_scene "coach, sample" coach_start

new_install < <(growth_task 32767)
growth_title 32767 >"$INSTALL/Vantor.m14"
cp "$VANTOR_WIN_BIN/standins/zthelp.dll" "$INSTALL/"
installs_for_labels
RUNS=$(((RUNS + 1) / 2))
run_scene "coach, 32767 topics" coach_start
