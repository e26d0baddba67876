#!/usr/bin/env bash
# The Win32 backend on real windows: every control kind, event source,
# keyboard path, modal loop and platform call (tests/win32). One case here;
# its own output lists each check.
# shellcheck source=../lib.sh
source "$E2E_LIB"

wine "$VANTOR_WIN_BIN/vantor_backend_tests.exe" >"$CASE_TMP/backend.txt" 2>&1
status=$?
output="$(tr -d '\r' <"$CASE_TMP/backend.txt")"
echo "$output" | grep -E '^(FAIL|backend tests:)' || true
summary="$(echo "$output" | grep '^backend tests:')"
[[ -n "$summary" ]] || fail "the backend tests printed no summary"
[[ "$summary" == *" 0 failed,"* ]] || fail "$summary"
[[ $status -eq 0 ]] || fail "exit code $status"
