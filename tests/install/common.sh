# shellcheck shell=bash
# Shared by the install checks: loud failures and a scratch folder removed on exit.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# desktop_key FILE KEY: the value of KEY in the [Desktop Entry] group.
desktop_key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"; }

# appstream_ok validate|validate-tree PATH: AppStream's strict check. AppStream
# 1.0 asks for <developer>, which AppStream 0.16 (Debian 12) notes as an unknown
# tag: that one note is let through, and nothing else.
appstream_ok() {
    local report notes
    report=$(appstreamcli "$1" --no-net --strict "$2" 2>&1) && return 0
    notes=$(grep -E '^ *[EWI]: ' <<<"$report")
    [[ $notes =~ ^\ *I:\ [^[:space:]]+:\ unknown-tag\ developer$ ]] && return 0
    echo "$report" >&2
    return 1
}
