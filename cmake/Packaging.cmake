# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: what Install.cmake installs, under /usr. Built by
# scripts/package.sh, or by `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexaria)
set(CPACK_PACKAGE_VENDOR "Equipo Vexaria")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://vexaria.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ray diagrams of mirrors / diagramas de rayos de espejos")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(VEXARIA_MAINTAINER "Equipo Vexaria <equipo@vexaria.example.org>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VEXARIA_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The architecture is the program's, which in a cross build is not the
# machine's (CPack's own default).
if(CMAKE_LIBRARY_ARCHITECTURE)
    execute_process(
        COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -q DEB_HOST_ARCH
        OUTPUT_VARIABLE VEXARIA_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
        RESULT_VARIABLE failed)
    if(NOT failed AND VEXARIA_DEB_ARCH)
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${VEXARIA_DEB_ARCH})
    endif()
endif()
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the program file itself (dpkg-shlibdeps); the
# faces its windows ask for, and Qt's translations of its own dialogs, are
# looked up by name at run time, so their packages are named here (the same
# as the set-up installs for the tests).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-comic-neue, fonts-dejavu-core, fonts-urw-base35, qt6-translations-l10n")
# The tools menu and the help open documents through the desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
