# shellcheck shell=bash
# Helpers of the benchmark's cases (scripts/bench), sourced after lib.sh.
# Each case times one or more builds of vantor.exe against a baseline
# program, alternating them run by run, and prints its results as lines
#   bench <TAB> measure <TAB> program <TAB> value <TAB> baseline <TAB> ratio
# that scripts/bench turns into its table.

RUNS="${BENCH_RUNS:-7}"

# The builds to time: "now" is the tree's own vantor.exe; scripts/bench
# --before adds another build as "before".
BENCH_LABELS=(now)
declare -A BENCH_EXE=([now]="$VANTOR_EXE")
if [[ -n "${VANTOR_BENCH_BEFORE:-}" ]]; then
  BENCH_LABELS=(before now)
  BENCH_EXE[before]="$VANTOR_BENCH_BEFORE"
fi

# median <numbers...>: the middle one (the lower middle of an even count).
median() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# ratio <a> <b>: a / b to two places.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (a ~ /^[0-9.]+$/ && b > 0) printf "%.2f", a / b; else print "-" }'
}

# row <measure> <program> <value> <baseline>
row() {
  printf 'bench\t%s\t%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" "$(ratio "$3" "$4")"
}

# time_and_memory_rows <time measure> <memory measure>: the medians of the
# runs gathered in ms[...] and memory[...] (keys bare and each label), each
# beside the bare program's, as table rows.
time_and_memory_rows() {
  echo "runs: bare${ms[bare]} /${memory[bare]} KB"
  local label base_ms base_kb
  # shellcheck disable=SC2086 # the runs are words
  base_ms="$(median ${ms[bare]})" base_kb="$(median ${memory[bare]})"
  for label in "${BENCH_LABELS[@]}"; do
    echo "runs: $label${ms[$label]} /${memory[$label]} KB"
    # shellcheck disable=SC2086
    row "$1" "$label" "$(median ${ms[$label]})" "$base_ms"
    # shellcheck disable=SC2086
    row "$2" "$label" "$(median ${memory[$label]})" "$base_kb"
  done
}

# installs_for_labels: one copy of the install folder $INSTALL per build,
# each with that build's vantor.exe; INSTALL_EXE[label] is its Windows path.
declare -A INSTALL_EXE
installs_for_labels() {
  local label dir
  for label in "${BENCH_LABELS[@]}"; do
    dir="$INSTALL-$label"
    rm -rf "$dir"
    cp -a "$INSTALL" "$dir"
    cp "${BENCH_EXE[$label]}" "$dir/vantor.exe"
    INSTALL_EXE[$label]="$(to_winpath "$dir")\\vantor.exe"
  done
}

# The help object's stand-in and the host's window, as the coach finds them
# on a user's desktop. The window stays until the case ends.
host_for_coach() {
  host_doubles SelectionValid=0 PreviewDone=0
  start_standin "$CASE_TMP/host-window.txt" "$(ini_value General CallingAppName)" 0 0 560 700
}
