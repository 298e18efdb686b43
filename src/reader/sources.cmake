target_sources(zrvcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/calibration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/figure_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host.cpp
)
