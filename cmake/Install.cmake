# SPDX-FileCopyrightText: The Tamblewin developers
# SPDX-License-Identifier: MIT
#
# Installing Tamblewin and packaging it as a Debian package.
#
#   cmake --install BUILD --prefix PREFIX [--strip]
#                                           the program, its desktop entry, icon,
#                                           AppStream metadata, MIME types, man page,
#                                           bash completion, copyright and changelog
#                                           under PREFIX
#   cpack -G DEB (in BUILD)                 tamblewin_VERSION_ARCH.deb for /usr
#
# Nothing else is read at run time but the translations (share/tamblewin/translations):
# the fonts come from fontconfig (fonts-liberation2, and fonts-noto-core and
# fonts-noto-cjk for the scripts Liberation lacks), Qt's own dialog texts in other
# languages from qt6-translations-l10n, and the rest from the Qt libraries.

include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)

set(TAMBLEWIN_HOMEPAGE_URL "https://tamblewin.example/" CACHE STRING "Web address of the project's home page")
set(TAMBLEWIN_FILES_URL "https://tamblewin.example/source/main" CACHE STRING
    "Web address the repository's files are served from (the AppStream screenshots are named below it)")
set(TAMBLEWIN_PACKAGE_MAINTAINER "Tamblewin maintainers <maintainers@users.noreply.c-seed-fdac602b.example>"
    CACHE STRING "Maintainer of the Debian package")

