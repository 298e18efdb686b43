target_sources(zrv_controller PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/grbl_codes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grbl_link.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grbl_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/machine_status.cpp
    ${CMAKE_CURRENT_LIST_DIR}/replies.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stream_program.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_commands.cpp
)
