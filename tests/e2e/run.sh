#!/usr/bin/env bash
# Runs the end-to-end cases: the built vantor.exe under Wine in a private
# Xvfb, driven by vdriver.exe. Builds nothing (scripts/test builds first).
#
#   tests/e2e/run.sh [name-part...]    only the cases whose names contain one
#                                      of the given parts
#
# Environment: VANTOR_WIN_BIN (default build/win32/bin), VANTOR_NATIVE_BIN
# (default build/native/bin), WINEPREFIX (default build/wine/prefix),
# E2E_CASE_TIMEOUT in seconds (default 60; a case may ask for more with a
# line "# e2e-timeout: <seconds>"), VANTOR_SCREENSHOTS=1 to have the
# coach and video cases take their pictures for docs/screenshots,
# E2E_CASES_DIR to run the scripts of another folder (tests/e2e/timing) on
# the same bed, E2E_JOBS for how many beds run cases side by side (default:
# one per processor, at most two; each has its own display, prefix and
# wineserver).
#
# Prints "PASS name (1.23 s)" or "FAIL name" and the case's output per case,
# and as the last line "e2e: N passed, N failed". Exit 1 when any failed.

set -u
E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
ROOT="$(cd "$E2E_DIR/../.." && pwd)"
source "$ROOT/scripts/lib/wine-env.sh"

VANTOR_WIN_BIN="$(realpath -m "${VANTOR_WIN_BIN:-$ROOT/build/win32/bin}")"
VANTOR_NATIVE_BIN="$(realpath -m "${VANTOR_NATIVE_BIN:-$ROOT/build/native/bin}")"
export VANTOR_WIN_BIN VANTOR_NATIVE_BIN
export VANTOR_EXE="$VANTOR_WIN_BIN/vantor.exe"
export VDRIVER="$VANTOR_WIN_BIN/vdriver.exe"
export E2E_LIB="$E2E_DIR/lib.sh"
export SCREENSHOT_DIR="$ROOT/docs/screenshots"
CASE_TIMEOUT="${E2E_CASE_TIMEOUT:-60}"
WORK="$ROOT/build/e2e"

