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
# runtime packages at the versions this machine built against. No library
# names the rest: the faces the window asks for (Liberation Sans and its
# narrow face) and Qt's own Italian texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")

include(CPack)
