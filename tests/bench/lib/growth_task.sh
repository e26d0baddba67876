# shellcheck shell=bash
# The generated tasks of the growth measures: the sample settings with the
# sample's pages replaced, and a help title with a page for each.

# growth_task <topics>: the settings, on stdout.
growth_task() {
  awk -v topics="$1" '
    { sub(/\r$/, "") }
    /^\[/ { skip = tolower($0) ~ /^\[coachtopic[0-9]+\]$/ }
    !skip { print }
    END {
      for (t = 0; t < topics; t++) {
        printf "\n[coachTopic%d]\nTopicID=page_%d\nBack=%d\nHideButton=0\nOptionButtonSet=-1\n",
          t, t, t ? -1 : 0
      }
    }' "$VANTOR_ROOT/sample/zthelp.ini"
}

# growth_title <topics>: the help title, with CR LF line ends, on stdout.
growth_title() {
  awk -v topics="$1" 'BEGIN {
    for (t = 0; t < topics; t++) {
      printf "@topic page_%d\r\n= Page %d of the task\r\n", t, t + 1
      printf "Follow the steps of this page in the scanning application, then click **Next**.\r\n\r\n"
      printf "* Check the original on the glass.\r\n* Check the settings of the scan.\r\n\r\n"
    }
  }'
}
