# The Debian package: its documentation files and what CPack puts into its control file.

# Debian wants the changelog and the manual page compressed, reproducibly: no name, no
# time stamp in the gzip header.
find_program(GZIP gzip REQUIRED)
set(COMPRESSED_DOCS)
foreach(doc changelog kraftfeld.1)
    set(plain ${CMAKE_CURRENT_BINARY_DIR}/${doc})
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${doc} ${plain}
        COMMAND ${GZIP} -9nf ${plain}
        DEPENDS ${doc} VERBATIM)
    list(APPEND COMPRESSED_DOCS ${plain}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${COMPRESSED_DOCS})

install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kraftfeld.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kraftfeld)
set(CPACK_PACKAGE_CONTACT "Das Kraftfeld-Team <kraftfeld@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lernprogramm: Arbeit im Kraftfeld")
set(CPACK_PACKAGE_DESCRIPTION
    "Ein Lernprogramm für den Physikunterricht: Mit der Maus wird ein Weg aus
geraden Strecken in eines von sieben ebenen Kraftfeldern gezeichnet; das
Programm zeigt die verrichtete Arbeit auf jeder Strecke und auf dem ganzen Weg
und dazu ein räumliches Diagramm der aufsummierten Arbeit.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/kraftfeld/kraftfeld)
# The Qt libraries come from the executable's links; the platform plugin is loaded at run
# time, so named here. The fonts and Qt's German texts are built into the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
