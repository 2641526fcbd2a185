# The Debian package that scripts/package makes with cpack: what
# data/CMakeLists.txt installs, under /usr, with the dependencies that
# dpkg-shlibdeps reads from the binaries.

# cpack installs without building first; scripts/package builds the
# installed targets, so the tests need not be built for a package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Kelvaro developers <kelvaro@kelvaro.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kelvaro.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt loads its display plugin at run time, so no binary names it;
# the program's fonts (print/program_fonts.h) line its tables up; Qt's
# German texts make the windows read right.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Halbsummen-Analyse eines Transit-Horoskops
Kelvaro wertet ein Transit-Horoskop nach der Halbsummen-Methode aus:
Halbsummen, Summen, Planetenbilder und die 22,5°-Gradscheibe, über die vier
Horoskope Radix, Progression, Solarbogen und Transit. Es liest eine
Transit-Datei, fragt nach dem Orbis, zeigt eine Inhaltsübersicht und eine
Achsenübersicht und bietet sechs Suchen; jedes Ergebnis lässt sich drucken
oder speichern.
.
Ein Personenarchiv hält die Geburtsdaten der Klienten fest und liest und
schreibt das Astrologische Austauschformat AAF.
.
kelvaro-cli führt jede Übersicht und Suche ohne Fenster aus,
kelvaro-make-transit schreibt Transit-Dateien, kelvaro-persons verwaltet
das Personenarchiv.")

include(CPack)