cases=()
for path in "${E2E_CASES_DIR:-$E2E_DIR/cases}"/*.sh; do
  name="$(basename "$path" .sh)"
  if (($# > 0)); then
    selected=0
    for part in "$@"; do [[ "$name" == *"$part"* ]] && selected=1; done
    ((selected)) || continue
  fi
  cases+=("$path")
done

missing=()
for program in "$VANTOR_EXE" "$VDRIVER"; do
  [[ -f "$program" ]] || missing+=("$program")
done
if ((${#missing[@]} > 0)); then
  echo "e2e: not built: ${missing[*]}"
  echo "e2e: 0 passed, ${#cases[@]} failed"
  exit 1
fi

wine_env_defaults
cleanup() {
  wineserver_stop
  xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Seconds since a `date +%s.%N` time, to two places.
seconds_since() {
  awk -v from="$1" -v to="$(date +%s.%N)" 'BEGIN { printf "%.2f", to - from }'
}

# Our own programs still running after a case would change the next one
# (a running instance is detected); the wineserver is restarted then.
ours_still_running() {
  local names
  names="$(cd "$VANTOR_WIN_BIN" && ls -- *.exe 2>/dev/null)"
  wine "$VDRIVER" ps 2>/dev/null | tr -d '\r' | sed -n 's/^pid=[0-9]* name=//p' |
    grep -ixF -f <(printf '%s\n' "$names")
}

# run_cases <work folder> <case>...: the cases one after another on the bed
# of this shell (its display, prefix and wineserver); a line per case, and
# the counts in `passed` and `failed`.
run_cases() {
  local work="$1" path name begin limit code seconds leftovers
  shift
  rm -rf "$work" "$WINEPREFIX/drive_c/e2e"
  mkdir -p "$work"
  passed=0
  failed=0
  for path in "$@"; do
    name="$(basename "$path" .sh)"
    export CASE_NAME="$name"
    export CASE_TMP="$work/$name"
    mkdir -p "$CASE_TMP"
    begin=$(date +%s.%N)
    # A case that starts the program many times may ask for more time with
    # a line "# e2e-timeout: <seconds>".
    limit="$(sed -n 's/^# e2e-timeout: \([0-9][0-9]*\)$/\1/p' "$path" | head -n 1)"
    ((${limit:-0} > CASE_TIMEOUT)) || limit=$CASE_TIMEOUT
    timeout -k 5 "$limit" bash "$path" >"$CASE_TMP/output.txt" 2>&1
    code=$?
    seconds=$(seconds_since "$begin")
    if ((code == 124)); then
      echo "timed out after $limit s" >>"$CASE_TMP/output.txt"
    fi
    leftovers="$(ours_still_running)"
    if [[ -n "$leftovers" ]]; then
      echo "left running: ${leftovers//$'\n'/ }" >>"$CASE_TMP/output.txt"
      ((code == 0)) && code=1
      wineserver_stop
      wineserver_start
    fi
    if ((code == 0)); then
      passed=$((passed + 1))
      echo "PASS $name ($seconds s)"
    else
      failed=$((failed + 1))
      echo "FAIL $name"
      sed 's/^/    /' "$CASE_TMP/output.txt"
    fi
  done
}

# A bed of its own (display, prefix, wineserver) for each of E2E_JOBS shards
# (default: one per processor, at most two), so that one case's programs
# never meet another's. The first shard uses the suite's prefix; the others
# a copy of it beside it.
jobs="${E2E_JOBS:-$(nproc 2>/dev/null || echo 1)}"
((jobs > 2 && ${E2E_JOBS:-0} == 0)) && jobs=2
((jobs > ${#cases[@]})) && jobs=${#cases[@]}
((jobs < 1)) && jobs=1

started=$(date +%s.%N)
xvfb_start || { echo "e2e: 0 passed, ${#cases[@]} failed"; exit 1; }
prefix_ensure || { echo "e2e: no Wine prefix"; echo "e2e: 0 passed, ${#cases[@]} failed"; exit 1; }
if ((jobs == 1)); then
  wineserver_start
  run_cases "$WORK" "${cases[@]}"
else
  xvfb_stop
  base_prefix="$WINEPREFIX"
  # The copies are made once the suite's prefix is complete and its
  # wineserver has written the registry out.
  wineserver -w
  for ((shard = 1; shard < jobs; shard++)); do
    if ! WINEPREFIX="$base_prefix-$shard" prefix_is_complete; then
      rm -rf "$base_prefix-$shard"
      cp -a "$base_prefix" "$base_prefix-$shard"
    fi
  done
  rm -rf "$WORK"
  mkdir -p "$WORK"
  pids=()
  for ((shard = 0; shard < jobs; shard++)); do
    shard_cases=()
    for ((i = shard; i < ${#cases[@]}; i += jobs)); do shard_cases+=("${cases[i]}"); done
    (
      if ((shard > 0)); then
        export WINEPREFIX="$base_prefix-$shard"
        [[ "$VANTOR_CDROOT" == "$base_prefix/cdrom" ]] && export VANTOR_CDROOT="$WINEPREFIX/cdrom"
      fi
      trap cleanup EXIT
      if xvfb_start && prefix_ensure && wineserver_start; then
        run_cases "$WORK/shard-$shard" "${shard_cases[@]}"
      else
        passed=0 failed=${#shard_cases[@]}
        echo "FAIL shard $shard: no display or Wine prefix"
      fi
      echo "shard: $passed passed, $failed failed"
    ) >"$WORK/shard-$shard.log" 2>&1 &
    pids+=($!)
  done
  passed=0
  failed=0
  for ((shard = 0; shard < jobs; shard++)); do
    wait "${pids[shard]}"
    line="$(grep -E '^shard: [0-9]+ passed, [0-9]+ failed$' "$WORK/shard-$shard.log" | tail -n 1)"
    grep -vE '^shard: [0-9]+ passed, [0-9]+ failed$' "$WORK/shard-$shard.log"
    if [[ -n "$line" ]]; then
      read -r _ p _ f _ <<<"$line"
      passed=$((passed + p))
      failed=$((failed + f))
    else
      echo "FAIL shard $shard: it gave no result"
      failed=$((failed + 1))
    fi
  done
fi

echo "e2e: whole run $(seconds_since "$started") s" >&2
echo "e2e: $passed passed, $failed failed"
((failed == 0))
