target_sources(zrv_reader PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/analyse_figures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calibration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colour_filter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/header.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parse_circles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parse_paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parse_points.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parse_rectangles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_scan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_values.cpp
)
