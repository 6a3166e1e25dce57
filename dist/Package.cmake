# `cpack -G DEB` in the build folder: one Debian package of the whole suite, installed
# under /usr. dpkg-shlibdeps (dpkg-dev) finds the libraries the programs need.

set(CPACK_PACKAGE_NAME "tarvik-shop-suite")
set(CPACK_PACKAGE_VENDOR "Tarvik")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "shop calculators, serial program transfer and program search for CNC machinists")
set(CPACK_PACKAGE_HOMEPAGE_URL ${SUITE_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Staged with DESTDIR, so install steps meant for a live prefix (the MIME database) skip it.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${CPACK_PACKAGING_INSTALL_PREFIX})
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvik <support@tarvik.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The body below the summary line; CPack indents it and marks the empty lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Calculations: shop mathematics (speeds and feeds, threads over wires,
triangles, angles, chords, polygons, tapers, dovetails, keyseats, surface
finish, bolt circles and grids) with fractions, inch/mm and printed answers.

Sendrik: sends CNC programs to machine controls over a serial port and
receives them back, with named port configurations and a line processor.

Scarrow: finds CNC program files by words, extensions, dates and line
limits, shows them with the words marked and keeps the last five searches.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library scan can see it: the toolkit's SVG plugins, which draw
# Scarrow's window icon and the menu icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Qt's own German and French texts (the standard buttons and dialogs).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# The documents Debian expects of every package: the copyright in its machine-readable
# form and the changelog, kept as NEWS at the top of the sources.
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS news_top LIMIT_COUNT 1)
if(NOT news_top MATCHES "^${CPACK_PACKAGE_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "NEWS starts with \"${news_top}\": its first entry must be for "
                      "${CPACK_PACKAGE_NAME} ${PROJECT_VERSION}")
endif()
set(package_docdir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/NEWS ${changelog}
  COMMAND gzip -9nf ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/NEWS
  VERBATIM)
add_custom_target(suite_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz package/copyright DESTINATION ${package_docdir})
install(FILES package/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
