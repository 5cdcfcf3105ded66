#!/usr/bin/env bash
# check-deb.sh BUILD_DIR: builds the .deb with CPack and checks that it holds
# exactly what `cmake --install` puts under /usr, depends on the Qt 6 libraries,
# the fonts and Qt's translations, and carries the version the metainfo announces.
source "$(dirname "$0")/common.sh"
need_tools cmake cpack dpkg-deb dpkg-shlibdeps

build=$1
cpack -G DEB -B "$scratch/cpack" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 \
    || fail "cpack failed:"$'\n'"$(cat "$scratch/cpack.log")"
debs=("$scratch"/cpack/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb, found: ${debs[*]}"
fi
deb=${debs[0]}

dpkg-deb -I "$deb" >/dev/null || fail "dpkg-deb cannot read $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation qt6-translations-l10n; do
    grep -qE "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done

DESTDIR=$scratch/tree cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
(cd "$scratch/tree" && find . -type f | sort) >"$scratch/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort >"$scratch/packaged"
diff -u "$scratch/installed" "$scratch/packaged" || fail "the .deb and cmake --install differ (installed vs packaged)"

metainfo=$(find "$scratch/tree/usr/share/metainfo" -name '*.metainfo.xml')
version=$(dpkg-deb -f "$deb" Version)
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$release" = "$version" ] || fail "the metainfo's newest release $release is not the package version $version"
echo "$(basename "$deb"): $(wc -l <"$scratch/packaged") files, Depends: $depends"
