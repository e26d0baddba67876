#!/usr/bin/env bash
# `vantor.exe 1001` started twice within a few milliseconds, and five
# times, ten times each: as `9`, with the clip playing, so never two clips
# at once (never two windows).
# Twenty tries of up to five starts each, slower on a busy machine:
# e2e-timeout: 150
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=../instances.sh
source "$(dirname "$E2E_LIB")/instances.sh"

burst_install
bursts 10 "$VIDEO_TITLE" 0 1001
