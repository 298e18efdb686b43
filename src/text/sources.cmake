target_sources(zrv_text PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/byte_order.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decimal_rounding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hex.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_scan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shortened.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trimmed.cpp
    ${CMAKE_CURRENT_LIST_DIR}/utf8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows1252.cpp
)
