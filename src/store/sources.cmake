target_sources(zrv_store PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/entry_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/entry_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/figure_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pair_text.cpp
)
