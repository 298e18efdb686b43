target_sources(zrv_base PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/file_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_file.cpp
)
