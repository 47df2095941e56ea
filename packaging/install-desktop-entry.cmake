# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time: the program's folder is self-contained, and the desktop's menu finds it through a desktop
# entry and an icon in the user's data folder. DESTDIR installs (packages) keep them inside the staging folder.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
if(DEFINED ENV{DORVANE_DATA_HOME})
    set(data_home "$ENV{DORVANE_DATA_HOME}")
elseif(DEFINED ENV{DESTDIR})
    set(data_home "${prefix}/share")
elseif(DEFINED ENV{XDG_DATA_HOME})
    set(data_home "$ENV{XDG_DATA_HOME}")
else()
    set(data_home "$ENV{HOME}/.local/share")
endif()

# Never replace the user's own preferences on a reinstall. Installed for this machine, they hold its time zone and
# place; a package is unpacked elsewhere, so it carries the sample.
if(NOT EXISTS "${prefix}/prefs.cal")
    if(DEFINED ENV{DESTDIR})
        file(COPY_FILE "${prefix}/prefs.cal.default" "${prefix}/prefs.cal")
    else()
        execute_process(COMMAND "${DEFAULT_PREFS_TOOL}" "${prefix}/prefs.cal" RESULT_VARIABLE written)
        if(NOT written EQUAL 0)
            message(FATAL_ERROR "Cannot write ${prefix}/prefs.cal")
        endif()
    endif()
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${prefix}/prefs.cal")
endif()

set(DORVANE_EXEC "${CMAKE_INSTALL_PREFIX}/dorvane")
# Named as the program's name on the session bus, whose service file lets the desktop start it by that name.
configure_file("${DESKTOP_TEMPLATE}" "${data_home}/applications/org.dorvane.Dorvane.desktop" @ONLY)
configure_file("${SERVICE_TEMPLATE}" "${data_home}/dbus-1/services/org.dorvane.Dorvane.service" @ONLY)
# The entry's name of earlier versions would show the program twice in the menu.
file(REMOVE "${data_home}/applications/dorvane.desktop")
file(COPY_FILE "${prefix}/dorvane.png" "${data_home}/icons/hicolor/32x32/apps/dorvane.png" RESULT copied)
if(NOT copied EQUAL 0)
    file(MAKE_DIRECTORY "${data_home}/icons/hicolor/32x32/apps")
    file(COPY_FILE "${prefix}/dorvane.png" "${data_home}/icons/hicolor/32x32/apps/dorvane.png")
endif()
message(STATUS "Desktop entry: ${data_home}/applications/org.dorvane.Dorvane.desktop")
