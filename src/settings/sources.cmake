target_sources(zrv_settings PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/choices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_lines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extra_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/factory_values.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parameters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/plain_number.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe_shape.cpp
    ${CMAKE_CURRENT_LIST_DIR}/probe_values.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_file_start.cpp
)
