# Install rules (GNU layout) and the Debian package (`make package`).
# The program finds its shipped files at <bindir>/../share/filmotas, so the binary's
# folder is one level below the prefix: games/, as Debian places games, or bin/.
include(GNUInstallDirs)
set(FILMOTAS_INSTALL_BINDIR games CACHE STRING "Folder of the installed program: games or bin")
set(FILMOTAS_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/filmotas)   # named after the package
set(FILMOTAS_ID io.github.filmotas.Filmotas)

install(TARGETS filmotas RUNTIME DESTINATION ${FILMOTAS_INSTALL_BINDIR})
install(FILES ${SHIPPED_DIR}/Filmotas.dat ${SHIPPED_DIR}/Ayuda.dat
  DESTINATION ${CMAKE_INSTALL_DATADIR}/filmotas)
install(FILES data/${FILMOTAS_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${FILMOTAS_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ui/icons/filmotas.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${FILMOTAS_ID}.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES data/icons/filmotas-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${FILMOTAS_ID}.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/filmotas.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES LICENSE DESTINATION ${FILMOTAS_DOCDIR})
install(FILES LICENSE DESTINATION ${FILMOTAS_DOCDIR} RENAME copyright)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${FILMOTAS_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME filmotas)
set(CPACK_PACKAGE_VENDOR "Quenteo, Deridorovida Brivanta")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gallows game of film titles, in Spanish")
set(CPACK_PACKAGE_DESCRIPTION "Filmotas draws a film title from its movie list and shows it as letter cells.
Guess it letter by letter before five misses complete the gallows, or answer
the whole title at once. Titles can be added to the list from the game.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Filmotas <filmotas@users.noreply.github.com>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
