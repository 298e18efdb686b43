target_sources(zrvcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/choices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_lines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extra_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/factory_values.cpp
    ${CMAKE_CURRENT_LIST_DIR}/format_length.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gcode_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/milling_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/plain_number.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reference_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_file_start.cpp
)
