# A system install for a Debian package: the program in /usr/bin, its desktop entry, icon and AppStream metadata
# in /usr/share. Included by app/CMakeLists.txt when DORVANE_SYSTEM_INSTALL is on; the settings then live in each
# user's configuration folder, so the package carries no prefs.cal.
include(GNUInstallDirs)
install(TARGETS dorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(DORVANE_EXEC "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/dorvane")
configure_file(${PROJECT_SOURCE_DIR}/packaging/dorvane.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/dorvane.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dorvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME dorvane.png)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.dorvane.Dorvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dorvane maintainers <maintainers@users.noreply.c-seed-b17ad52d.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "desktop year calendar with sunrise, sunset and moon phase
 Dorvane shows a whole year as twelve month calendars, the day of the year and
 the span between two clicked days, and the sunrise, sunset and moon phase of a
 day at the user's position.")
# The Qt and C++ libraries the binary links are found by dpkg-shlibdeps; the time-zone database is read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, libnova-0.16-0")
