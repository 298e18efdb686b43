# Installs the build into a scratch prefix and checks it as a desktop would: both programs,
# the entry, the icon it names, the drawing type it opens taken up by the MIME database, and
# the installed command-line tool run on an example.
if(NOT UPDATE_MIME_DATABASE)
    message("update-mime-database is not installed")
    return()
endif()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(entry_file ${PREFIX}/share/applications/zrvcam.desktop)
file(STRINGS ${entry_file} entry REGEX "^(Exec|Icon|MimeType)=")
string(REGEX MATCH "Exec=([^ ;]+)" ignored "${entry}")
set(program ${CMAKE_MATCH_1})
string(REGEX MATCH "Icon=([^;]+)" ignored "${entry}")
set(icon ${CMAKE_MATCH_1})
string(REGEX MATCH "MimeType=([^;]+)" ignored "${entry}")
set(type ${CMAKE_MATCH_1})

foreach(file bin/zrvcam bin/zrvcam-cli bin/${program} share/applications/zrvcam.desktop
             share/icons/hicolor/scalable/apps/${icon}.svg share/mime/packages/zrvcam.xml)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "missing: ${file}")
    endif()
endforeach()

# On the search path, or the tool adds a note that is no complaint.
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/share
                        ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime
                RESULT_VARIABLE failed ERROR_VARIABLE complaints)
if(failed OR complaints)
    message(SEND_ERROR "update-mime-database: ${complaints}")
endif()
file(READ ${PREFIX}/share/mime/globs2 globs)
foreach(glob *.zrv *.zrv7)
    if(NOT globs MATCHES "${type}:${glob}\n")
        message(SEND_ERROR "the MIME database has no ${glob} for ${type}: ${globs}")
    endif()
endforeach()
file(READ ${PREFIX}/share/mime/magic magic HEX)
string(HEX "[50:${type}]" type_hex)
string(HEX "ZIRVA" tag_hex)
if(NOT magic MATCHES "${type_hex}.*07${tag_hex}")
    message(SEND_ERROR "the MIME database has no header bytes for ${type}")
endif()

execute_process(COMMAND ${PREFIX}/bin/zrvcam-cli --locale de info ${EXAMPLES}/platine40.zrv
                RESULT_VARIABLE failed OUTPUT_VARIABLE shown)
file(READ ${EXPECTED}/platine40_info.txt expected)
string(REGEX MATCH "--- stdout\n(.*)--- stderr" ignored "${expected}")
if(failed OR NOT shown STREQUAL CMAKE_MATCH_1)
    message(SEND_ERROR "the installed zrvcam-cli info gave ${failed}:\n${shown}")
endif()
