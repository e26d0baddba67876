# shellcheck shell=bash
# Helpers of the benchmark's cases (scripts/bench), sourced after lib.sh.
# Each case times one or more builds of vantor.exe against a baseline
# program, alternating them run by run, and prints its results as lines
#   bench <TAB> measure <TAB> program <TAB> value <TAB> baseline <TAB> ratio
# that scripts/bench turns into its table.

RUNS="${BENCH_RUNS:-7}"
# Runs per program in which its wineserver requests are counted: a count
# moves by a few in a thousand from run to run, so three are plenty.
COUNT_RUNS="${BENCH_COUNT_RUNS:-3}"
BENCH_LIB="$(dirname "${BASH_SOURCE[0]}")"

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

# A case's stand-in windows live as long as it runs (minutes), not the 30 s
# of a test's.
STANDIN_LIFE_MS=$((6 * 3600 * 1000))

# Wine ends its desktop process a second after the last program on the
# desktop ends, and the next program to start brings it up again: that start
# then pays for it (some 25 requests and a wait), and whichever start comes
# next is measured with or without it. A hidden window of the driver's, for
# as long as the case runs, keeps the desktop up for every run alike.
keep_desktop() {
  start_standin "$CASE_TMP/desktop-keeper.txt" "Vantor benchmark desktop keeper" 0 0 8 8 hidden
}

# The help object's stand-in and the host's window, as the coach finds them
# on a user's desktop. The window stays until the case ends.
host_for_coach() {
  host_doubles SelectionValid=0 PreviewDone=0
  start_standin "$CASE_TMP/host-window.txt" "$(ini_value General CallingAppName)" 0 0 560 700
}

# counted <launch verb and its arguments...>: one run of the driver's verb
# with the wineserver requests of the program it starts counted under
# strace (lib/requests.awk); prints the driver's line with requests= and
# x_writes= added (both "-" without strace). Slow: the counted runs are
# never the timed ones.
counted() {
  local trace line counts word program=""
  for word in "$@"; do
    [[ -z "$program" && "${word,,}" == *.exe ]] && program="${word##*[\\/]}"
  done
  if ! command -v strace >/dev/null; then
    line="$(vd "$@")" || return 1
    printf '%s requests=- x_writes=-\n' "$line"
    return 0
  fi
  trace="$(mktemp "$CASE_TMP/requests-XXXX.trace")" || return 1
  line="$(strace -f -y -qq -s 512 -e trace=write,writev,execve,clone,clone3 -o "$trace" \
    wine "$VDRIVER" "$@" | tr -d '\r')" || return 1
  counts="$(awk -v PROGRAM="$program" -f "$BENCH_LIB/requests.awk" "$trace" "$trace")"
  rm -f "$trace"
  printf '%s %s\n' "$line" "$counts"
}

# spread <numbers...>: "lowest-highest".
spread() {
  printf '%s\n' "$@" | sort -n | awk 'NR == 1 { low = $1 } { high = $1 } END { print low "-" high }'
}
