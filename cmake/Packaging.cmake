# A Debian package of what `cmake --install` puts in place: `cpack -G DEB` in
# the build folder writes fastorio_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fastorio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gli sviluppatori di Fastorio")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Piccolo calendario da scrivania: per il giorno scelto mostra il trimestre,
la settimana e il giorno dell'anno; calcola i giorni tra due date, la data di
Pasqua e le festività italiane.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Gli sviluppatori di Fastorio <fastorio@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps reads the binary's libraries, so Depends names the Qt 6 and C++
# runtime packages at the versions this machine built against, Qt's print
# support among them (its package holds the CUPS plugin the print dialog
# loads). It cannot see
# what Qt loads at run time: the X11 platform plugin, the narrow face of the
# information row and Qt's own Italian texts (buttons, edit menus); those are
# named here and the libraries are added after them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
# Folders 0755 as Debian wants them, whatever the umask of whoever builds the
# package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
