# `make package`: the Debian package kelvaro_<version>_amd64.deb, built by CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvaro")
set(CPACK_PACKAGE_CONTACT "Équipe Kelvaro <kelvaro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Saisie des Fiches : fiches des véhicules et des clients des concessions")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Client de bureau des concessions automobiles : fiches des véhicules d'occasion, de "
    "démonstration et neufs et des clients, lues sur le serveur web des concessions et "
    "modifiées en place. Contient le client (kelvaro), le lanceur qui écrit les paramètres de "
    "démarrage et ouvre les liens kelvaro: de l'application web (kelvaro-launch), et le serveur "
    "de démonstration (kelvaro-demo-server, kelvaro-demo).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the programs link are found by dpkg-shlibdeps; what they load or run by name is added.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-comic-neue, fonts-dejavu-core, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3-pyftpdlib, desktop-file-utils")
include(CPack)
