target_sources(zrv_levelling PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/height_map.cpp
    ${CMAKE_CURRENT_LIST_DIR}/length_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/level_program.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe_grid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe_log.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe_program.cpp
)
