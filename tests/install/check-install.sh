#!/usr/bin/env bash
# check-install.sh BUILD_DIR: installs the build into a scratch prefix, checks
# that the desktop finds everything the desktop entry names, then starts the
# installed program and waits for its window. The manual page must be there,
# render without complaint, in Italian, and name every option --help lists. Run it under
# tests/support/with-xvfb.sh, which gives it a display.
source "$(dirname "$0")/common.sh"
need_tools cmake appstreamcli xdotool man
[ -n "${DISPLAY:-}" ] || fail "no X display: run under tests/support/with-xvfb.sh"

build=$1
prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" \
    || fail "cmake --install failed:"$'\n'"$(cat "$scratch/install.log")"

desktops=("$prefix"/share/applications/*.desktop)
if [ ${#desktops[@]} -ne 1 ] || [ ! -f "${desktops[0]}" ]; then
    fail "expected one desktop entry, found: ${desktops[*]}"
fi
desktop=${desktops[0]}
id=$(basename "$desktop" .desktop)
icon=$(desktop_key "$desktop" Icon)
program=$prefix/bin/$(desktop_key "$desktop" Exec)

[ -x "$program" ] || fail "Exec= names $program, which is not installed"
[ -f "$prefix/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo for $id"
[ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"

page=$prefix/share/man/man1/$(basename "$program").1.gz
[ -s "$page" ] || fail "no manual page $page"
manual=$(MANWIDTH=80 man --warnings -l "$page" 2>"$scratch/man.log") && [ ! -s "$scratch/man.log" ] \
    || fail "man cannot render $page cleanly:"$'\n'"$(cat "$scratch/man.log")"
grep -q '^SINTASSI$' <<<"$manual" || fail "the manual page's headings are not Italian"
for option in $("$program" --help | sed -n 's/^  \(--[a-z]*\).*/\1/p'); do
    grep -qe "$option" <<<"$manual" || fail "the manual page does not mention $option"
done

# A PNG keeps its width and height as big-endian words at bytes 16 and 20.
for size in 16 32; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no ${size}x${size} icon $icon.png"
    read -r _ _ _ w _ _ _ h < <(od -An -tu1 -j16 -N8 "$png")
    [ "$w $h" = "$size $size" ] || fail "$png is ${w}x${h}, not ${size}x${size}"
done

# The tree as a software centre reads it: metainfo, desktop entry and icon together.
appstreamcli validate-tree --no-net --strict "$scratch" || fail "appstreamcli rejects the installed tree"

trap 'kill "${app:-}" 2>/dev/null; wait; rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$program" >"$scratch/app.log" 2>&1 &
app=$!
window=
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Fastorio$' 2>/dev/null) && break
    kill -0 "$app" 2>/dev/null || fail "the installed program ended early:"$'\n'"$(cat "$scratch/app.log")"
    sleep 0.1
done
[ -n "$window" ] || fail "no window named Fastorio was mapped within 15 s:"$'\n'"$(cat "$scratch/app.log")"
echo "installed $id; its window $window is mapped"
