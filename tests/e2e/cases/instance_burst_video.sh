#!/usr/bin/env bash
# `vantor.exe 9` started twice within a few milliseconds, and five times,
# ten times each: each start takes over the video window of the one before,
# which closes before the next opens, so one video window stays; every
# other start ends with exit code 0; the settings file whole, with the
# taken-over place in [AVIPosition].
# Twenty tries of up to five starts each, slower on a busy machine:
# e2e-timeout: 150
# shellcheck source=../lib.sh
source "$E2E_LIB"
# shellcheck source=../video.sh
source "$(dirname "$E2E_LIB")/video.sh"
# shellcheck source=../instances.sh
source "$(dirname "$E2E_LIB")/instances.sh"

burst_install
bursts 10 "$VIDEO_TITLE" 0 9
