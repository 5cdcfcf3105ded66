#!/usr/bin/env bash
# check-metadata.sh DESKTOP METAINFO: both files pass their validators without
# a word, not even a hint.
source "$(dirname "$0")/common.sh"

report=$(desktop-file-validate "$1" 2>&1) && [ -z "$report" ] || fail "desktop-file-validate on $1:"$'\n'"$report"
appstream_ok validate "$2" || fail "appstreamcli rejects $2"
echo "metadata ok: $(basename "$1"), $(basename "$2")"
