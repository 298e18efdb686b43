target_sources(zrvcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/travel.cpp
)
