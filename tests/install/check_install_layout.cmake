# Runs cmake --install into STAGE and checks that everything lands in its standard place,
# and that the installer program does not.
#   cmake -DBUILD_DIR=... -DDIST_DIR=... -DSTAGE=... [-DVALIDATE=desktop-file-validate] -P this
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
    share/applications/kavrel.desktop
    share/icons/hicolor/scalable/apps/kavrel.svg
    share/metainfo/kavrel.metainfo.xml
    share/doc/kavrel/readme.txt)
set(programs "")
foreach(program kavrel kavrel-calc)
    if(EXISTS ${DIST_DIR}/${program})
        list(APPEND expected bin/${program})
        list(APPEND programs ${program})
    endif()
endforeach()
if(EXISTS ${DIST_DIR}/kavrel.hlp)
    list(APPEND expected share/kavrel/kavrel.hlp)
endif()
foreach(file ${expected})
    if(NOT EXISTS ${STAGE}/${file})
        message(FATAL_ERROR "missing after install: ${file}")
    endif()
endforeach()

file(GLOB installed_programs RELATIVE ${STAGE}/bin ${STAGE}/bin/*)
list(SORT installed_programs)
list(SORT programs)
if(NOT "${installed_programs}" STREQUAL "${programs}")
    message(FATAL_ERROR "bin holds '${installed_programs}', expected '${programs}'")
endif()

if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${STAGE}/share/applications/kavrel.desktop
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "error:|warning:")
        message(FATAL_ERROR "the installed desktop entry does not validate:\n${output}")
    endif()
endif()
message(STATUS "installed: ${expected}")
