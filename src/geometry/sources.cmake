target_sources(zrvcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/align.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optimise.cpp
)
