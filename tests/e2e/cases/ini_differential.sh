#!/usr/bin/env bash
# The real profile functions against the program's own INI reader and
# writer: every case of tests/e2e/inidiff/cases.txt goes through
# inidiff.exe under Wine and through inidiff-native, and every value read
# must be the same. Prints each difference; exit 0 when there is none.
#
# Needs VANTOR_WIN_BIN and VANTOR_NATIVE_BIN (folders of the built programs)
# and a Wine prefix in WINEPREFIX; no display.
set -u

here=$(cd "$(dirname "$0")" && pwd)
table="$here/../inidiff/cases.txt"
win_bin=$(cd "${VANTOR_WIN_BIN:?}" && pwd)
native_bin=$(cd "${VANTOR_NATIVE_BIN:?}" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$table" "$work/cases.txt"

if ! (cd "$work" && wine "$win_bin/inidiff.exe" cases.txt) >"$work/wine.raw" 2>"$work/wine.err"; then
  echo "ini differential: inidiff.exe failed" >&2
  cat "$work/wine.err" >&2
  exit 1
fi
tr -d '\r' <"$work/wine.raw" >"$work/wine.txt"

if ! "$native_bin/inidiff-native" "$work/cases.txt" >"$work/native.txt"; then
  echo "ini differential: inidiff-native failed" >&2
  exit 1
fi

# Lines are "<what>: <value>"; "case N: <title>" names a case.
awk -F': ' '
  function rest(line) { return substr(line, index(line, ": ") + 2) }
  FNR == NR { native[$1] = rest($0); order[++n] = $1; next }
  { windows[$1] = rest($0) }
  END {
    differences = 0; values = 0; cases = 0
    for (i = 1; i <= n; i++) {
      what = order[i]
      if (what ~ /^case [0-9]+$/) { title = native[what]; cases++; continue }
      values++
      if (!(what in windows)) {
        printf "%s (%s): Windows has no answer, ours %s\n", what, title, native[what]
        differences++
      } else if (windows[what] != native[what]) {
        printf "%s (%s): Windows %s, ours %s\n", what, title, windows[what], native[what]
        differences++
      }
    }
    for (what in windows) {
      if (!(what in native)) {
        printf "%s: ours has no answer, Windows %s\n", what, windows[what]
        differences++
      }
    }
    printf "ini differential: %d cases, %d values, %d differences\n", cases, values, differences
    exit differences > 0 || cases == 0
  }
' "$work/native.txt" "$work/wine.txt"
