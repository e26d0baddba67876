#!/usr/bin/env bash
# Started with an empty command line and no request for the choice dialog,
# the program ends at once (exit 0) and shows nothing, whether the setting
# is missing, 0, any value but 1, or the whole settings file is missing.
# shellcheck source=../lib.sh
source "$E2E_LIB"

check_quiet_start() {
  local what="$1" line
  line="$(launch)" || fail "$what: the program did not end: $line"
  echo "$line"
  expect_eq "$what: exit code" 0 "$(kv exit "$line")"
  expect_eq "$what: windows shown" 0 "$(kv windows "$line")"
  local elapsed
  elapsed="$(kv elapsed_ms "$line")"
  ((elapsed < 2000)) || fail "$what: took $elapsed ms"
}

new_install <<'INI'
[General]
CallingAppName=Stand-in Scanner
[frmChoice Text]
Title=Open what?
INI
check_quiet_start "setting missing"

for value in 0 2 -1 yes; do
  write_ini <<INI
[General]
ChoiceOnCoachDoubleClick=$value
[frmChoice Text]
Title=Open what?
INI
  check_quiet_start "ChoiceOnCoachDoubleClick=$value"
done

rm "$INSTALL/zthelp.ini"
check_quiet_start "no settings file"
