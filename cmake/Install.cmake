# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Vexaria like any desktop program, the same for `cmake --install`
# and the Debian package: the program itself out of the PATH, a launcher
# that starts it in the user's own folder, the help and icon it copies
# there, the desktop menu entry with its icons, the software centres' data,
# the manual page and the copyright.
include(GNUInstallDirs)

# Folders 0755 whatever the umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual page carries the version; it and the changelog are compressed
# without name or time stamp, so that equal sources give equal files.
set(VEXARIA_DOC_DIR ${CMAKE_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vexaria.1 ${VEXARIA_DOC_DIR}/vexaria.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${VEXARIA_DOC_DIR}/changelog COPYONLY)
add_custom_command(
    OUTPUT ${VEXARIA_DOC_DIR}/vexaria.1.gz ${VEXARIA_DOC_DIR}/changelog.gz
    COMMAND gzip -9nkf vexaria.1 changelog
    DEPENDS ${VEXARIA_DOC_DIR}/vexaria.1 ${VEXARIA_DOC_DIR}/changelog
    WORKING_DIRECTORY ${VEXARIA_DOC_DIR}
    COMMENT "Compressing the manual page and the changelog"
    VERBATIM)
add_custom_target(installed_documents ALL
    DEPENDS ${VEXARIA_DOC_DIR}/vexaria.1.gz ${VEXARIA_DOC_DIR}/changelog.gz)

install(TARGETS mirvex RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/vexaria)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/resources/desktop/vexaria.sh
        DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME vexaria)
set(help_documents ${VEXARIA_TRANSLATIONS})
list(TRANSFORM help_documents PREPEND ${CMAKE_BINARY_DIR}/app/mirvex_)
list(TRANSFORM help_documents APPEND .pdf)
install(FILES ${CMAKE_BINARY_DIR}/app/mirvex.pdf ${help_documents} ${CMAKE_BINARY_DIR}/app/mirvex.ico
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vexaria)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vexaria.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vexaria.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.example.vexaria.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VEXARIA_DOC_DIR}/vexaria.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${VEXARIA_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexaria)
