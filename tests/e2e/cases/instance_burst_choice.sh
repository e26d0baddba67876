#!/usr/bin/env bash
# `vantor.exe` without a command line (the sample asks: the choice dialog)
# started twice within a few milliseconds, and five times, ten times each:
# one choice dialog, the first start's; every later start brings it
# forward and ends with exit code 0. Its Cancel ends the first start and
# nothing is written.
# Twenty tries of up to five starts each, slower on a busy machine:
# e2e-timeout: 150
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=../instances.sh
source "$(dirname "$E2E_LIB")/instances.sh"

burst_install
bursts 10 "$CHOICE_TITLE" 2