set(TAMBLEWIN_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(TAMBLEWIN_PACKAGING_OUT ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The releases: the changelog's newest entry is this version.
tamblewin_read_changelog(${TAMBLEWIN_PACKAGING_DIR}/changelog TAMBLEWIN_RELEASE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TAMBLEWIN_PACKAGING_DIR}/changelog)
if(NOT TAMBLEWIN_RELEASE_VERSION STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog's newest entry is version ${TAMBLEWIN_RELEASE_VERSION}, "
                      "the project's version (CMakeLists.txt) is ${PROJECT_VERSION}: add an entry for it")
endif()
set(TAMBLEWIN_APPSTREAM_RELEASES "${TAMBLEWIN_RELEASE_APPSTREAM}")
configure_file(${TAMBLEWIN_PACKAGING_DIR}/${TAMBLEWIN_APP_ID}.metainfo.xml.in
               ${TAMBLEWIN_PACKAGING_OUT}/${TAMBLEWIN_APP_ID}.metainfo.xml @ONLY)

# The man page (with the version) and the changelog, compressed as Debian wants
# them: gzip -9, without the file's name and time, so that every build gives the
# same bytes.
find_program(TAMBLEWIN_GZIP gzip REQUIRED)
configure_file(${TAMBLEWIN_PACKAGING_DIR}/tamblewin.1 ${TAMBLEWIN_PACKAGING_OUT}/tamblewin.1 @ONLY)
configure_file(${TAMBLEWIN_PACKAGING_DIR}/changelog ${TAMBLEWIN_PACKAGING_OUT}/changelog COPYONLY)
set(TAMBLEWIN_COMPRESSED_DOCS)
foreach(doc tamblewin.1 changelog)
  add_custom_command(OUTPUT ${TAMBLEWIN_PACKAGING_OUT}/${doc}.gz
    COMMAND ${TAMBLEWIN_GZIP} -9 -n -k -f ${doc}
    WORKING_DIRECTORY ${TAMBLEWIN_PACKAGING_OUT}
    DEPENDS ${TAMBLEWIN_PACKAGING_OUT}/${doc}
    COMMENT "Compressing ${doc}")
  list(APPEND TAMBLEWIN_COMPRESSED_DOCS ${TAMBLEWIN_PACKAGING_OUT}/${doc}.gz)
endforeach()
add_custom_target(tamblewin_compressed_docs ALL DEPENDS ${TAMBLEWIN_COMPRESSED_DOCS})

install(TARGETS tamblewin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The windows and the PNG and SVG printers: the module the program loads for them.
if(TARGET tamblewin_qt)
  install(TARGETS tamblewin_qt LIBRARY DESTINATION ${TAMBLEWIN_QT_MODULE_DIR})
  # The words in other languages, which the program looks for in ../share/tamblewin
  # from its own folder.
  install(FILES ${TAMBLEWIN_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tamblewin/translations)
endif()
# A stripped install (--strip, and the package) also drops the sections Debian's
# dh_strip drops: the compiler's notes serve no one at run time.
set(TAMBLEWIN_STRIPPED ${CMAKE_INSTALL_BINDIR}/tamblewin)
if(TARGET tamblewin_qt)
  list(APPEND TAMBLEWIN_STRIPPED ${TAMBLEWIN_QT_MODULE_DIR}/tamblewin-qt.so)
endif()
foreach(stripped_file ${TAMBLEWIN_STRIPPED})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${stripped_file}\"
                      RESULT_VARIABLE stripped)
      if(NOT stripped EQUAL 0)
        message(FATAL_ERROR \"${CMAKE_STRIP} could not strip ${stripped_file}\")
      endif()
    endif()")
endforeach()
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/${TAMBLEWIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TAMBLEWIN_PACKAGING_OUT}/${TAMBLEWIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tamblewin.xml)
install(FILES ${TAMBLEWIN_PACKAGING_OUT}/tamblewin.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/tamblewin.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tamblewin)
# The package's own documents: the licence in Debian's machine-readable form, and
# the changelog (a package whose version has no Debian revision keeps it as
# changelog.gz).
install(FILES ${TAMBLEWIN_PACKAGING_DIR}/copyright ${TAMBLEWIN_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. dpkg-shlibdeps (dpkg-dev) adds the libraries the program links
# (Qt, libstdc++, ...), and with libqt6gui6 come the xcb and offscreen platform plugins
# the windows and the commands run on. What it cannot see is listed by hand: the fonts
# the pages are measured and drawn with, which fontconfig finds. The PDF cannot be
# drawn without Liberation; the Noto fonts (134 MB) only draw the scripts Liberation
# lacks, and the program warns when a page needs a font that is missing.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tamblewin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tamblewin developers")
set(CPACK_PACKAGE_CONTACT ${TAMBLEWIN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TAMBLEWIN_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAMBLEWIN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-core, fonts-noto-cjk, qt6-translations-l10n")
# The package's description is the summary, then these paragraphs: CPack puts the
# summary in front and indents each line by one space (an empty line becomes " .").
# Lines stay within 79 characters.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print genealogical lists and charts from PAF 5 and GEDCOM files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tamblewin reads Personal Ancestral File 5 data files (*.paf) read-only, and
GEDCOM 5.5, 5.5.1 and 7.0 files, and prints fourteen reports from them:
ancestor and descendant lists, research status, family summaries, surname
distribution, and the Descendant Summary, Family Tree and Family Date charts.

A wizard with page preview prints to a system printer or a PDF file; the
command line writes any report as PDF, PNG or SVG pages.")
# Every run of cpack gives the same bytes: the files' times in the package are
# SOURCE_DATE_EPOCH, which defaults to the time of the last commit (outside a git
# checkout, to the newest changelog entry's).
find_package(Git QUIET)
configure_file(${CMAKE_CURRENT_LIST_DIR}/CPackProjectConfig.cmake.in
               ${TAMBLEWIN_PACKAGING_OUT}/CPackProjectConfig.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${TAMBLEWIN_PACKAGING_OUT}/CPackProjectConfig.cmake)
include(CPack)

# The install tree and the package, checked by tests/install/check_install.sh.
if(TAMBLEWIN_TESTS AND NOT TAMBLEWIN_CORE_ONLY)
  add_test(NAME install.tree_and_package
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/install/check_install.sh
            ${CMAKE_CURRENT_BINARY_DIR} ${TAMBLEWIN_DEMO_PAF} ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(install.tree_and_package PROPERTIES
    LABELS install SKIP_RETURN_CODE 77 TIMEOUT 900 RESOURCE_LOCK xvfb
    ENVIRONMENT "CMAKE_COMMAND=${CMAKE_COMMAND};CPACK_COMMAND=${CMAKE_CPACK_COMMAND}")
endif()
