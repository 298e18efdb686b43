target_sources(zrv_geometry PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/align.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calibration_input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chaining.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drill_order.cpp
    ${CMAKE_CURRENT_LIST_DIR}/milling_order.cpp
    ${CMAKE_CURRENT_LIST_DIR}/nearest_index.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optimise.cpp
    ${CMAKE_CURRENT_LIST_DIR}/path_reverse.cpp
    ${CMAKE_CURRENT_LIST_DIR}/route_improve.cpp
    ${CMAKE_CURRENT_LIST_DIR}/route_pass.cpp
    ${CMAKE_CURRENT_LIST_DIR}/route_start.cpp
    ${CMAKE_CURRENT_LIST_DIR}/weighted_distance.cpp
)
