#!/usr/bin/env bash
# A double click on the host's help button: `vantor.exe 7` started twice
# within a few milliseconds, and five times, ten times each. One coach
# opens, the first start's; every later start brings it forward and ends
# with exit code 0; never two windows at once; the settings file whole.
# Twenty tries of up to five starts each, slower on a busy machine:
# e2e-timeout: 150
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=../instances.sh
source "$(dirname "$E2E_LIB")/instances.sh"

burst_install
bursts 10 "$COACH_TITLE" 0 7
