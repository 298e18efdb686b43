# Writes a manual page, gzip -9n as Debian installs them: cmake -DTEMPLATE=... -DPAGE=...
# [-DCLI=zrvcam-cli] -DPROJECT_VERSION=... -P manual_page.cmake
# With CLI, the page's synopsis is the usage text the program prints on a wrong call, so the
# page and the program never disagree about a command or an option.
if(CLI)
    execute_process(COMMAND ${CLI} ERROR_VARIABLE said OUTPUT_QUIET RESULT_VARIABLE status)
    string(FIND "${said}" "Aufruf: " at)
    if(NOT status EQUAL 2 OR at LESS 0)
        message(FATAL_ERROR "${CLI} printed no usage text: ${said}")
    endif()
    math(EXPR at "${at} + 8")
    string(SUBSTRING "${said}" ${at} -1 usage)
    string(STRIP "${usage}" usage)
    string(REPLACE "\\" "\\e" usage "${usage}")
    string(REPLACE "-" "\\-" usage "${usage}")
    # \& keeps a line that starts with a dot or a quote from being read as a request.
    string(REPLACE "\n" "\n\\&" ZRV_USAGE "\\&${usage}")
endif()
configure_file(${TEMPLATE} ${PAGE} @ONLY)
execute_process(COMMAND gzip -9nf ${PAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${PAGE}")
endif()
