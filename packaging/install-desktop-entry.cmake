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

# Never replace the user's own preferences on a reinstall.
if(NOT EXISTS "${prefix}/prefs.cal")
    file(COPY_FILE "${prefix}/prefs.cal.default" "${prefix}/prefs.cal")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${prefix}/prefs.cal")
endif()

set(DORVANE_EXEC "${CMAKE_INSTALL_PREFIX}/dorvane")
configure_file("${DESKTOP_TEMPLATE}" "${data_home}/applications/dorvane.desktop" @ONLY)
file(COPY_FILE "${prefix}/dorvane.png" "${data_home}/icons/hicolor/32x32/apps/dorvane.png" RESULT copied)
if(NOT copied EQUAL 0)
    file(MAKE_DIRECTORY "${data_home}/icons/hicolor/32x32/apps")
    file(COPY_FILE "${prefix}/dorvane.png" "${data_home}/icons/hicolor/32x32/apps/dorvane.png")
endif()
message(STATUS "Desktop entry: ${data_home}/applications/dorvane.desktop")
