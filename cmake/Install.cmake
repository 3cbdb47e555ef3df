# Installing Tamblewin and packaging it as a Debian package.
#
#   cmake --install BUILD --prefix PREFIX   the program, its desktop entry, icon,
#                                           AppStream metadata, MIME types, man page
#                                           and bash completion under PREFIX
#   cpack -G DEB (in BUILD)                 tamblewin_VERSION_ARCH.deb for /usr
#
# Nothing else is read at run time: the fonts come from fontconfig (fonts-liberation2,
# and fonts-noto-core and fonts-noto-cjk for the scripts Liberation lacks)
# and the rest from the Qt libraries.

include(GNUInstallDirs)

set(TAMBLEWIN_APP_ID "org.tamblewin.Tamblewin")
set(TAMBLEWIN_RELEASE_DATE "2026-12-07" CACHE STRING "Date of this release in the AppStream metadata")
set(TAMBLEWIN_FILES_URL "https://tamblewin.example/source/main" CACHE STRING
    "Web address the repository's files are served from (the AppStream screenshots are named below it)")
set(TAMBLEWIN_PACKAGE_MAINTAINER "Tamblewin maintainers <maintainers@users.noreply.c-seed-fdac602b.example>"
    CACHE STRING "Maintainer of the Debian package")

set(TAMBLEWIN_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
configure_file(${TAMBLEWIN_PACKAGING_DIR}/${TAMBLEWIN_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/${TAMBLEWIN_APP_ID}.metainfo.xml @ONLY)

install(TARGETS tamblewin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/${TAMBLEWIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${TAMBLEWIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tamblewin.xml)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tamblewin)

# The Debian package. dpkg-shlibdeps (dpkg-dev) adds the libraries the program links
# (Qt, libstdc++, ...), and with libqt6gui6 come the xcb and offscreen platform plugins
# the windows and the commands run on. What it cannot see is listed by hand: the fonts
# the pages are measured and drawn with, which fontconfig finds.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tamblewin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tamblewin")
set(CPACK_PACKAGE_CONTACT ${TAMBLEWIN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print genealogical lists and charts from PAF 5 and GEDCOM files")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAMBLEWIN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-noto-core, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"print genealogical lists and charts from PAF 5 and GEDCOM files
 Tamblewin reads Personal Ancestral File 5 data files (*.paf) read-only, and
 GEDCOM 5.5, 5.5.1 and 7.0 files (*.ged), and prints fourteen reports from them:
 ancestor and descendant lists, research status, family summaries, surname
 distribution, and the Descendant Summary, Family Tree and Family Date charts.
 .
 A wizard with page preview prints to a system printer or a PDF file; the
 command line writes any report as PDF, PNG or SVG pages.")
include(CPack)

# The install tree and the package, checked by tests/install/check_install.sh.
if(TAMBLEWIN_TESTS AND NOT TAMBLEWIN_CORE_ONLY)
  add_test(NAME install.tree_and_package
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install/check_install.sh
            ${CMAKE_CURRENT_BINARY_DIR} ${TAMBLEWIN_DEMO_PAF} ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(install.tree_and_package PROPERTIES
    LABELS install SKIP_RETURN_CODE 77 TIMEOUT 900
    ENVIRONMENT "CMAKE_COMMAND=${CMAKE_COMMAND};CPACK_COMMAND=${CMAKE_CPACK_COMMAND}")
endif()
