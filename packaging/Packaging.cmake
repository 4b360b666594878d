# Installation beyond the programs themselves, and the Debian package.
#
# The programs and Quorbel.dat are installed together in
# <prefix>/${BRIMSEL_INSTALL_LIBDIR} by their own folders (app/, cli/,
# datafile/). Here: the links in <prefix>/bin, the menu entry, the icon, the
# AppStream metainfo, and CPack. Included from the top after every program's
# folder, so that the targets and BRIMSEL_INSTALL_LIBDIR exist.
include(GNUInstallDirs)

set(BRIMSEL_APP_ID io.github.brimsel.Brimsel)

# Relative links, so that a staged tree (DESTDIR, CPack) keeps pointing into
# itself; each program resolves its link to find Quorbel.dat beside the target.
set(_brimsel_links ${CMAKE_CURRENT_BINARY_DIR}/packaging/bin)
file(MAKE_DIRECTORY ${_brimsel_links})
if(IS_ABSOLUTE "${BRIMSEL_INSTALL_LIBDIR}")
    set(_brimsel_link_target "${BRIMSEL_INSTALL_LIBDIR}")
else()
    file(RELATIVE_PATH _brimsel_link_target "/root/${CMAKE_INSTALL_BINDIR}"
         "/root/${BRIMSEL_INSTALL_LIBDIR}")
endif()
foreach(program brimsel brimsel-query)
    if(TARGET ${program})
        file(CREATE_LINK "${_brimsel_link_target}/${program}" "${_brimsel_links}/${program}"
             SYMBOLIC)
        install(FILES "${_brimsel_links}/${program}" DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

if(TARGET brimsel)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${BRIMSEL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${BRIMSEL_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The window's own emblem, 128 x 128.
    install(FILES ${PROJECT_SOURCE_DIR}/ui/resources/emblem.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps
            RENAME brimsel.png)
endif()

# The copyright file, the changelog and the manual pages, compressed as Debian
# has them (gzip -9n: no name, no time stamp, so every build is the same).
set(_brimsel_docs ${CMAKE_CURRENT_BINARY_DIR}/packaging/doc)
set(_brimsel_gzipped)
set(_brimsel_manual_pages brimsel-query)
if(TARGET brimsel)
    list(APPEND _brimsel_manual_pages brimsel)
endif()
foreach(source IN ITEMS changelog LISTS _brimsel_manual_pages)
    if(source STREQUAL "changelog")
        set(_from ${CMAKE_CURRENT_LIST_DIR}/changelog)
    else()
        set(_from ${CMAKE_CURRENT_LIST_DIR}/man/${source}.1)
        set(source ${source}.1)
    endif()
    add_custom_command(OUTPUT ${_brimsel_docs}/${source}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${_from} ${_brimsel_docs}/${source}
                       COMMAND gzip -9nf ${_brimsel_docs}/${source}
                       DEPENDS ${_from} VERBATIM)
    list(APPEND _brimsel_gzipped ${_brimsel_docs}/${source}.gz)
endforeach()
add_custom_target(brimsel_docs ALL DEPENDS ${_brimsel_gzipped})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${_brimsel_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brimsel)
list(REMOVE_ITEM _brimsel_gzipped ${_brimsel_docs}/changelog.gz)
install(FILES ${_brimsel_gzipped} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(BRIMSEL_PACKAGE_MAINTAINER "Brimsel maintainers <maintainers@brimsel.invalid>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brimsel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brimsel developers")
set(CPACK_PACKAGE_CONTACT "${BRIMSEL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "limits and fits after GB/T 1800.3 and GB/T 1801 (ISO 286)")
set(CPACK_PACKAGE_DESCRIPTION
    "Brimsel looks up the limit deviations of hole and shaft tolerance zones and
the limits of fit, as GB/T 1800.3-1998 (equal to ISO 286-1) and GB/T 1801-1999
fix them, for basic sizes up to 3150 mm, and draws the tolerance-zone diagram.
brimsel-query gives the same numbers on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRIMSEL_PACKAGE_MAINTAINER}")
# Qt and the C++ runtime come from dpkg-shlibdeps; the fonts are not linked,
# yet the window needs CJK glyphs and Arial's metric twin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the buttons of message boxes, the text boxes' menus) in
# Chinese come from Qt's translations, which are not linked either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk | fonts-wqy-microhei, fonts-liberation2, qt6-translations-l10n")
include(CPack)
