# Installing the lesson on a classroom desktop, and its Debian package.

include(GNUInstallDirs)

install(TARGETS two-circles RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.TwoCircles.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.TwoCircles.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.TwoCircles.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME two-circles)
set(CPACK_PACKAGE_VENDOR "The Two Circles developers")
set(CPACK_PACKAGE_CONTACT "The Two Circles developers <lessons@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Geometry lesson: relative positions of two circles in a plane")
set(CPACK_PACKAGE_DESCRIPTION "An interactive lesson for school pupils: pick two radii and the \
distance of the centres, see both circles drawn to scale with their common region, and the one \
rule of five that holds.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY two-circles)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from the binary (shlibdeps); the fonts the design's texts are measured
# against are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own translations, for the print dialog and the standard buttons in the pupil's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)

add_custom_target(package-deb
    COMMAND cpack -G DEB
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS two-circles
    COMMENT "Building the Debian package")
