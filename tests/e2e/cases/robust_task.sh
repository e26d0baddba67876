#!/usr/bin/env bash
# A task in the settings file that asks for more than the coach has or
# holds numbers that make no sense: more steps than labels, more topics,
# option sets and option rows than the window has, 16-bit values past
# their range, Back offsets before the first topic and after the last,
# negative numbers and words where numbers belong. The coach opens for
# each, Next and Back walk through it to the first page with option rows,
# and the close box ends the program; the settings file is not touched.
# Eight starts of the coach: 30-50 s on an idle machine, more beside a build.
# e2e-timeout: 120
# shellcheck source=../lib.sh
source "$E2E_LIB"

NEXT=203 BACK=202 COACH_CANCEL=204
# Through the pages that act on the host to the first with option rows.
walk="click:$NEXT click:$NEXT click:$NEXT click:$BACK click:$NEXT click:$NEXT click:$NEXT"
walk+=" click:$NEXT close:$COACH_CANCEL"

# task <what> <section/key=value>...: the sample task with those values,
# walked through and cancelled.
task() {
  local what="$1" change section key
  shift
  new_install <"$VANTOR_ROOT/sample/zthelp.ini"
  host_doubles SelectionValid=1 PreviewDone=1
  for change in "$@"; do
    section="${change%%/*}" key="${change#*/}"
    ini_set "$section" "${key%%=*}" "${key#*=}"
  done
  keep_ini
  outcome "$what" 1 "$walk" 7
  ini_kept "$what"
}

steps=() topics=()
for ((n = 6; n < 40; n++)); do steps+=("coachStep$n/BUTTON=Step $n" "coachStep$n/StartTopic=$n"); done
for ((n = 12; n < 200; n++)); do topics+=("coachTopic$n/TopicID=scan_done" "coachTopic$n/Back=-1"); done
task "40 steps" "${steps[@]}"
task "200 topics" "${topics[@]}"
task "option sets and rows past the window" OptionButtons/numOBSets=40000 \
  OptionButtons/maxOptionButtons=32767 coachTopic1/OptionButtonSet=99 \
  OptionButtons0/OptionButtonText20=Row 20 OptionButtons0/topicHeight=99999 \
  OptionButtons1/topicHeight=-500
task "16-bit values past their range" coachTopic0/HideButton=70000 coachTopic1/HideTopic=65536 \
  coachTopic3/OptionButtonSet=32768 OptionButtons/maxOptionButtons=40000
task "Back offsets outside the task" coachTopic3/Back=-99 coachTopic4/Back=500 \
  coachTopic5/Back=2147483648 coachTopic6/Back=-2147483649
task "step starts outside the task" coachStep1/StartTopic=-5 coachStep2/StartTopic=9999 \
  coachStep3/StartTopic=99999999999
task "negative numbers" OptionButtons/numOBSets=-3 OptionButtons/maxOptionButtons=-1 \
  coachTopic0/OptionButtonSet=-7 coachTopic1/HideButton=-1 coachTopic2/HideTopic=-1
task "words for numbers" coachTopic3/Back=abc coachTopic0/HideButton=yes \
  coachTopic6/OptionButtonSet=two OptionButtons/numOBSets=x coachStep1/StartTopic=first \
  coachTopic5/HideTopic=on
