# Installation: `cmake --install build --prefix P` lays out
#   P/lib/ruvek/        the program folder: ruvek, ruvek-cli and the shipped
#                       data beside them, as in build/bin
#   P/bin/ruvek, P/bin/ruvek-cli
#                       launchers that start the programs from that folder
#   P/share/applications, icons, mime/packages, metainfo
#                       desktop entry, icon, the class-file type, AppStream data
include(GNUInstallDirs)
set(RUVEK_INSTALL_PROGRAMDIR lib/ruvek CACHE STRING "Program folder of the installation, below the prefix")
# A package for all users (scripts/package): the launchers then always give
# each user a program folder of their own, the administrator included.
option(RUVEK_INSTALL_FOR_ALL_USERS "Launchers never run the installed program folder in place" OFF)
if(RUVEK_INSTALL_FOR_ALL_USERS)
  set(RUVEK_FOR_ALL_USERS 1)
else()
  set(RUVEK_FOR_ALL_USERS 0)
endif()

install(TARGETS ruvek ruvek-cli RUNTIME DESTINATION ${RUVEK_INSTALL_PROGRAMDIR})
# The whole data folder, as the build copies it next to the binaries: files
# added to data/ later are installed without a change here.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${RUVEK_INSTALL_PROGRAMDIR})

# One launcher per program. The way from the launcher's folder to the
# program folder is relative, so the installed tree can be moved as a whole.
file(RELATIVE_PATH RUVEK_PROGRAMDIR_FROM_BINDIR
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${RUVEK_INSTALL_PROGRAMDIR})
set(RUVEK_PROGRAM_BINARIES "ruvek|ruvek-cli")
foreach(RUVEK_BINARY ruvek ruvek-cli)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/linux/launcher.sh.in
                 ${CMAKE_BINARY_DIR}/launchers/${RUVEK_BINARY} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${RUVEK_BINARY} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

set(RUVEK_APP_ID de.ruvek.Ruvek)
set(packaging ${CMAKE_CURRENT_LIST_DIR}/linux)
install(FILES ${packaging}/${RUVEK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${RUVEK_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/${RUVEK_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${RUVEK_APP_ID}.xml)
install(FILES ${packaging}/${RUVEK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Installed straight into its prefix (not staged into DESTDIR for a package,
# whose own triggers do this), the class-file type and the desktop entry are
# registered at once, so a double-click on a class file opens it in Ruvek.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    if(update_mime)
      execute_process(COMMAND \${update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
    endif()
    if(update_desktop)
      execute_process(COMMAND \${update_desktop} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    endif()
  endif()")

# Manual pages and the documentation files of the package. The page of
# ruvek-cli is written from its --help text (target ruvek_manpages, built by
# scripts/package; a plain `cmake --install` after scripts/build skips the
# pages it has not built).
find_program(RUVEK_GZIP gzip)
# Debian looks for the package's documents under the package name.
set(RUVEK_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/ruvek)
set(RUVEK_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(RUVEK_RELEASE_DATE 2026-12-10)
if(RUVEK_GZIP)
  add_custom_command(
    OUTPUT ${RUVEK_MAN_DIR}/ruvek-cli.1.gz ${RUVEK_MAN_DIR}/ruvek.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${RUVEK_MAN_DIR}
    COMMAND $<TARGET_FILE:ruvek-cli> --help > ${RUVEK_MAN_DIR}/ruvek-cli.help
    COMMAND ${CMAKE_COMMAND} -DHELP=${RUVEK_MAN_DIR}/ruvek-cli.help -DOUT=${RUVEK_MAN_DIR}/ruvek-cli.1
            -DVERSION=${PROJECT_VERSION} -DDATE=${RUVEK_RELEASE_DATE} -P ${packaging}/make-manpage.cmake
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/debian/ruvek.1 ${RUVEK_MAN_DIR}/ruvek.1
    COMMAND ${RUVEK_GZIP} -9nf ${RUVEK_MAN_DIR}/ruvek-cli.1 ${RUVEK_MAN_DIR}/ruvek.1
    DEPENDS ruvek-cli ${packaging}/make-manpage.cmake ${CMAKE_CURRENT_LIST_DIR}/debian/ruvek.1
    COMMENT "Writing the manual pages"
    VERBATIM)
  add_custom_command(
    OUTPUT ${RUVEK_MAN_DIR}/changelog.gz
    COMMAND ${RUVEK_GZIP} -9nc ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${RUVEK_MAN_DIR}/changelog.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
    VERBATIM)
  add_custom_target(ruvek_manpages DEPENDS ${RUVEK_MAN_DIR}/ruvek-cli.1.gz ${RUVEK_MAN_DIR}/changelog.gz)
  install(FILES ${RUVEK_MAN_DIR}/ruvek-cli.1.gz ${RUVEK_MAN_DIR}/ruvek.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
  install(FILES ${RUVEK_MAN_DIR}/changelog.gz DESTINATION ${RUVEK_INSTALL_DOCDIR} OPTIONAL)
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${RUVEK_INSTALL_DOCDIR})

# The Debian package (scripts/package): `cpack -G DEB` in a build configured
# with RUVEK_INSTALL_FOR_ALL_USERS=ON. The dependencies on shared libraries
# come from dpkg-shlibdeps; the rest are what the programs load at run time
# (Qt's platform plugins, the fonts the certificates are measured in).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruvek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ruvek-Entwicklung")
set(CPACK_PACKAGE_CONTACT "Ruvek-Entwicklung <ruvek@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zeugnisdaten einer Klasse erfassen und Zeugnisse drucken")
set(CPACK_PACKAGE_DESCRIPTION
    "Mit Ruvek erfassen Klassenleiterinnen, Klassenleiter und Schulsekretariate\n\
die Zeugnisdaten einer Klasse und drucken die amtlichen Zeugnisse nach der\n\
Zeugnisverordnung des Landes Kestland, auf dem Drucker oder als PDF-Datei.\n\
Das Kommandozeilenprogramm ruvek-cli bearbeitet und druckt dieselben\n\
Klassendateien ohne Fenster.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
