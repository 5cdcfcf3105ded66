# shellcheck shell=bash
# Shared by the install checks: loud failures and a scratch folder removed on exit.
set -euo pipefail

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

need_tools()
{
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/lib/packages.sh)"
    done
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# desktop_key FILE KEY: the value of KEY in the [Desktop Entry] group.
desktop_key()
{
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}
