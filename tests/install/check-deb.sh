#!/usr/bin/env bash
# check-deb.sh BUILD_DIR: the .deb that CPack builds holds exactly what `cmake
# --install` puts under /usr, depends on what the program needs at run time,
# carries the version of the metainfo and the changelog, and draws no error and
# no warning from lintian.
source "$(dirname "$0")/common.sh"

# Built with a group-writable umask, as on many desktops: the modes must still be Debian's.
(umask 0002 && cpack -G DEB -B "$scratch/cpack" --config "$1/CPackConfig.cmake" >"$scratch/log" 2>&1) ||
    fail "cpack:"$'\n'"$(cat "$scratch/log")"
deb=$(echo "$scratch"/cpack/*.deb)
lintian --fail-on error,warning "$deb" >"$scratch/log" 2>&1 && ! grep -qE '^[EW]: ' "$scratch/log" ||
    fail "lintian objects to $deb:"$'\n'"$(cat "$scratch/log")"

depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 names the libraries with a t64 suffix.
for pkg in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation qt6-translations-l10n; do
    grep -qE "(^|, )$pkg(t64)?( |,|$)" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done

DESTDIR=$scratch/tree cmake --install "$1" --prefix /usr >/dev/null
diff -u <(cd "$scratch/tree" && find . -type f | sort) <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort) ||
    fail "the .deb and cmake --install differ (installed vs packaged)"

version=$(dpkg-deb -f "$deb" Version)
release=$(grep -om1 '<release version="[^"]*"' "$scratch"/tree/usr/share/metainfo/*.xml | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's newest release $release is not the package version $version"
entry=$(zcat "$scratch/tree/usr/share/doc/fastorio/changelog.gz" | sed -n '1s/^fastorio (\([^)]*\)).*/\1/p')
[ "$entry" = "$version" ] || fail "the changelog's newest entry is ${entry:-missing}, not the package version $version"
echo "$(basename "$deb"): Depends: $depends"
