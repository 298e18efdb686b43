target_sources(zrv_gcode PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/comment_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/depth_steps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/format_length.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gcode_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gcode_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/milling_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parameter_refusals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reference_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stepped_moves.cpp
)
