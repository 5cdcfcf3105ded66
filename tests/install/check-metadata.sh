#!/usr/bin/env bash
# check-metadata.sh DESKTOP METAINFO: both files pass their validators without
# warnings.
source "$(dirname "$0")/common.sh"
need_tools desktop-file-validate appstreamcli

desktop=$1
metainfo=$2

# desktop-file-validate exits 0 on warnings; only hints are acceptable.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate rejects $desktop:"$'\n'"$report"
if grep -E ': (error|warning): ' <<<"$report"; then
    fail "desktop-file-validate warns about $desktop"
fi

appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects $metainfo"

echo "metadata ok: $(basename "$desktop"), $(basename "$metainfo")"
