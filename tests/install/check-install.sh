#!/usr/bin/env bash
# check-install.sh BUILD_DIR: installs the build into a scratch prefix; the
# desktop finds what the desktop entry names, the manual page renders cleanly,
# in Italian, naming every option of --help, and the installed program maps its
# window. Runs under tests/support/with-xvfb.sh.
source "$(dirname "$0")/common.sh"

prefix=$scratch/usr
cmake --install "$1" --prefix "$prefix" >"$scratch/log" 2>&1 || fail "cmake --install:"$'\n'"$(cat "$scratch/log")"
desktop=$(echo "$prefix"/share/applications/*.desktop)
icon=$(desktop_key "$desktop" Icon)
program=$prefix/bin/$(desktop_key "$desktop" Exec)
[ -x "$program" ] || fail "Exec= names $program, which is not installed"
[ -f "$prefix/share/metainfo/$(basename "$desktop" .desktop).metainfo.xml" ] || fail "no metainfo for $desktop"
[ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for size in 16 32; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    # A PNG keeps its width and height as big-endian words at bytes 16 and 20.
    [ "$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $4, $8 }')" = "$size $size" ] || fail "$png is not ${size}x$size"
done
appstream_ok validate-tree "$scratch" || fail "appstreamcli rejects the installed tree"

manual=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/fastorio.1.gz" 2>"$scratch/log") &&
    [ ! -s "$scratch/log" ] || fail "the manual page does not render cleanly:"$'\n'"$(cat "$scratch/log")"
grep -q '^SINTASSI$' <<<"$manual" || fail "the manual page's headings are not Italian"
for option in $("$program" --help | sed -n 's/^  \(--[a-z]*\).*/\1/p'); do
    grep -qe "$option" <<<"$manual" || fail "the manual page does not mention $option"
done

LC_ALL=C.UTF-8 "$program" >"$scratch/log" 2>&1 &
trap 'kill $! 2>/dev/null; rm -rf "$scratch"' EXIT
timeout 15 xdotool search --sync --onlyvisible --name '^Fastorio$' >/dev/null ||
    fail "no window named Fastorio within 15 s:"$'\n'"$(cat "$scratch/log")"
echo "installed; the window is mapped"
