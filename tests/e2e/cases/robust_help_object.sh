#!/usr/bin/env bash
# The scanning application's help object not there or not answering: not
# registered, registered with its library gone, every call failing, and a
# preview scan that never ends. The coach opens and walks through the
# scanning pages in each (Do It and Next on the preview page, the
# selection page, Help with no help library beside the program); a
# preview that never ends keeps its progress window up until the user
# closes it, and the coach then goes on. Nothing is written.
# shellcheck source=../lib.sh
source "$E2E_LIB"

HELP=201 BACK=202 NEXT=203 COACH_CANCEL=204 DO_IT=205 PROGRESS=601
# Topic 2 (Do It, then Next), topic 4 (Do It, Help), back, Cancel. Do It
# on topic 2 shows the progress window, which closes at its first tick when
# the object cannot say whether the scan is done: two windows.
walk="click:$NEXT click:$NEXT click:$DO_IT click:$NEXT click:$NEXT click:$HELP"
walk+=" click:$BACK close:$COACH_CANCEL"

new_install <"$VANTOR_ROOT/sample/zthelp.ini"
keep_ini

host_doubles SelectionValid=1 PreviewDone=1
rm "$INSTALL/zthelp.dll"
host_unregistered
outcome "not registered, no help library" 2 "$walk" 7
expect_eq "calls that reached a help object" "" "$(host_log)"

host_unregistered "library missing"
outcome "registered, its library missing" 2 "$walk" 7
prefix_register_host

host_doubles SelectionValid=1 Fail=1
outcome "every call failing" 2 "$walk" 7
host_log | grep -q '^fail PreviewScan' || fail "the failing object was not asked for a scan"
host_log | grep -q '^OpenTopic' || fail "Help did not reach the help library"
host_log | grep -v '^fail\|^OpenTopic' | grep . && fail "a call did not fail"

# Never done: Next on the preview page starts the scan and shows the
# progress window; its close box is the way out.
host_doubles SelectionValid=1 PreviewDelayMs=2000000000
outcome "a preview that never ends" 2 \
  "click:$NEXT click:$NEXT post:$NEXT close:$PROGRESS click:$NEXT close:$COACH_CANCEL" 7
expect_eq "windows of a preview that never ends" "Vantor Scan Coach|Preview Scan" "$OUTCOME_TITLES"
expect_eq "scans started" 1 "$(host_log | grep -c '^call PreviewScan')"
ini_kept "help object faults"
