# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cmake --install once the files are in place, so that the help files' type and its
# handler are known at once. A package (DESTDIR set) leaves that to the system's triggers.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/${KAVREL_INSTALL_DATADIR}")
find_program(kavrel_update_mime update-mime-database)
if(kavrel_update_mime)
    execute_process(COMMAND ${kavrel_update_mime} ${share}/mime)
endif()
# GLib finds the handlers of a type only in the cache this makes.
find_program(kavrel_update_desktop update-desktop-database)
if(kavrel_update_desktop)
    execute_process(COMMAND ${kavrel_update_desktop} ${share}/applications)
endif()
