# SPDX-License-Identifier: GPL-3.0-or-later
# A system install for a Debian package: the program in /usr/bin, its desktop entry, icons, AppStream metadata,
# manual page, copyright file and changelog in /usr/share. Included by app/CMakeLists.txt when DORVANE_SYSTEM_INSTALL is on; the settings then live in each
# user's configuration folder, so the package carries no prefs.cal.
include(GNUInstallDirs)
install(TARGETS dorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The web calendars' fetch, loaded by the program at its first fetch from its private library folder (multiarch: no
# ldconfig in the package's scripts for a module nobody links).
install(TARGETS dorvane-webfetch LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/dorvane)
# The holiday data (CC BY-SA 3.0) as files of their own, found at run time from the program's folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/holidays/ DESTINATION ${CMAKE_INSTALL_DATADIR}/dorvane/holidays
        FILES_MATCHING PATTERN "*.txt")

set(DORVANE_EXEC "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/dorvane")
# The entry is named as the program's name on the session bus, through which the desktop starts and activates it.
configure_file(${PROJECT_SOURCE_DIR}/packaging/org.dorvane.Dorvane.desktop.in
               ${CMAKE_CURRENT_BINARY_DIR}/org.dorvane.Dorvane.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.dorvane.Dorvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/org.dorvane.Dorvane.service.in
               ${CMAKE_CURRENT_BINARY_DIR}/org.dorvane.Dorvane.service @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.dorvane.Dorvane.service DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/services)
# The icon at every size of the menus' theme (drawn by tools/makeToolbarPictures) and as shapes.
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/dorvane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME dorvane.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/dorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.dorvane.Dorvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the manual page and the changelog compressed, without a time stamp that would change every build.
set(compressed "")
foreach(source dorvane.1 changelog)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/packaging/${source})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source}
        VERBATIM)
    list(APPEND compressed ${copy}.gz)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/dorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvane)

set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dorvane maintainers <maintainers@users.noreply.c-seed-b17ad52d.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack indents this body itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dorvane shows a whole year as twelve month calendars, the day of the year and
the span between two clicked days, and the sunrise, sunset and moon phase of a
day at the user's position. Its texts are in English, German, French and
Spanish.")
# The Qt and C++ libraries the binary links are found by dpkg-shlibdeps; the time-zone database is read at run time,
# and so is the world-locations library with its data, opened by the city search when it was built with it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the standard dialogs' buttons and the shortcuts' key names in the user's language.
if(DORVANE_HAVE_GWEATHER)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, qt6-translations-l10n, libgweather-4-0, libgweather-4-common, libnova-0.16-0, libical3")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, qt6-translations-l10n, libnova-0.16-0, libical3")
endif()
