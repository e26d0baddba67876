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
# the same bed.
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

started=$(date +%s.%N)
xvfb_start || { echo "e2e: 0 passed, ${#cases[@]} failed"; exit 1; }
prefix_ensure || { echo "e2e: no Wine prefix"; echo "e2e: 0 passed, ${#cases[@]} failed"; exit 1; }
wineserver_start
rm -rf "$WORK" "$WINEPREFIX/drive_c/e2e"
mkdir -p "$WORK"

# Our own programs still running after a case would change the next one
# (a running instance is detected); the wineserver is restarted then.
ours_still_running() {
  local names
  names="$(cd "$VANTOR_WIN_BIN" && ls -- *.exe 2>/dev/null)"
  wine "$VDRIVER" ps 2>/dev/null | tr -d '\r' | sed -n 's/^pid=[0-9]* name=//p' |
    grep -ixF -f <(printf '%s\n' "$names")
}

passed=0
failed=0
for path in "${cases[@]}"; do
  name="$(basename "$path" .sh)"
  export CASE_NAME="$name"
  export CASE_TMP="$WORK/$name"
  mkdir -p "$CASE_TMP"
  begin=$(date +%s.%N)
  # A case that starts the program many times may ask for more time with a
  # line "# e2e-timeout: <seconds>".
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

echo "e2e: whole run $(seconds_since "$started") s" >&2
echo "e2e: $passed passed, $failed failed"
((failed == 0))
