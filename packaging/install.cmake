# Installation: `cmake --install build --prefix P` lays out
#   P/lib/ruvek/        the program folder: ruvek, ruvek-cli and the shipped
#                       data beside them, as in build/bin
#   P/bin/ruvek, P/bin/ruvek-cli
#                       launchers that start the programs from that folder
#   P/share/applications, icons, mime/packages, metainfo
#                       desktop entry, icon, the class-file type, AppStream data
include(GNUInstallDirs)
set(RUVEK_INSTALL_PROGRAMDIR lib/ruvek CACHE STRING "Program folder of the installation, below the prefix")

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
