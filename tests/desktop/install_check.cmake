# Installs the build into PREFIX and checks it as a desktop would: the programs, the icon and
# the file type the entry names, the type taken up by the MIME database, and the installed
# command-line tool on an example.
if(UPDATE_MIME_DATABASE MATCHES "not installed")
    message("update-mime-database is not installed")
    return()
endif()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${PREFIX}/share/applications/zrvcam.desktop entry REGEX "^(Exec|Icon|MimeType)=")
string(REGEX REPLACE ".*Exec=([^ ;]+).*Icon=([^;]+).*MimeType=([a-z0-9./+-]+).*" "\\1|\\2|\\3" named
       "${entry}")
string(REPLACE "|" ";" named "${named}")
list(GET named 0 program)
list(GET named 1 icon)
list(GET named 2 type)
foreach(file bin/${program} bin/zrvcam-cli share/icons/hicolor/scalable/apps/${icon}.svg)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "missing: ${file}")
    endif()
endforeach()

# On the search path, or the tool adds a note that is no complaint.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/share
                        ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime ERROR_VARIABLE complaints)
file(READ ${PREFIX}/share/mime/globs2 globs)
file(READ ${PREFIX}/share/mime/magic magic HEX)
string(HEX "[50:${type}]" header)
string(HEX "ZIRVA" tag)
if(complaints OR NOT globs MATCHES "${type}:\\*\\.zrv\n.*${type}:\\*\\.zrv7\n"
   OR NOT magic MATCHES "${header}.*07${tag}")
    message(SEND_ERROR "the MIME database lacks ${type}: ${complaints}${globs}")
endif()

execute_process(COMMAND ${PREFIX}/bin/zrvcam-cli --locale de info ${SOURCE}/examples/platine40.zrv
                OUTPUT_VARIABLE shown COMMAND_ERROR_IS_FATAL ANY)
file(READ ${SOURCE}/tests/cases/platine40/expected/info.txt expected)
string(FIND "${expected}" "--- stdout\n${shown}--- stderr" at)
if(at EQUAL -1)
    message(SEND_ERROR "the installed zrvcam-cli info gave:\n${shown}")
endif()
