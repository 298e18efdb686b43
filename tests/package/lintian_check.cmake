# cmake -DBUILD=... -DCPACK=... -DLINTIAN=... -DOUT=... -P lintian_check.cmake
if(NOT LINTIAN)
    message("lintian is not installed")
    return()
endif()
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(GLOB package ${OUT}/zrvcam_*.deb)
if(NOT status EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack made no package:\n${said}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${package}
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
message("${said}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian objects to ${package}")
endif()
file(REMOVE_RECURSE ${OUT})
