# Installs Vexaria like any desktop program: the program itself out of the
# PATH, a launcher that starts it in the user's own folder, the help and
# icon it copies there, and the desktop menu entry.
include(GNUInstallDirs)

install(TARGETS mirvex RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/vexaria)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/resources/desktop/vexaria.sh
        DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME vexaria)
install(FILES ${CMAKE_BINARY_DIR}/app/mirvex.pdf ${CMAKE_BINARY_DIR}/app/mirvex.ico
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vexaria)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vexaria.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/app/vexaria.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
