# The Debian package: what CPack puts into its control file.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kraftfeld)
set(CPACK_PACKAGE_CONTACT "Das Kraftfeld-Team <kraftfeld@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lernprogramm: Arbeit im Kraftfeld")
set(CPACK_PACKAGE_DESCRIPTION
    "Ein Lernprogramm für den Physikunterricht: Wege in ebenen Kraftfeldern zeichnen und die
verrichtete Arbeit auf jeder Strecke und auf dem ganzen Weg ablesen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/kraftfeld/kraftfeld)
# The Qt libraries come from the executable's links; the platform plugin and the fonts
# that stand in for the window's font families are loaded at run time, so named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-urw-base35")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
