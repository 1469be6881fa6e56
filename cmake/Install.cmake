# The installed layout (GNUInstallDirs, so a prefix and DESTDIR both work):
#   bin/tarnwick                      the executable
#   lib/tarnwick/libtarnwick_sound.so the sound and mail modules, found relative to the
#   lib/tarnwick/libtarnwick_mail.so  executable
#   share/tarnwick/                   the read-only data each player's folder is filled from
#   share/applications, share/metainfo, share/icons/hicolor   for the desktop
# The player's files never go here: an installed game keeps them in its own folder per user.
install(TARGETS tarnwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tarnwick_sound tarnwick_mail LIBRARY DESTINATION ${TARNWICK_INSTALL_MODULE_DIR})

# The data as shipped: from the sources, never the build's program directory, whose Tarn.ini may
# hold a developer's games. The package and the loose sound are generated.
file(GLOB TARNWICK_SHIPPED_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/data/*)
install(FILES ${TARNWICK_SHIPPED_DATA} ${TARNWICK_PACKAGE} ${TARNWICK_PROGRAM_DIR}/Beep.wav
    DESTINATION ${TARNWICK_INSTALL_DATA_DIR})

set(TARNWICK_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/assets/desktop)
install(FILES ${TARNWICK_DESKTOP_DIR}/${TARNWICK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARNWICK_DESKTOP_DIR}/${TARNWICK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TARNWICK_DESKTOP_DIR}/${TARNWICK_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
