target_sources(zrv_job PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dump.cpp
    ${CMAKE_CURRENT_LIST_DIR}/export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/height_map_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/height_map_drop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/job_figures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/job_time.cpp
    ${CMAKE_CURRENT_LIST_DIR}/load.cpp
    ${CMAKE_CURRENT_LIST_DIR}/output_guard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_estimate.cpp
)
